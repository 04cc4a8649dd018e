#pragma once
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace sk {

// A fresh folder for one test, removed with everything in it when the test ends.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "sktest.XXXXXX").string();
    root_ = ::mkdtemp(pattern.data());
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(root_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder itself, ending in '/', as the game's ProgramDir would.
  std::string Root() const { return root_ + "/"; }
  std::string Path(const std::string& name = "") const { return root_ + "/" + name; }

  void Write(const std::string& name, const std::string& content) const {
    std::filesystem::create_directories(std::filesystem::path(Path(name)).parent_path());
    std::ofstream(Path(name), std::ios::binary) << content;
  }
  void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    Write(name, std::string(bytes.begin(), bytes.end()));
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(Path(name)); }
  int Count() const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(root_),
                                          std::filesystem::directory_iterator()));
  }

 private:
  std::string root_;
};

}  // namespace sk
