#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/resources/SKData.h"

namespace sk::test {

// The ready-to-play folder the build made, with a trailing slash.
inline std::string GameDir() { return std::string(SK_GAME_DIR) + "/"; }

// The map files the build ships into the ready-to-play folder's Maps; an author's own maps
// may lie beside them.
inline std::vector<std::string> ShippedMapFiles() {
  return {"CanyonRelay.map", "FrostDepot.map", "ReactorCore.map",
          "Rustyard.map",    "SlagFoundry.map", "TidewaterDocks.map"};
}

// The bytes of an archive member of the built Skarveth.dat (empty when it is missing).
inline std::vector<std::uint8_t> Member(const SKData& data, const std::string& name) {
  TMemoryStream stream;
  data.LoadMember(name, stream);
  return stream.bytes;
}

}  // namespace sk::test
