#include "mapbuilder/MapDescription.h"

#include <optional>
#include <string_view>
#include <vector>

#include "common/IntParse.h"

namespace sk {
namespace {

// A list value cut at every comma; the parts stay as they are, blanks and empty parts included.
std::vector<std::string_view> SplitValues(std::string_view text) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto comma = text.find(',');
    parts.push_back(text.substr(0, comma));
    if (comma == std::string_view::npos) return parts;
    text.remove_prefix(comma + 1);
  }
}

// Part `index` as an integer within [low, high]; nothing when missing, malformed or outside.
std::optional<std::int32_t> PartInRange(const std::vector<std::string_view>& parts,
                                        std::size_t index, std::int32_t low, std::int32_t high) {
  if (index >= parts.size()) return std::nullopt;
  const auto value = ParseInt(parts[index]);
  if (!value || *value < low || *value > high) return std::nullopt;
  return value;
}

std::optional<std::int16_t> Coordinate(const std::vector<std::string_view>& parts,
                                       std::size_t index) {
  const auto value = PartInRange(parts, index, -32768, 32767);
  if (!value) return std::nullopt;
  return static_cast<std::int16_t>(*value);
}

std::string Quoted(std::string_view key) { return "\"" + std::string(key) + "\""; }

// A value of the map section that must not be empty, after cutting it to `max_length`.
std::string RequiredValue(const IniFile& ini, std::string_view key,
                          std::size_t max_length = IniFile::kMaxValueLength) {
  std::string value = ini.ReadString(kMapSection, key, "").substr(0, max_length);
  if (value.empty()) throw BuildFailure(Quoted(key) + " value not specified.");
  return value;
}

TWayPoint ReadWayPoint(const std::string& value, const std::string& where) {
  const auto parts = SplitValues(value);
  const auto x = Coordinate(parts, 0);
  const auto y = Coordinate(parts, 1);
  const auto frames = PartInRange(parts, 2, 0, 65535);
  if (!x || !y || !frames) throw BuildFailure(where + " Value is invalid.");
  if (*frames == 0) throw BuildFailure(where + " Frame count value cannot be zero.");
  return {*x, *y, static_cast<std::uint16_t>(*frames)};
}

// The waypoints "1", "2", ... of one path section, up to the first missing number.
std::vector<TWayPoint> ReadPath(const IniFile& ini, std::size_t number) {
  const std::string section = "Path" + std::to_string(number);
  if (!ini.Get(section, "1"))
    throw BuildFailure("Path " + std::to_string(number) + " must contain at least one waypoint.");
  std::vector<TWayPoint> path;
  for (std::size_t j = 1;; ++j) {
    const auto value = ini.Get(section, std::to_string(j));
    if (!value) return path;
    // A path's waypoint count is stored in one byte.
    if (j > kMaxPathWaypoints)
      throw BuildFailure("[Path " + std::to_string(number) + "] Too many waypoints (at most " +
                         std::to_string(kMaxPathWaypoints) + ").");
    const std::string where =
        "[Path " + std::to_string(number) + " Waypoint " + std::to_string(j) + "]";
    path.push_back(ReadWayPoint(*value, where));
  }
}

}  // namespace

TMapDescription ReadMapDescription(const IniFile& ini) {
  if (!ini.HasSection(kMapSection)) throw BuildFailure("File is not Skarveth map ini file.");
  TMapDescription d;
  d.Content.Name = RequiredValue(ini, "MapName", kMaxMapNameLength);
  d.MapFileName = RequiredValue(ini, "MapFileName");
  d.BackgroundJPEG = RequiredValue(ini, "BackgroundJPEG");
  d.MaskBMP = ini.ReadString(kMapSection, "MaskBMP", "");

  const std::string final_value = RequiredValue(ini, "FinalWaypoint");
  const auto final_parts = SplitValues(final_value);
  const auto final_x = Coordinate(final_parts, 0);
  const auto final_y = Coordinate(final_parts, 1);
  if (!final_x || !final_y) throw BuildFailure("\"FinalWaypoint\" value is invalid.");
  d.Content.FinalX = *final_x;
  d.Content.FinalY = *final_y;

  // Path sections count from 1; the first one missing ends the list, and a map holds eight.
  for (std::size_t i = 1; i <= kMaxMapPaths && ini.HasSection("Path" + std::to_string(i)); ++i) {
    d.Content.Paths.push_back(ReadPath(ini, i));
    d.WaypointCount += d.Content.Paths.back().size();
  }
  if (d.Content.Paths.empty()) throw BuildFailure("Map must have at least one path.");
  return d;
}

}  // namespace sk
