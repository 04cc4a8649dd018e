#include "game/play/ModelDefinitions.h"

#include <algorithm>

#include "common/Error.h"
#include "game/resources/SKData.h"

namespace sk {

std::vector<std::string> SplitDefinitionLines(std::span<const std::uint8_t> text,
                                              std::size_t max_lines) {
  const auto end = std::find(text.begin(), text.end(), std::uint8_t{0});
  std::vector<std::string> lines;
  auto start = text.begin();
  while (start != end && lines.size() < max_lines) {
    auto stop = std::find_if(start, end, [](std::uint8_t c) { return c == '\r' || c == '\n'; });
    const auto kept = std::min<std::ptrdiff_t>(stop - start, kMaxDefinitionLineLength);
    if (*start != ';') lines.emplace_back(start, start + kept);
    if (stop == end) break;
    // CR LF is one line break; a lone CR or LF is one too.
    const bool cr_lf = *stop == '\r' && stop + 1 != end && stop[1] == '\n';
    start = stop + (cr_lf ? 2 : 1);
  }
  return lines;
}

TModels LoadModelDefinitions(std::span<const std::uint8_t> text) {
  const std::vector<std::string> lines = SplitDefinitionLines(text, kModelCount * kLinesPerModel);
  if (lines.size() < kModelCount * kLinesPerModel) {
    throw Error("List index out of bounds (" + std::to_string(lines.size()) + ")");
  }
  TModels models;
  for (std::size_t k = 0; k < kModelCount; ++k) {
    const std::size_t first = k * kLinesPerModel;
    models[k].Name = lines[first];
    std::copy_n(lines.begin() + static_cast<std::ptrdiff_t>(first + 1), kChatLines,
                models[k].Chat.begin());
  }
  return models;
}

TModels LoadModelDefinitions(const SKData& data) {
  TMemoryStream stream;
  data.LoadMember("Models.def", stream);
  return LoadModelDefinitions(stream.View());
}

}  // namespace sk
