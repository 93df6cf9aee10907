#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora::sim {

// The path of a UTF-16 file name, on every platform.
std::filesystem::path pathOf(std::u16string_view name);
// The file name of a path as UTF-16 (for descriptions).
std::u16string nameOf(const std::filesystem::path& path);

// The whole file. Raises Error when it cannot be read (missing, no regular file such as a
// directory, a read error) and for a name with a NUL in it.
std::string readFileBytes(const std::filesystem::path& path);
// Replaces the file whole: the bytes go to a file beside it that then takes its name, so a
// failure leaves the old file as it was. Raises Error on failure, and for a name with a NUL.
void writeFileBytes(const std::filesystem::path& path, std::string_view bytes);

} // namespace velmora::sim
