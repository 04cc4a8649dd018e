#include "common/IniFile.h"

#include "common/Cp1252.h"
#include "common/FileIo.h"
#include "common/IntParse.h"

namespace sk {
namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view Unquote(std::string_view s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
    return s.substr(1, s.size() - 2);
  return s;
}

// One line of the file: its text without the line break, and the line break itself.
struct Line {
  std::string_view text;
  std::string_view ending;
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const auto cut = text.find('\n');
    if (cut == std::string_view::npos) {
      lines.push_back({text, {}});
      break;
    }
    const bool crlf = cut > 0 && text[cut - 1] == '\r';
    lines.push_back({text.substr(0, crlf ? cut - 1 : cut), text.substr(crlf ? cut - 1 : cut,
                                                                        crlf ? 2 : 1)});
    text.remove_prefix(cut + 1);
  }
  return lines;
}

// The section named by a header line, or nothing when the line is no header.
std::optional<std::string_view> SectionHeader(std::string_view line) {
  line = Trim(line);
  if (!line.starts_with('[')) return std::nullopt;
  line.remove_prefix(1);
  const auto close = line.find(']');
  return Trim(close == std::string_view::npos ? line : line.substr(0, close));
}

// The key of a "key=value" line, or nothing for comments and other lines.
std::optional<std::string_view> KeyOf(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.starts_with(';')) return std::nullopt;
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(0, eq));
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  std::string section;
  int section_index = -1;
  for (const Line& line : SplitLines(text)) {
    if (auto header = SectionHeader(line.text)) {
      section = std::string(*header);
      ++section_index;
      continue;
    }
    const auto key = KeyOf(line.text);
    if (section_index < 0 || !key) continue;
    std::string_view value = Unquote(Trim(line.text.substr(line.text.find('=') + 1)));
    if (value.size() > kMaxValueLength) value = value.substr(0, kMaxValueLength);
    ini.entries_.push_back({section_index, section, std::string(*key), std::string(value)});
  }
  return ini;
}

IniFile IniFile::Load(const std::string& path) {
  const auto bytes = ReadFileBytes(path, 64u << 20);
  if (!bytes) return {};
  return Parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  // The first section of a name counts, and within it the first occurrence of the key.
  const Entry* first_of_section = nullptr;
  for (const Entry& e : entries_) {
    if (!SameText(e.section, section)) continue;
    if (!first_of_section) first_of_section = &e;
    if (e.section_index != first_of_section->section_index) continue;
    if (SameText(e.key, key)) return e.value;
  }
  return std::nullopt;
}

bool IniFile::HasSection(std::string_view section) const {
  for (const Entry& e : entries_)
    if (SameText(e.section, section)) return true;
  return false;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  auto value = Get(section, key);
  return value ? *value : std::string(fallback.substr(0, kMaxValueLength));
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t fallback) const {
  const auto value = Get(section, key);
  return value ? ParseIntDef(*value, fallback) : fallback;
}

std::string EditProfileText(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
  const auto lines = SplitLines(text);
  const std::string eol = text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
  // A line break inside the value would turn the rest of it into lines of their own.
  std::string flat(value);
  for (char& c : flat)
    if (c == '\r' || c == '\n') c = ' ';
  const std::string new_line = std::string(key) + "=" + flat;

  // Find the first section of that name, the key in it, and its last non-blank line.
  std::ptrdiff_t header = -1, key_line = -1, last_filled = -1;
  for (std::size_t i = 0; i < lines.size() && key_line < 0; ++i) {
    const auto at = static_cast<std::ptrdiff_t>(i);
    if (auto name = SectionHeader(lines[i].text)) {
      if (header >= 0) break;
      if (SameText(*name, section)) header = last_filled = at;
    } else if (header >= 0) {
      if (!Trim(lines[i].text).empty()) last_filled = at;
      const auto k = KeyOf(lines[i].text);
      if (k && SameText(*k, key)) key_line = at;
    }
  }

  std::vector<Line> out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto at = static_cast<std::ptrdiff_t>(i);
    out.push_back({at == key_line ? std::string_view(new_line) : lines[i].text, lines[i].ending});
    if (key_line < 0 && at == last_filled) out.push_back({new_line, eol});
  }
  const std::string header_line = std::string("[").append(section).append("]");
  if (header < 0) {
    if (!out.empty()) out.push_back({"", eol});
    out.push_back({header_line, eol});
    out.push_back({new_line, eol});
  }
  std::string result;
  for (std::size_t i = 0; i < out.size(); ++i) {
    result += out[i].text;
    result += out[i].ending.empty() && i + 1 < out.size() ? std::string_view(eol) : out[i].ending;
  }
  return result;
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  std::string text;
  if (GetFileKind(path) != FileKind::Missing) {
    const auto bytes = ReadFileBytes(path, 64u << 20);
    if (!bytes) return false;  // never replace a file we could not read
    text.assign(bytes->begin(), bytes->end());
  }
  const std::string edited = EditProfileText(text, section, key, value);
  return ReplaceFileAtomically(
      path, std::span(reinterpret_cast<const std::uint8_t*>(edited.data()), edited.size()));
}

}  // namespace sk
