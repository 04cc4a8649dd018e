#include <gtest/gtest.h>

#include <vector>

#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "common/Error.h"

namespace sk {
namespace {

TEST(ByteReader, ReadsLittleEndianAndRefusesToRunPastTheEnd) {
  const std::vector<std::uint8_t> data = {0x01, 0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF, 3, 'a', 'b'};
  ByteReader r(data);
  EXPECT_EQ(r.U8(), 1);
  EXPECT_EQ(r.U16(), 0x1234);
  EXPECT_EQ(r.U32(), 0x12345678u);
  EXPECT_EQ(r.I16(), -1);
  // The length byte says 3 but only 2 characters follow.
  const std::size_t before = r.Position();
  try {
    r.ShortString();
    FAIL() << "read past the end";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Stream read error");
  }
  EXPECT_EQ(r.Position(), before + 1);
  EXPECT_THROW(r.Seek(data.size() + 1), Error);
  EXPECT_THROW(r.Bytes(SIZE_MAX), Error);
}

TEST(ByteWriter, WritesWhatTheReaderReadsBack) {
  ByteWriter w;
  w.I16(-1);
  w.U32(0xDEADBEEF);
  w.ShortString("Skarveth");
  const auto bytes = w.Take();
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFF);
  EXPECT_EQ(bytes[2], 0xEF);
  ByteReader r(bytes);
  EXPECT_EQ(r.I16(), -1);
  EXPECT_EQ(r.U32(), 0xDEADBEEFu);
  EXPECT_EQ(r.ShortString(), "Skarveth");
  EXPECT_EQ(r.Remaining(), 0u);
  EXPECT_THROW(ByteWriter().ShortString(std::string(256, 'x')), std::length_error);
}

}  // namespace
}  // namespace sk
