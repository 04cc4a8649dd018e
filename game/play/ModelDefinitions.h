#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

// The eight characters that walk the paths: a display name (colour codes allowed) and ten
// plain chat lines each, read from the text member "Models.def". Model number k also picks
// frame k of "Models.bmp".
//
// "Models.def": 8-bit text; lines end at CR, LF or CR LF; the text ends at its end or at the
// first NUL. Lines starting with ';' are comments and are dropped before counting. Of the
// rest, eleven lines make one model (name, then chat lines 0 to 9), models 0 to 7 in order;
// empty lines count, lines after the 88th are ignored.
namespace sk {

class SKData;

inline constexpr std::size_t kModelCount = 8;
inline constexpr std::size_t kChatLines = 10;
inline constexpr std::size_t kLinesPerModel = 1 + kChatLines;

struct TModel {
  std::string Name;
  std::array<std::string, kChatLines> Chat;
};

using TModels = std::array<TModel, kModelCount>;

// Longer lines are cut to this: no name or chat line can use more on screen, and a member of
// one endless line must not cost its size twice over.
inline constexpr std::ptrdiff_t kMaxDefinitionLineLength = 1024;

// The text's first `max_lines` lines as described above, comment lines already removed, each
// cut at kMaxDefinitionLineLength. Nothing after them is looked at.
std::vector<std::string> SplitDefinitionLines(
    std::span<const std::uint8_t> text,
    std::size_t max_lines = std::numeric_limits<std::size_t>::max());

// The eight models from the text of "Models.def". Too few definition lines throw
// sk::Error("List index out of bounds (N)"), N being the index (from 0, comments not
// counted) of the first missing line; an empty text fails at index 0.
TModels LoadModelDefinitions(std::span<const std::uint8_t> text);
// The same, from the member "Models.def" of the archive (or its loose override); a member
// that exists nowhere reads as an empty text.
TModels LoadModelDefinitions(const SKData& data);

}  // namespace sk
