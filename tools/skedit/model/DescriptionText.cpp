#include "tools/skedit/model/DescriptionText.h"

namespace sk::edit {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Value(std::string text) {
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
  const bool quoted = text.size() >= 2 && text.front() == '"' && text.back() == '"';
  const bool blanks = !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()));
  return quoted || blanks ? "\"" + text + "\"" : text;
}

std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

}  // namespace

std::string DescriptionText(const TMapDescription& d) {
  std::string text = "; Codename: Skarveth map description, saved by SKEDIT.\n";
  text += "[" + std::string(kMapSection) + "]\n";
  text += "MapName=" + Value(d.Content.Name) + "\n";
  text += "MapFileName=" + Value(d.MapFileName) + "\n";
  text += "BackgroundJPEG=" + Value(d.BackgroundJPEG) + "\n";
  if (!d.MaskBMP.empty()) text += "MaskBMP=" + Value(d.MaskBMP) + "\n";
  text += "FinalWaypoint=" + Point(d.Content.FinalX, d.Content.FinalY) + "\n";
  for (std::size_t p = 0; p < d.Content.Paths.size(); ++p) {
    text += "\n[Path" + std::to_string(p + 1) + "]\n";
    const auto& path = d.Content.Paths[p];
    for (std::size_t k = 0; k < path.size(); ++k)
      text += std::to_string(k + 1) + "=" + Point(path[k].X, path[k].Y) + "," +
              std::to_string(path[k].Frames) + "\n";
  }
  return text;
}

}  // namespace sk::edit
