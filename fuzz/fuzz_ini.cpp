// Edits one key of arbitrary settings text and reads everything back: the key reads as
// written, and every other key of every section keeps the value it had.
//
// Input: a byte choosing the key, a byte choosing the section, a byte giving the value's
// length; the value is taken from the end of the rest, the text is what remains.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/Cp1252.h"
#include "common/IniFile.h"

namespace {

constexpr std::array<std::string_view, 13> kKeys = {
    "Name",         "FullScreen",   "VSync",       "FrameDelay",  "DrawFPS",
    "DisableSound", "DisableMusic", "SoundVolume", "MusicVolume", "SkipIntro",
    "TestMap",      "DisableChat",  "name"};
constexpr std::array<std::string_view, 3> kSections = {"Skarveth Configuration",
                                                       "skarveth configuration", "Other"};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

void AddName(std::string_view name, std::vector<std::string>& names, std::size_t most) {
  if (names.size() >= most) return;
  for (const std::string& n : names)
    if (sk::SameText(n, name)) return;
  names.emplace_back(name);
}

// The section names and key names the text spells (a few dozen at most), a line being cut
// at CR or LF.
void Names(std::string_view text, std::vector<std::string>& sections,
           std::vector<std::string>& keys) {
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    const std::string_view line = Trim(text.substr(start, end - start));
    if (line.starts_with('[')) {
      AddName(Trim(line.substr(1, line.find(']') - 1)), sections, 8);
    } else if (line.find('=') != std::string_view::npos) {
      AddName(Trim(line.substr(0, line.find('='))), keys, 40);
    }
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::string_view key = kKeys[data[0] % kKeys.size()];
  const std::string_view section = kSections[data[1] % kSections.size()];
  const std::size_t value_length = std::min<std::size_t>(data[2], size - 3);
  const std::string_view rest(reinterpret_cast<const char*>(data) + 3, size - 3);
  const std::string_view text = rest.substr(0, rest.size() - value_length);
  const std::string_view value = rest.substr(rest.size() - value_length);

  const sk::IniFile before = sk::IniFile::Parse(text);
  const std::string edited = sk::EditProfileText(text, section, key, value);
  const sk::IniFile after = sk::IniFile::Parse(edited);
  if (!after.Get(section, key)) std::abort();

  std::vector<std::string> sections{std::string(section), "Other"};
  std::vector<std::string> keys(kKeys.begin(), kKeys.end() - 1);
  Names(text, sections, keys);
  for (const std::string& s : sections) {
    for (const std::string& k : keys) {
      if (sk::SameText(s, section) && sk::SameText(k, key)) continue;
      if (before.Get(s, k) != after.Get(s, k)) std::abort();
    }
  }
  return 0;
}
