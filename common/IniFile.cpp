#include "common/IniFile.h"

#include <algorithm>

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

// One line of the file: its text, its line break (CR LF, a lone CR or LF; empty at the end of
// the file) and where both lie in the file.
struct Line {
  std::string_view text;
  std::string_view ending;
  std::size_t begin = 0;  // offset of the text
  std::size_t end = 0;    // offset just past the ending
};

// Walks the lines of a text without storing them, so a huge file costs no more than itself.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}
  bool Next(Line& line) {
    if (at_ >= text_.size()) return false;
    const std::size_t cut = std::min(text_.find_first_of("\r\n", at_), text_.size());
    std::size_t length = cut < text_.size() ? 1 : 0;
    if (length == 1 && text_[cut] == '\r' && cut + 1 < text_.size() && text_[cut + 1] == '\n') {
      length = 2;
    }
    line = {text_.substr(at_, cut - at_), text_.substr(cut, length), at_, cut + length};
    at_ = cut + length;
    return true;
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

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

// Where a section lies: its header line and the lines after it up to the next header.
struct SectionPlace {
  Line header;
  std::size_t body_end = 0;  // offset of the next header line, or the end of the text
};

// The section a reader reads for `name` — the first section of that name holding a key —
// or, when no section of that name holds one and `or_first_header` is set, the first header
// of that name. A writer must edit this same section: writing into an earlier empty one
// would hide every key of the one read.
std::optional<SectionPlace> FindSection(std::string_view text, std::string_view name,
                                        bool or_first_header) {
  std::optional<SectionPlace> first, current;
  bool current_has_keys = false;
  LineCursor lines(text);
  Line line;
  while (lines.Next(line)) {
    const auto header = SectionHeader(line.text);
    if (!header) {
      if (current && KeyOf(line.text)) current_has_keys = true;
      continue;
    }
    if (current) {
      current->body_end = line.begin;
      if (current_has_keys) return current;
      if (!first) first = current;
      current.reset();
    }
    if (SameText(*header, name)) {
      current = SectionPlace{line, text.size()};
      current_has_keys = false;
    }
  }
  if (current) {
    if (current_has_keys) return current;
    if (!first) first = current;
  }
  if (or_first_header) return first;
  return std::nullopt;
}

// The lines of a section's body, after its header.
std::string_view BodyOf(std::string_view text, const SectionPlace& place) {
  return text.substr(place.header.end, place.body_end - place.header.end);
}

// The first line of `body` holding `key`, with offsets relative to the body.
std::optional<Line> FindKey(std::string_view body, std::string_view key) {
  LineCursor lines(body);
  Line line;
  while (lines.Next(line)) {
    const auto k = KeyOf(line.text);
    if (k && SameText(*k, key)) return line;
  }
  return std::nullopt;
}

std::string Flat(std::string_view text) {
  // A line break inside would turn the rest into lines of their own.
  std::string flat(text);
  for (char& c : flat)
    if (c == '\r' || c == '\n') c = ' ';
  return flat;
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  ini.text_.assign(text);
  return ini;
}

IniFile IniFile::Load(const std::string& path) {
  const auto bytes = ReadFileBytes(path, kMaxFileSize);
  if (!bytes) return {};
  return Parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  const auto place = FindSection(text_, section, false);
  if (!place) return std::nullopt;
  const auto line = FindKey(BodyOf(text_, *place), key);
  if (!line) return std::nullopt;
  std::string_view value = Unquote(Trim(line->text.substr(line->text.find('=') + 1)));
  return std::string(value.substr(0, kMaxValueLength));
}

bool IniFile::HasSection(std::string_view section) const {
  return FindSection(text_, section, false).has_value();
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
  const std::string eol = text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
  const std::string new_line = Flat(key) + "=" + Flat(value);
  const auto place = FindSection(text, section, true);
  std::string result;
  if (!place) {
    // A new section at the end, after a blank line.
    result.assign(text);
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') result += eol;
    if (!text.empty()) result += eol;
    return result + "[" + Flat(section) + "]" + eol + new_line + eol;
  }
  const std::string_view body = BodyOf(text, *place);
  if (const auto line = FindKey(body, key)) {
    // The key's line is replaced; its line break stays.
    const std::size_t begin = place->header.end + line->begin;
    return result.append(text.substr(0, begin))
        .append(new_line)
        .append(text.substr(begin + line->text.size()));
  }
  // A new line after the section's last non-blank line (or its header).
  Line last = place->header;
  std::size_t last_offset = 0;
  LineCursor lines(body);
  Line line;
  while (lines.Next(line)) {
    if (!Trim(line.text).empty()) {
      last = line;
      last_offset = place->header.end;
    }
  }
  const std::size_t text_end = last_offset + last.begin + last.text.size();
  const std::size_t after = last_offset + last.end;
  result.append(text.substr(0, text_end));
  result.append(last.ending.empty() ? std::string_view(eol) : last.ending);
  return result.append(new_line).append(eol).append(text.substr(after));
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value, std::string* reason) {
  return WriteProfileStrings(path, section, {{std::string(key), std::string(value)}}, reason);
}

bool WriteProfileStrings(const std::string& path, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& values,
                         std::string* reason) {
  std::string text;
  if (GetFileKind(path) != FileKind::Missing) {
    const auto bytes = ReadFileBytes(path, IniFile::kMaxFileSize);
    if (!bytes) {  // never replace a file we could not read
      if (reason) *reason = "the file cannot be read, or is larger than 1 MB";
      return false;
    }
    text.assign(bytes->begin(), bytes->end());
  }
  std::string edited = std::move(text);
  for (const auto& [key, value] : values) edited = EditProfileText(edited, section, key, value);
  return SaveFile(
      path, std::span(reinterpret_cast<const std::uint8_t*>(edited.data()), edited.size()), reason);
}

}  // namespace sk
