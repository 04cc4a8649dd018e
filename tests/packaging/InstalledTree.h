#pragma once
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "support/Process.h"
#include "support/TempDir.h"

namespace sk::test {

inline std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IXUSR) &&
         (info.st_mode & S_IXGRP) && (info.st_mode & S_IXOTH);
}

// The programs as installed: lower-case names of the ready-to-play folder's programs.
struct TInstalledProgram {
  const char* Installed;
  const char* Built;
};
inline constexpr TInstalledProgram kInstalledPrograms[] = {
    {"skarveth", "Skarveth"}, {"skmap", "SKMAP"},   {"skview", "SKVIEW"},
    {"skdemo", "SKDEMO"},     {"skpack", "SKPACK"}, {"skbalance", "SKBALANCE"},
};

// This build folder installed with `cmake --install` into a fresh prefix, removed afterwards.
class InstalledTree {
 public:
  explicit InstalledTree(const std::string& options = "") {
    result_ = RunProcess("'" SK_CMAKE_COMMAND "' --install '" SK_BINARY_DIR "' --prefix '" +
                         Prefix() + "' " + options);
  }

  const ProcessResult& Install() const { return result_; }
  std::string Prefix() const { return dir_.Path("prefix"); }
  std::string Path(const std::string& relative) const { return Prefix() + "/" + relative; }
  std::string Bin(const std::string& name) const { return Path(SK_INSTALL_BINDIR "/" + name); }
  std::string DataDir() const { return Path(SK_INSTALL_DATADIR "/skarveth"); }
  std::string Share(const std::string& relative) const {
    return Path(SK_INSTALL_DATADIR "/" + relative);
  }

  // Everything but folders, as paths relative to the prefix.
  std::set<std::string> Files() const {
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Prefix())) {
      if (!entry.is_directory())
        files.insert(std::filesystem::relative(entry.path(), Prefix()).string());
    }
    return files;
  }

 private:
  TempDir dir_;
  ProcessResult result_;
};

// A test of the tree as a plain `cmake --install` lays it down, afresh for each test.
class InstalledTreeTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(tree.Install().status, 0) << tree.Install().output; }
  InstalledTree tree;
};

inline std::vector<std::string> ShippedMaps() {
  std::vector<std::string> maps;
  std::string list = SK_SHIPPED_MAPS;
  for (std::size_t start = 0; start <= list.size();) {
    const std::size_t end = std::min(list.find(',', start), list.size());
    if (end > start) maps.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return maps;
}

// True when a program of that name is on the PATH; the validators are optional on a
// developer's machine, and make.sh installs them for CI.
inline bool HaveProgram(const std::string& name) {
  return RunProcess("command -v '" + name + "' >/dev/null").status == 0;
}

}  // namespace sk::test
