#include "common/ProgramName.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace sk {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

// The name of the program file being run, through any links it was started by.
std::string RunningFileName() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.filename().string();
}

}  // namespace

std::string CommandNameFor(std::string_view running_file, std::string_view built_name) {
  std::string name(built_name);
  // Without a name to go by (no /proc), the program's own name is the safe answer.
  if (running_file.empty() || std::any_of(running_file.begin(), running_file.end(), IsUpper))
    return name;
  std::transform(name.begin(), name.end(), name.begin(), Lower);
  return name;
}

std::string CommandName(std::string_view built_name) {
  return CommandNameFor(RunningFileName(), built_name);
}

}  // namespace sk
