#include "mapbuilder/MapTarget.h"

#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>

#include "common/FileIo.h"
#include "common/MapFormat.h"
#include "common/Printable.h"
#include "common/ProgramName.h"

namespace sk {
namespace {

// True when the regular file at `path` starts like a map file.
bool StartsAsMap(const std::string& path) {
  std::uint64_t size = 0;
  const FileDescriptor fd = OpenRegularFile(path, size);
  if (fd.Get() < 0 || size < kMapMagicSize) return false;
  std::array<std::uint8_t, kMapMagicSize> head{};
  std::size_t got = 0;
  while (got < head.size()) {
    const ssize_t n = ::pread(fd.Get(), head.data() + got, head.size() - got, got);
    if (n <= 0) return false;
    got += static_cast<std::size_t>(n);
  }
  return IsMapFile(head);
}

std::string TildeHint(const char* key, const std::string& value) {
  const std::string path = NormalizeSeparators(value);
  if (!path.starts_with("~")) return "";
  std::string hint = std::string(key) +
                     " starts with \"~\", which only a shell turns into your home folder; " +
                     CommandName("SKMAP") + " reads it as a folder named \"~\".";
  const char* home = std::getenv("HOME");
  if (path.starts_with("~/") && home && *home)
    hint += " Write the full path: " + std::string(home) + path.substr(1);
  return PrintableText(hint) + "\n";
}

}  // namespace

std::string MapTargetProblem(const std::string& path) {
  if (GetFileKind(path) != FileKind::Regular || StartsAsMap(path)) return "";
  return "not a map file; " + CommandName("SKMAP") +
         " replaces only an earlier map. Remove it or name another MapFileName";
}

std::string TildeHints(const TMapDescription& d) {
  return TildeHint("MapFileName", d.MapFileName) + TildeHint("BackgroundJPEG", d.BackgroundJPEG) +
         TildeHint("MaskBMP", d.MaskBMP);
}

}  // namespace sk
