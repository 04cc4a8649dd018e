#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Error.h"
#include "game/play/ModelDefinitions.h"
#include "support/PeakMemory.h"

namespace sk {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// The 88 definition lines "m<k>" and "m<k>c<i>", joined by `eol`.
std::string Definitions(const std::string& eol, std::size_t lines = 88) {
  std::string text;
  for (std::size_t n = 0; n < lines; ++n) {
    const std::size_t k = n / 11, i = n % 11;
    text += 'm' + std::to_string(k);
    if (i != 0) text.append("c").append(std::to_string(i - 1));
    text += eol;
  }
  return text;
}

std::string ErrorOf(const std::string& text) {
  try {
    LoadModelDefinitions(Bytes(text));
  } catch (const Error& e) {
    return e.what();
  }
  return "no error";
}

TEST(ModelDefinitions, EveryLineEndingReadsTheSame) {
  for (const std::string eol : {"\r\n", "\n", "\r"}) {
    const TModels models = LoadModelDefinitions(Bytes(Definitions(eol)));
    EXPECT_EQ(models[0].Name, "m0");
    EXPECT_EQ(models[0].Chat[0], "m0c0");
    EXPECT_EQ(models[3].Chat[9], "m3c9");
    EXPECT_EQ(models[7].Name, "m7");
    EXPECT_EQ(models[7].Chat[9], "m7c9");
  }
  // Mixed breaks, no break after the last line, and lines after the 88th ignored.
  std::string mixed = Definitions("\n", 87) + "m7c9\r\nextra\rmore";
  EXPECT_EQ(LoadModelDefinitions(Bytes(mixed))[7].Chat[9], "m7c9");
}

TEST(ModelDefinitions, CommentsAreDroppedBeforeCounting) {
  std::string text = ";header\r\n;more\r\n" + Definitions("\r\n");
  // A comment between model 2's name and its first chat line shifts nothing.
  text.insert(text.find("m2\r\n") + 4, ";inside\r\n");
  const TModels models = LoadModelDefinitions(Bytes(text));
  EXPECT_EQ(models[2].Name, "m2");
  EXPECT_EQ(models[2].Chat[0], "m2c0");
  // Only the first character counts, and spaces are kept.
  std::string spaced = Definitions("\n");
  spaced.replace(0, 2, " ;not a comment ");
  EXPECT_EQ(LoadModelDefinitions(Bytes(spaced))[0].Name, " ;not a comment ");
}

TEST(ModelDefinitions, EmptyLinesCountAndNulEndsTheText) {
  std::string text = Definitions("\n");
  text.replace(text.find("m1c4"), 4, "");  // an empty chat line
  EXPECT_EQ(LoadModelDefinitions(Bytes(text))[1].Chat[4], "");
  EXPECT_EQ(LoadModelDefinitions(Bytes(text))[1].Chat[5], "m1c5");

  std::string nul = Definitions("\n");
  nul.insert(nul.begin() + static_cast<std::ptrdiff_t>(nul.find("m5\n")), '\0');
  EXPECT_EQ(ErrorOf(nul), "List index out of bounds (55)");
}

TEST(ModelDefinitions, MissingLinesNameTheFirstMissingIndex) {
  EXPECT_EQ(ErrorOf(""), "List index out of bounds (0)");
  EXPECT_EQ(ErrorOf(";only a comment\n"), "List index out of bounds (0)");
  // A break at the very end adds no line; one more empty line makes it whole.
  EXPECT_EQ(ErrorOf(Definitions("\n", 87)), "List index out of bounds (87)");
  EXPECT_EQ(ErrorOf(Definitions("\n", 87) + "\n"), "no error");
  EXPECT_EQ(ErrorOf(Definitions("\r\n", 87) + "\r\n"), "no error");
  EXPECT_EQ(ErrorOf(";a\n" + Definitions("\r", 40)), "List index out of bounds (40)");
}

// Ten million empty lines are 88 empty definitions and nothing more: the rest is never split,
// and one endless line costs no more than its first kilobyte.
TEST(ModelDefinitions, HugeTextsCostNoMoreThanTheirDefinitions) {
  const std::size_t before = test::PeakResidentBytes();
  const std::vector<std::uint8_t> newlines(10 << 20, '\n');
  const TModels models = LoadModelDefinitions(newlines);
  EXPECT_EQ(models[7].Chat[9], "");
  EXPECT_LT(test::PeakResidentBytes(), before + (64u << 20));

  std::string text = Definitions("\n");
  text.insert(0, std::string(5000, 'x'));
  const TModels cut = LoadModelDefinitions(Bytes(text));
  EXPECT_EQ(cut[0].Name, std::string(1024, 'x'));
  EXPECT_EQ(cut[0].Chat[0], "m0c0");
}

}  // namespace
}  // namespace sk
