#include "mapbuilder/MapWarnings.h"

#include "common/FileIo.h"

namespace sk {

std::vector<std::string> FindMapWarnings(const TMapDescription& d,
                                         std::span<const std::uint8_t> background,
                                         std::span<const std::uint8_t> mask) {
  std::optional<TMapPicture> maskPicture;
  if (!d.MaskBMP.empty()) maskPicture = TMapPicture{NormalizeSeparators(d.MaskBMP), mask};
  return FindMapWarnings(d.Content, TMapPicture{NormalizeSeparators(d.BackgroundJPEG), background},
                         maskPicture);
}

}  // namespace sk
