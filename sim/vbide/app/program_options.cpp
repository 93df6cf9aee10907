#include "sim/vbide/app/program_options.hpp"

#include <cwchar>

namespace velmora::sim::vbide {

std::optional<ProgramOptions> ProgramOptions::parse(const std::vector<std::wstring>& arguments,
                                                    std::string& error) {
  ProgramOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::wstring& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (argument == L"--scenario" && hasValue) {
      options.scenario = arguments[++i];
    } else if (argument == L"--addins" && hasValue) {
      options.addinList = arguments[++i];
    } else if (argument == L"--timeout" && hasValue) {
      const std::wstring& value = arguments[++i];
      wchar_t* end = nullptr;
      const unsigned long timeout = std::wcstoul(value.c_str(), &end, 10);
      if (value.empty() || *end != L'\0' || timeout == 0) {
        error = "--timeout takes a number of milliseconds";
        return std::nullopt;
      }
      options.timeout = static_cast<DWORD>(timeout);
    } else if (argument.rfind(L"--", 0) == 0) {
      error = "unknown option or missing value";
      return std::nullopt;
    } else if (options.project.empty()) {
      options.project = argument;
    } else {
      error = "only one project can be opened";
      return std::nullopt;
    }
  }
  return options;
}

const char* ProgramOptions::usage() {
  return "usage: vbide-sim.exe [--scenario FILE] [--addins FILE] [--timeout MS] [PROJECT.vbp]";
}

} // namespace velmora::sim::vbide
