#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ByteWriter.h"
#include "common/MapFormat.h"

namespace sk {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Filler(std::size_t size, std::uint8_t seed) {
  Bytes b(size);
  for (std::size_t i = 0; i < size; ++i) b[i] = static_cast<std::uint8_t>(seed + i * 7);
  return b;
}

TMapContent TestMap() {
  TMapContent c;
  c.Name = "Test";
  c.FinalX = 600;
  c.FinalY = 400;
  c.Paths = {{{10, 300, 50}, {320, 300, 100}}};
  return c;
}

TEST(MapFormat, WorkedExampleByteForByte) {
  const Bytes jpeg = Filler(30000, 0x11);
  const auto file = AssembleMapFile(TestMap(), jpeg, {});
  ASSERT_TRUE(file);
  ASSERT_EQ(file->size(), 30044u);
  const Bytes head = {'S',  'K',  'A',  'R',  'V',  'E',  'T', 'H', '_', 'M', 'A', 'P', 0x01,  // 0
                      0x04, 0x54, 0x65, 0x73, 0x74,                                            // 13
                      0x58, 0x02, 0x90, 0x01,                                                  // 18
                      0x01, 0x02,                                                              // 22
                      0x0A, 0x00, 0x2C, 0x01, 0x32, 0x00,                                      // 24
                      0x40, 0x01, 0x2C, 0x01, 0x64, 0x00,                                      // 30
                      0x30, 0x75, 0x00, 0x00,                                                  // 36
                      0x00, 0x00, 0x00, 0x00};                                                 // 40
  EXPECT_EQ(Bytes(file->begin(), file->begin() + 44), head);
  EXPECT_EQ(Bytes(file->begin() + 44, file->end()), jpeg);
  EXPECT_EQ(MapBackgroundOffset(TestMap()), 44u);
}

TEST(MapFormat, RoundTripWithMaskAndNegativeCoordinates) {
  TMapContent c = TestMap();
  c.Name = std::string(255, '\xE9');
  c.FinalX = -32768;
  c.Paths.push_back(std::vector<TWayPoint>(255, TWayPoint{-1, 7, 1}));
  c.Paths.push_back({{0, -2, 65535}});
  const Bytes jpeg = Filler(1000, 1), bmp = Filler(70, 2);
  const auto file = AssembleMapFile(c, jpeg, bmp);
  ASSERT_TRUE(file);
  EXPECT_EQ((*file)[13], 0xFF);
  EXPECT_EQ((Bytes(file->begin() + 269, file->begin() + 271)), (Bytes{0x00, 0x80}));
  EXPECT_EQ((Bytes(file->begin() + 288, file->begin() + 294)),
            (Bytes{0xFF, 0xFF, 0x07, 0x00, 0x01, 0x00}));
  const std::size_t offset = 13 + 1 + 255 + 4 + 1 + (1 + 12) + (1 + 6 * 255) + (1 + 6) + 8;
  EXPECT_EQ(file->size(), offset + 1000 + 70);

  const auto info = ReadMapFile(*file);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->Content.Name, c.Name);
  EXPECT_EQ(info->Content.FinalX, -32768);
  EXPECT_EQ(info->Content.FinalY, 400);
  EXPECT_EQ(info->Content.Paths, c.Paths);
  EXPECT_EQ(info->BackgroundSize, 1000);
  EXPECT_EQ(info->MaskSize, 70);
  EXPECT_EQ(info->BackgroundOffset, offset);
  EXPECT_EQ(info->MaskOffset, static_cast<std::int64_t>(offset + 1000));
  const auto background = MapBackgroundData(*file, *info);
  const auto mask = MapMaskData(*file, *info);
  EXPECT_EQ(Bytes(background->begin(), background->end()), jpeg);
  EXPECT_EQ(Bytes(mask->begin(), mask->end()), bmp);
  // The list reads the name from the first bytes of a file alone.
  EXPECT_EQ(ReadMapHeaderName(std::span(*file).first(kMapHeaderMaxSize)), c.Name);
}

TEST(MapFormat, WriterRefusesFieldsOutOfRange) {
  const Bytes none;
  auto refused = [&](auto change) {
    TMapContent c = TestMap();
    change(c);
    return !AssembleMapFile(c, none, none);
  };
  EXPECT_TRUE(refused([](TMapContent& c) { c.Name.clear(); }));
  EXPECT_TRUE(refused([](TMapContent& c) { c.Name.assign(256, 'a'); }));
  EXPECT_TRUE(refused([](TMapContent& c) { c.Paths.clear(); }));
  EXPECT_TRUE(refused([](TMapContent& c) { c.Paths.resize(9, c.Paths[0]); }));
  EXPECT_TRUE(refused([](TMapContent& c) { c.Paths[0].clear(); }));
  EXPECT_TRUE(refused([](TMapContent& c) { c.Paths[0].resize(256, {1, 1, 1}); }));
  EXPECT_TRUE(refused([](TMapContent& c) { c.Paths[0][1].Frames = 0; }));
  EXPECT_FALSE(refused([](TMapContent& c) { c.Paths.resize(8, c.Paths[0]); }));
  const std::span<const std::uint8_t> huge(none.data(), std::size_t{0x80000000});
  EXPECT_FALSE(AssembleMapFile(TestMap(), huge, none));  // never touches the bytes
  EXPECT_FALSE(AssembleMapFile(TestMap(), none, huge));
}

TEST(MapFormat, MagicTest) {
  Bytes magic(kMapMagic.begin(), kMapMagic.end());
  EXPECT_TRUE(IsMapFile(magic));
  // Recognised, but the name cannot be read.
  EXPECT_FALSE(ReadMapHeaderName(magic));
  EXPECT_FALSE(ReadMapFile(magic));
  EXPECT_FALSE(IsMapFile(std::span(magic).first(12)));
  for (std::size_t i = 0; i < magic.size(); ++i) {
    Bytes other = magic;
    other[i] ^= 0x20;
    other.insert(other.end(), {1, 'x'});
    EXPECT_FALSE(IsMapFile(other));
    EXPECT_FALSE(ReadMapHeaderName(other));
  }
}

// Files the builder never writes, made by hand.
Bytes HandMade(std::int32_t background_size, std::int32_t mask_size, std::size_t tail) {
  ByteWriter w;
  w.Bytes(kMapMagic);
  w.ShortString("Odd");
  for (std::int16_t v : {1, 2}) w.I16(v);
  for (std::uint8_t v : {2, 0, 1}) w.U8(v);  // two paths, the first of no waypoints
  for (std::uint16_t v : {3, 4, 5}) w.U16(v);
  w.I32(background_size);
  w.I32(mask_size);
  w.Bytes(Filler(tail, 9));
  return w.Take();
}

TEST(MapFormat, ReaderTakesCountsAndSizesAsStored) {
  const Bytes file = HandMade(-5, 1, 10);
  const auto info = ReadMapFile(file);
  ASSERT_TRUE(info);
  ASSERT_EQ(info->Content.Paths.size(), 2u);
  EXPECT_TRUE(info->Content.Paths[0].empty());
  EXPECT_EQ(info->Content.Paths[1], (std::vector<TWayPoint>{{3, 4, 5}}));
  EXPECT_EQ(info->BackgroundSize, -5);
  EXPECT_EQ(info->BackgroundOffset, file.size() - 10);
  EXPECT_FALSE(MapBackgroundData(file, *info));
  EXPECT_FALSE(MapMaskData(file, *info));

  const Bytes past_end = HandMade(11, 1, 10);
  EXPECT_FALSE(MapBackgroundData(past_end, *ReadMapFile(past_end)));
  EXPECT_FALSE(MapMaskData(past_end, *ReadMapFile(past_end)));
  // The mask starts exactly at the end: there is nothing to decode, but no read outside.
  const Bytes at_end = HandMade(10, 1, 10);
  EXPECT_EQ(MapMaskData(at_end, *ReadMapFile(at_end))->size(), 0u);
  EXPECT_FALSE(MapMaskData(HandMade(4, 0, 10), *ReadMapFile(HandMade(4, 0, 10))));
}

TEST(MapFormat, TruncationsAndByteFlipsNeverReadOutside) {
  TMapContent c = TestMap();
  c.Paths.push_back({{-7, 8, 9}, {10, 11, 12}, {13, 14, 15}});
  const auto file = AssembleMapFile(c, Filler(40, 3), Filler(30, 4));
  ASSERT_TRUE(file);
  const std::size_t offset = MapBackgroundOffset(c);

  auto probe = [](const Bytes& bytes) {
    const auto name = ReadMapHeaderName(bytes);
    const auto info = ReadMapFile(bytes);
    if (info) {
      EXPECT_EQ(name, info->Content.Name);
      EXPECT_LE(info->BackgroundOffset, bytes.size());
      for (auto data : {MapBackgroundData(bytes, *info), MapMaskData(bytes, *info)}) {
        if (!data) continue;
        EXPECT_GE(data->data(), bytes.data());
        EXPECT_LE(data->data() + data->size(), bytes.data() + bytes.size());
      }
    }
    return info.has_value();
  };
  for (std::size_t size = 0; size <= file->size(); ++size) {
    // A copy of exactly that size, so the sanitizer sees any read past its end.
    const Bytes cut(file->begin(), file->begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_EQ(probe(cut), size >= offset) << size;
    EXPECT_EQ(ReadMapHeaderName(cut).has_value(), size >= 18) << size;
  }
  for (std::size_t at = 0; at < file->size(); ++at) {
    for (std::uint8_t flip : {0x01, 0x80, 0xFF}) {
      Bytes changed = *file;
      changed[at] ^= flip;
      probe(changed);
      changed.resize(offset);
      probe(changed);
    }
  }
}

}  // namespace
}  // namespace sk
