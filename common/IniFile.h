#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sk {

// A profile (INI) file read the way the desktop's profile functions read it: section and key
// names match without regard to letter case, a value is the text after the first "=" with
// surrounding blanks and one pair of enclosing quotes removed, cut at 2047 characters, and
// when a section or key occurs twice the first one counts. Lines starting with ";" are
// comments. Texts stay 8-bit.
class IniFile {
 public:
  static constexpr std::size_t kMaxValueLength = 2047;

  static IniFile Parse(std::string_view text);
  // A missing or unreadable file reads as an empty one.
  static IniFile Load(const std::string& path);

  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // A section exists only when it holds at least one key.
  bool HasSection(std::string_view section) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // The value read as an integer (see ParseInt); `fallback` when missing or malformed.
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t fallback) const;

 private:
  struct Entry {
    int section_index;  // counts headers, so a repeated section is told from the first
    std::string section;
    std::string key;
    std::string value;
  };
  std::vector<Entry> entries_;
};

// Writes one key the way the desktop's profile writer does: the key's line is replaced (or
// the key is added at the end of its section, or the section is appended), every other line
// and comment stays, a missing file is created, and the file is replaced atomically.
// Returns false when the file could not be written; it is then unchanged.
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

// The same edit on the file's text, for callers that hold it in memory.
std::string EditProfileText(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);

}  // namespace sk
