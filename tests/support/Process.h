#pragma once
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace sk {

struct ProcessResult {
  int status = -1;     // exit status, or -1 when the program did not exit normally
  std::string output;  // standard output followed by standard error
};

// Runs a shell command line and collects what it printed and its exit status.
inline ProcessResult RunProcess(const std::string& command_line) {
  ProcessResult result;
  FILE* pipe = ::popen((command_line + " 2>&1").c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) result.output.append(buffer, n);
  const int status = ::pclose(pipe);
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  return result;
}

}  // namespace sk
