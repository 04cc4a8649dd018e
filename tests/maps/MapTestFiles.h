#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/MapFormat.h"
#include "game/render/ImageList.h"
#include "game/render/Picture.h"

namespace sk::test {

// A JPEG of `picture` made with libjpeg's compressor.
std::vector<std::uint8_t> EncodeJpeg(const TPicture& picture, int quality = 95,
                                     bool progressive = false);
// An uncompressed bottom-up 24-bit BMP of `picture`.
std::vector<std::uint8_t> EncodeBmp(const TPicture& picture);

// A map file; dies in the test when the parts are out of range.
std::vector<std::uint8_t> MakeMap(const TMapContent& content,
                                  const std::vector<std::uint8_t>& jpeg,
                                  const std::vector<std::uint8_t>& bmp = {});
// Name "Test", final waypoint (600, 400), one path (10, 300, 50), (320, 300, 100).
TMapContent ExampleContent();

// The two empty pictures the game creates before every load.
TImageList MakeMapImages();

// A fresh folder, removed with everything in it at the end of the test.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // The folder's path ending in '/'.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadBytes(const std::string& path);

}  // namespace sk::test
