#include "mapbuilder/MapSummary.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "common/Cp1252.h"
#include "common/FileIo.h"
#include "common/PathSpeed.h"
#include "common/Printable.h"

namespace sk {
namespace {

void Line(std::ostream& out, const std::string& label, const std::string& value) {
  out << " - " << label << ": " << value << '\n';
}

}  // namespace

std::string FullPath(const std::string& path) {
  std::error_code error;
  const auto full = std::filesystem::weakly_canonical(std::filesystem::absolute(path), error);
  return error ? path : full.string();
}

void PrintSummary(std::ostream& out, const TMapDescription& d, std::size_t file_size,
                  const TBuildFiles& files) {
  out << "MAP INFORMATION:\n\n";
  // The name goes into the map as 8-bit text, the way the game will show it.
  Line(out, "Name      ", PrintableText(Cp1252ToUtf8(d.Content.Name)));
  Line(out, "Filename  ", PrintableText(NameOf(d.MapFileName)));
  Line(out, "File size ", std::to_string(file_size) + " bytes");
  Line(out, "Paths     ", std::to_string(d.Content.Paths.size()));
  Line(out, "Waypoints ", std::to_string(d.WaypointCount));
  Line(out, "Mask      ", d.MaskBMP.empty() ? "No" : "Yes");
  for (std::size_t p = 0; p < d.Content.Paths.size(); ++p) {
    std::string label = "Path " + std::to_string(p + 1);
    label.resize(10, ' ');
    Line(out, label, DescribePathSpeed(d.Content.Paths[p], d.Content.FinalX, d.Content.FinalY));
  }
  Line(out, "Ini file  ", PrintableText(files.Description));
  Line(out, "Background", PrintableText(files.Background));
  if (!files.Mask.empty()) Line(out, "Mask file ", PrintableText(files.Mask));
  Line(out, "Written to", PrintableText(files.Map));
}

}  // namespace sk
