#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sk {

// A profile (INI) file read the way the desktop's profile functions read it: section and key
// names match without regard to letter case, a value is the text after the first "=" with
// surrounding blanks and one pair of enclosing quotes removed, cut at 2047 characters. Lines
// end at CR LF, CR or LF; lines starting with ";" are comments. When a section occurs twice
// the first one holding a key counts, and within it the first line of a key. Texts stay 8-bit.
// The file is kept as its text and read on every lookup, so it costs no more than its size.
class IniFile {
 public:
  static constexpr std::size_t kMaxValueLength = 2047;
  // A larger file is no settings file anyone wrote by hand: it reads as missing and is never
  // rewritten.
  static constexpr std::size_t kMaxFileSize = 1024 * 1024;

  static IniFile Parse(std::string_view text);
  // A missing, unreadable or over-large file reads as an empty one.
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
  std::string text_;
};

// Writes one key the way the desktop's profile writer does: the key's line is replaced (or
// the key is added at the end of its section, or the section is appended), every other line
// and comment stays, a missing file is created, and the file is saved with SaveFile. The
// section written is the one IniFile reads, so every other key reads as before.
// Returns false when the file could not be read whole (over kMaxFileSize too) or written; it
// is then unchanged, and `reason` (when given) says why.
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value, std::string* reason = nullptr);

// The same for several keys of one section, written in one go: the file holds either all of
// them or, after a failure, none.
bool WriteProfileStrings(const std::string& path, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& values,
                         std::string* reason = nullptr);

// The same edit on the file's text, for callers that hold it in memory.
std::string EditProfileText(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);

}  // namespace sk
