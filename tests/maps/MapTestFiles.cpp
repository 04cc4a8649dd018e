#include "MapTestFiles.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/ByteWriter.h"
#include "game/maps/SKMap.h"

namespace sk::test {

std::vector<std::uint8_t> MakeMap(const TMapContent& content, const std::vector<std::uint8_t>& jpeg,
                                  const std::vector<std::uint8_t>& bmp) {
  auto bytes = AssembleMapFile(content, jpeg, bmp);
  EXPECT_TRUE(bytes.has_value());
  return bytes.value_or(std::vector<std::uint8_t>{});
}

std::vector<std::uint8_t> RawMap(int path_count, std::int32_t j, std::int32_t m,
                                 const std::vector<std::uint8_t>& tail) {
  ByteWriter w;
  w.Bytes(kMapMagic);
  w.ShortString("Raw");
  w.I16(600);
  w.I16(400);
  w.U8(static_cast<std::uint8_t>(path_count));
  for (int p = 0; p < path_count; ++p) {
    w.U8(1);
    w.I16(static_cast<std::int16_t>(p));
    w.I16(0);
    w.U16(2);
  }
  w.I32(j);
  w.I32(m);
  w.Bytes(tail);
  return w.Take();
}

TMapContent ExampleContent() {
  TMapContent content;
  content.Name = "Test";
  content.FinalX = 600;
  content.FinalY = 400;
  content.Paths = {{TWayPoint{10, 300, 50}, TWayPoint{320, 300, 100}}};
  return content;
}

TImageList MakeMapImages() {
  TImageList images;
  AddMapImages(images);
  return images;
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace sk::test
