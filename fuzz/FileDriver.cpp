// Replays files through a fuzz target's entry point, for builds without libFuzzer: every
// argument is a file or a folder whose files (names starting with '.' skipped) are run in
// name order. A finding aborts the program, so the replay fails like the fuzzer would.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

bool Replay(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  return true;
}

std::vector<fs::path> FilesOf(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file() && !entry.path().filename().string().starts_with('.')) {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t count = 0;
  for (int i = 1; i < argc; ++i) {
    std::error_code error;
    const fs::path path(argv[i]);
    const std::vector<fs::path> files =
        fs::is_directory(path, error) ? FilesOf(path) : std::vector<fs::path>{path};
    for (const fs::path& file : files) {
      std::fprintf(stderr, "%s\n", file.c_str());
      if (!Replay(file)) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return 1;
      }
      ++count;
    }
  }
  std::fprintf(stderr, "%zu files replayed\n", count);
  return 0;
}
