#include "game/maps/MapName.h"

#include "common/MapFormat.h"
#include "game/maps/FileHead.h"

namespace sk {

std::optional<std::string> ReadMapName(const std::string& path) {
  const TFileHead head = ReadFileHead(path, kMapHeaderMaxSize);
  if (head.Status != FileHeadStatus::Read) return std::nullopt;
  return ReadMapHeaderName(head.Bytes);
}

}  // namespace sk
