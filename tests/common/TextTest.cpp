#include <gtest/gtest.h>

#include "common/Cp1252.h"
#include "common/IntParse.h"

namespace sk {
namespace {

TEST(ParseInt, AcceptsTheDesktopsNumberForms) {
  EXPECT_EQ(ParseInt("20"), 20);
  EXPECT_EQ(ParseInt("   -7"), -7);
  EXPECT_EQ(ParseInt("+7"), 7);
  EXPECT_EQ(ParseInt("0x20"), 32);
  EXPECT_EQ(ParseInt("0X1f"), 31);
  EXPECT_EQ(ParseInt("$20"), 32);
  EXPECT_EQ(ParseInt("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseInt("$80000000"), INT32_MIN);
  EXPECT_EQ(ParseInt("-$10"), -16);
  EXPECT_EQ(ParseInt("2147483647"), INT32_MAX);
  EXPECT_EQ(ParseInt("-2147483648"), INT32_MIN);
}

TEST(ParseInt, RefusesEverythingElse) {
  for (const char* text : {"", "   ", "-", "$", "0x", "20ms", "20 ", "1,5", "2147483648",
                           "-2147483649", "$100000000", "0x1G", "yes", "--1", "\t"})
    EXPECT_EQ(ParseInt(text), std::nullopt) << '"' << text << '"';
  EXPECT_EQ(ParseIntDef("20ms", 16), 16);
}

TEST(Cp1252, FoldsAndComparesLikeTheDesktop) {
  EXPECT_TRUE(SameText("Models.BMP", "models.bmp"));
  EXPECT_TRUE(SameText("\xC4rger", "\xE4RGER"));        // Ä / ä
  EXPECT_TRUE(SameText("\x8A", "\x9A"));                // Š / š
  EXPECT_FALSE(SameText("\xD7", "\xF7"));               // × and ÷ are no letters
  EXPECT_FALSE(SameText("a.map", "a.ma"));
  EXPECT_LT(CompareText("apple", "Banana"), 0);
  EXPECT_GT(CompareText("b", "A"), 0);
  EXPECT_LT(CompareText("ab", "abc"), 0);
}

TEST(Cp1252, ConvertsBothWaysThroughTheTable) {
  EXPECT_EQ(Cp1252ToUtf8("\x80 \xE9"), "\u20AC \u00E9");  // the euro sign is not Latin-1
  EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\u0178");
  EXPECT_EQ(Utf8ToCp1252("\u20AC\u00E9x"), "\x80\xE9x");
  EXPECT_EQ(Utf8ToCp1252("a\u4E2Db"), "ab");          // not in the code page: dropped
  EXPECT_EQ(Utf8ToCp1252("a\xE2\x82"), "a");           // cut-off sequence: dropped
  EXPECT_EQ(Utf8ToCp1252("\xFF\x80z"), "z");           // stray bytes: dropped
  std::string all;
  for (int c = 1; c < 256; ++c)
    if (Cp1252CodePoint(static_cast<unsigned char>(c)) != 0xFFFD) all += static_cast<char>(c);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

}  // namespace
}  // namespace sk
