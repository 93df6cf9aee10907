#include "services/win32_file_store.hpp"

#include <algorithm>
#include <limits>

namespace velmora::win32 {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// Attributes that SetFileAttributesW may set and that a replacement should keep.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_SYSTEM;

// A file handle closed when it goes.
class File {
public:
  File(const FilePath& path, DWORD access, DWORD share, DWORD disposition)
      : handle_(CreateFileW(path.c_str(), access, share, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL, nullptr)),
        error_(handle_ == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS) {}
  ~File() {
    if (open()) {
      CloseHandle(handle_);
    }
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  bool open() const { return handle_ != INVALID_HANDLE_VALUE; }
  DWORD error() const { return error_; }
  HANDLE handle() const { return handle_; }

  bool writeAll(std::string_view bytes) const {
    while (!bytes.empty()) {
      const auto chunk = static_cast<DWORD>(
          std::min<std::size_t>(bytes.size(), std::numeric_limits<DWORD>::max() / 2));
      DWORD written = 0;
      if (WriteFile(handle_, bytes.data(), chunk, &written, nullptr) == FALSE || written == 0) {
        return false;
      }
      bytes.remove_prefix(written);
    }
    return true;
  }

  // Closes the handle, reporting whether everything written reached the system.
  bool close() {
    const bool closed = CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

private:
  HANDLE handle_;
  DWORD error_;
};

// Gives the file the kept attributes it had before.
void restoreAttributes(const FilePath& path, DWORD before) {
  const DWORD now = GetFileAttributesW(path.c_str());
  if (now == INVALID_FILE_ATTRIBUTES || (now & kKeptAttributes) == (before & kKeptAttributes)) {
    return;
  }
  const DWORD wanted = (now & ~kKeptAttributes) | (before & kKeptAttributes);
  SetFileAttributesW(path.c_str(), wanted == 0 ? FILE_ATTRIBUTE_NORMAL : wanted);
}

bool isBusyError(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

DWORD attributesOf(const FilePath& path) {
  return GetFileAttributesW(path.c_str());
}

bool readOnly(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// Whether another process has the file open without sharing deletion, which is what keeps a
// replacement out while waiting may let it in.
bool heldElsewhere(const FilePath& path) {
  const File probe(path, DELETE, kShareAll, OPEN_EXISTING);
  return !probe.open() && isBusyError(probe.error());
}

FileStore::Outcome refusal(DWORD error, const FilePath& target, const FilePath& replacement) {
  if (isBusyError(error) || heldElsewhere(target) || heldElsewhere(replacement)) {
    return FileStore::Outcome::Busy;
  }
  return FileStore::Outcome::Refused;
}

} // namespace

FileContents Win32FileStore::read(const FilePath& path) const {
  FileContents contents;
  const File file(path, GENERIC_READ, kShareAll, OPEN_EXISTING);
  if (!file.open()) {
    const DWORD error = file.error();
    contents.status = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                          ? FileContents::Status::Missing
                          : FileContents::Status::Failed;
    return contents;
  }
  contents.status = FileContents::Status::Failed;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.handle(), &size) != FALSE && size.QuadPart > 0 &&
      size.QuadPart < std::numeric_limits<DWORD>::max() / 2) {
    contents.bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  }
  char buffer[16384];
  for (;;) {
    DWORD got = 0;
    if (ReadFile(file.handle(), buffer, sizeof buffer, &got, nullptr) == FALSE) {
      contents.bytes.clear();
      return contents;
    }
    if (got == 0) {
      break;
    }
    contents.bytes.append(buffer, got);
  }
  contents.status = FileContents::Status::Read;
  return contents;
}

FileStore::Outcome Win32FileStore::writeNew(const FilePath& path, std::string_view bytes) {
  // Not shared while it is written: a second writer using the same name waits for this one.
  File file(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
  if (!file.open()) {
    return isBusyError(file.error()) ? Outcome::Busy : Outcome::Refused;
  }
  // On the disk before it takes the old file's place, so that not even a power failure leaves
  // an empty settings file.
  const bool written =
      file.writeAll(bytes) && FlushFileBuffers(file.handle()) != FALSE && file.close();
  return written ? Outcome::Done : Outcome::Refused;
}

FileStore::Outcome Win32FileStore::replace(const FilePath& target, const FilePath& replacement) {
  const DWORD attributes = attributesOf(target);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD missing = GetLastError();
    if (missing != ERROR_FILE_NOT_FOUND) {
      return refusal(missing, target, replacement);
    }
    if (MoveFileExW(replacement.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE) {
      return Outcome::Done;
    }
    const DWORD error = GetLastError();
    // Made by someone else meanwhile: the next attempt replaces it.
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS
               ? Outcome::Busy
               : refusal(error, target, replacement);
  }
  if (readOnly(attributes) || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return Outcome::Refused;
  }
  // Asked first rather than learnt from a failed ReplaceFileW, which may leave a file of its own
  // behind (Wine's moves the old file to a temporary name first and keeps that name when the
  // move fails).
  if (heldElsewhere(target) || heldElsewhere(replacement)) {
    return Outcome::Busy;
  }
  if (ReplaceFileW(target.c_str(), replacement.c_str(), nullptr, 0, nullptr, nullptr) == FALSE) {
    const DWORD error = GetLastError();
    // The old file is gone and the new one still beside it: it only has to be moved.
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT &&
        attributesOf(target) == INVALID_FILE_ATTRIBUTES &&
        MoveFileExW(replacement.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE) {
      restoreAttributes(target, attributes);
      return Outcome::Done;
    }
    return refusal(error, target, replacement);
  }
  restoreAttributes(target, attributes);
  return Outcome::Done;
}

bool Win32FileStore::overwrite(const FilePath& path, std::string_view bytes) {
  if (readOnly(attributesOf(path))) {
    return false;
  }
  // Opened, not created anew, so that a hidden file may be written and keeps its attributes.
  File file(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, OPEN_ALWAYS);
  return file.open() && file.writeAll(bytes) && SetEndOfFile(file.handle()) != FALSE &&
         file.close();
}

void Win32FileStore::remove(const FilePath& path) {
  DeleteFileW(path.c_str());
}

} // namespace velmora::win32
