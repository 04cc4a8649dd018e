#pragma once
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace sk {

struct ProcessResult {
  int status = -1;     // exit status, or -1 when the program did not exit normally
  std::string output;  // standard output, followed by standard error unless kept apart
  std::string error;   // standard error, when kept apart
};

enum class StandardError { Merged, Separate };

// Runs a shell command line and collects what it printed and its exit status.
inline ProcessResult RunProcess(const std::string& command_line,
                                StandardError stderr_mode = StandardError::Merged) {
  ProcessResult result;
  std::string error_file;
  std::string command = command_line + " 2>&1";
  if (stderr_mode == StandardError::Separate) {
    char pattern[] = "/tmp/skstderr.XXXXXX";
    const int fd = ::mkstemp(pattern);
    if (fd < 0) return result;
    ::close(fd);
    error_file = pattern;
    command = "{ " + command_line + " ; } 2>'" + error_file + "'";
  }
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe) {
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) result.output.append(buffer, n);
    const int status = ::pclose(pipe);
    if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  }
  if (!error_file.empty()) {
    std::stringstream text;
    text << std::ifstream(error_file, std::ios::binary).rdbuf();
    result.error = text.str();
    std::remove(error_file.c_str());
  }
  return result;
}

}  // namespace sk
