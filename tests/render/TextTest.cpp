#include <gtest/gtest.h>

#include "common/Error.h"
#include "game/render/ColorText.h"
#include "render/RenderTestSupport.h"

namespace sk {
namespace {

const TRect kWhole{0, 0, 640, 480};

class Text : public ::testing::Test {
 protected:
  Text() : canvas_(test::FontPath()), expected_(test::FontPath()) {}
  void SetUp() override {
    for (TTextCanvas* c : {&canvas_, &expected_}) {
      c->Font.Name = "Verdana";
      c->Font.Bold = true;
      c->Font.Size = 10;
      c->Brush.Style = TBrushStyle::Clear;
    }
    SurfaceCanvas(canvas_, got_);
    SurfaceCanvas(expected_, want_);
  }
  bool Same() const { return got_.Pixels == want_.Pixels; }

  TSurface got_ = MakeBackSurface();
  TSurface want_ = MakeBackSurface();
  TTextCanvas canvas_;
  TTextCanvas expected_;
};

}  // namespace

TEST(StripColorCodes, RemovesCodesAndKeepsDoubledCarets) {
  EXPECT_EQ(StripColorCodes("Unknown ^1Skarveth^7er"), "Unknown Skarvether");
  EXPECT_EQ(StripColorCodes("a^^b"), "a^b");
  EXPECT_EQ(StripColorCodes("^9word"), "word");
  EXPECT_EQ(StripColorCodes("word^"), "word");
  EXPECT_EQ(StripColorCodes("^^^"), "^");
  EXPECT_EQ(StripColorCodes("^"), "");
  EXPECT_EQ(StripColorCodes(""), "");
  std::string dest = "Chat: ";
  StripColorCodes("^2Bob", dest);
  EXPECT_EQ(dest, "Chat: Bob");
}

TEST_F(Text, MeasuresWhatItDraws) {
  EXPECT_EQ(canvas_.TextHeight("Frags"), 16);
  const int width = canvas_.TextWidth("Frags");
  EXPECT_GT(width, 30);
  EXPECT_LT(width, 50);
  EXPECT_EQ(canvas_.TextWidth(""), 0);
  canvas_.Font.Color = 0xFFFFFF;
  canvas_.TextOut(100, 100, "Frags");
  int left = 640, right = -1, top = 480, bottom = -1;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x)
      if (got_.At(x, y)) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  EXPECT_GE(left, 100);
  EXPECT_LT(right, 100 + width + 1);
  EXPECT_GE(top, 100);
  EXPECT_LT(bottom, 100 + 16);
  canvas_.Font.Size = 24;
  EXPECT_GT(canvas_.TextHeight("A"), 30);
}

TEST_F(Text, ClipsToTheRectangle) {
  canvas_.Font.Color = 0xFFFFFF;
  canvas_.TextRect(TRect{105, 0, 120, 480}, 100, 100, "WWWWWW");
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x)
      if (x < 105 || x >= 120) {
        ASSERT_EQ(got_.At(x, y), 0) << x << "," << y;
      }
  EXPECT_GT(test::CountNot(got_, 0), 0);
  // Far away or with wild coordinates nothing is written.
  FillSurface(got_, 0);
  canvas_.TextRect(kWhole, 2147483647, -2147483647 - 1, "WWW");
  canvas_.TextRect(kWhole, -2147483647 - 1, 2147483600, "WWW");
  canvas_.TextRect(TRect{-5, -5, -1, -1}, 0, 0, "WWW");
  EXPECT_EQ(test::CountNot(got_, 0), 0);
}

TEST_F(Text, ColourCodesDrawRunsInTheirColours) {
  expected_.Font.Color = 0xFFFFFF;
  expected_.TextOut(50, 50, "word");
  canvas_.Font.Color = 0x123456;
  DrawColorText(canvas_, kWhole, 50, 50 + 8, "^9word", false, TextAlign::Left);
  EXPECT_TRUE(Same()) << "an unknown code vanishes and the text starts white";
  EXPECT_EQ(canvas_.Font.Color, 0x123456u);

  FillSurface(got_, 0);
  DrawColorText(canvas_, kWhole, 50, 58, "word^", false, TextAlign::Left);
  EXPECT_TRUE(Same()) << "a final caret vanishes";

  FillSurface(got_, 0);
  FillSurface(want_, 0);
  expected_.Font.Color = 0xFF0000;
  expected_.TextOut(50, 50, "word");
  DrawColorText(canvas_, kWhole, 50, 58, "^1word", false, TextAlign::Left);
  EXPECT_TRUE(Same()) << "a leading code colours the first run";

  // Two carets are one caret in the colour in force; the runs sit side by side.
  FillSurface(got_, 0);
  FillSurface(want_, 0);
  expected_.Font.Color = 0x00FF00;
  expected_.TextOut(50, 50, "a^");
  expected_.Font.Color = 0x00FF00;
  expected_.TextOut(50 + expected_.TextWidth("a^"), 50, "b");
  DrawColorText(canvas_, kWhole, 50, 58, "^2a^^b", false, TextAlign::Left);
  EXPECT_TRUE(Same());

  FillSurface(got_, 0);
  FillSurface(want_, 0);
  expected_.Font.Color = 0xFFFFFF;
  expected_.TextOut(50, 50, "ab");
  expected_.Font.Color = 0x0000FF;
  expected_.TextOut(50 + expected_.TextWidth("ab"), 50, "cd");
  DrawColorText(canvas_, kWhole, 50, 58, "ab^4cd", false, TextAlign::Left);
  EXPECT_TRUE(Same());
}

TEST_F(Text, CentringUsesVisibleCharactersOnly) {
  DrawColorText(canvas_, kWhole, 320, 240, "Skar^^vether", false, TextAlign::Centre);
  DrawColorText(expected_, kWhole, 320, 240, "^3Skar^^^5vether^", false, TextAlign::Centre);
  for (std::size_t i = 0; i < got_.Pixels.size(); ++i)
    ASSERT_EQ(got_.Pixels[i] != 0, want_.Pixels[i] != 0) << i;
  EXPECT_GT(test::CountNot(got_, 0), 0);

  // Right alignment puts the visible text's right edge at x.
  FillSurface(got_, 0);
  FillSurface(want_, 0);
  DrawText(canvas_, kWhole, 600, 100, "Health", false, TextAlign::Right);
  expected_.Font.Color = canvas_.Font.Color;
  expected_.TextOut(600 - expected_.TextWidth("Health"), 100 - 16 / 2, "Health");
  EXPECT_TRUE(Same());
}

TEST_F(Text, ShadowIsOnePieceOfTheStrippedText) {
  canvas_.Font.Color = 0xFFFF00;
  DrawColorText(canvas_, kWhole, 100, 100, "^1Red^2Green", true, TextAlign::Left);
  EXPECT_EQ(canvas_.Font.Color, 0xFFFF00u);

  FillSurface(want_, MatchColor(0x808080));
  FillSurface(got_, MatchColor(0x808080));
  DrawColorText(canvas_, kWhole, 100, 100, "^1Red^2Green", true, TextAlign::Left);
  expected_.Font.Color = 0x000000;
  expected_.TextOut(101, 100 - 8 + 1, "RedGreen");
  expected_.Font.Color = 0xFF0000;
  expected_.TextOut(100, 92, "Red");
  expected_.Font.Color = 0x00FF00;
  expected_.TextOut(100 + expected_.TextWidth("Red"), 92, "Green");
  EXPECT_TRUE(Same());

  // DrawText's shadow sits one pixel down and right, in black, under the font colour.
  FillSurface(want_, MatchColor(0x808080));
  FillSurface(got_, MatchColor(0x808080));
  canvas_.Font.Color = 0x00FF00;
  DrawText(canvas_, kWhole, 100, 100, "Frags", true, TextAlign::Left);
  EXPECT_EQ(canvas_.Font.Color, 0x00FF00u);
  expected_.Font.Color = 0x000000;
  expected_.TextOut(101, 93, "Frags");
  expected_.Font.Color = 0x00FF00;
  expected_.TextOut(100, 92, "Frags");
  EXPECT_TRUE(Same());
}

TEST(TextCanvas, MissingFontIsAnErrorOnFirstUse) {
  TTextCanvas canvas("/nonexistent/font.ttf");
  try {
    canvas.TextWidth("x");
    ADD_FAILURE() << "measured without a font";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Cannot open file /nonexistent/font.ttf");
  }
}

TEST(TextCanvas, ShapesStayInsideTheirBoxAndTheSurface) {
  TSurface s = MakeBackSurface();
  TTextCanvas canvas(test::FontPath());
  SurfaceCanvas(canvas, s);
  canvas.Pen.Color = 0xFF0000;
  canvas.Pen.Width = 2;
  canvas.Brush.Color = 0x808080;
  canvas.Brush.Style = TBrushStyle::Solid;
  canvas.RoundRect(40, 100, 600, 380);
  EXPECT_EQ(s.At(320, 100), MatchColor(0xFF0000));  // top edge: pen
  EXPECT_EQ(s.At(320, 101), MatchColor(0xFF0000));
  EXPECT_EQ(s.At(320, 102), MatchColor(0x808080));  // inside: brush
  EXPECT_EQ(s.At(599, 240), MatchColor(0xFF0000));
  EXPECT_EQ(s.At(600, 240), 0);
  EXPECT_EQ(s.At(40, 100), 0);  // the corner is rounded off
  EXPECT_EQ(s.At(320, 380), 0);

  FillSurface(s, 0);
  canvas.Brush.Style = TBrushStyle::Clear;
  canvas.Pen.Color = 0xFFFFFF;
  canvas.Ellipse(TRect{200, 200, 240, 240});
  EXPECT_EQ(s.At(220, 220), 0);  // a ring, not filled
  EXPECT_EQ(s.At(220, 200), 0xFFFF);
  EXPECT_EQ(s.At(200, 220), 0xFFFF);
  EXPECT_EQ(s.At(201, 201), 0);

  FillSurface(s, 0);
  canvas.Line(565, 100, 565, 379);
  EXPECT_EQ(s.At(565, 100), 0xFFFF);
  EXPECT_EQ(s.At(565, 378), 0xFFFF);
  EXPECT_EQ(s.At(565, 379), 0);  // the end point is left out
  EXPECT_EQ(test::CountNot(s, 0), 2 * 279);

  FillSurface(s, 0);
  canvas.Brush.Style = TBrushStyle::Solid;
  canvas.RoundRect(-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647);
  canvas.Ellipse(-100000, -5, 100000, 5);
  canvas.Line(-2147483647 - 1, 5, 2147483647, 7);
  canvas.Pen.Width = 100000;
  canvas.Line(0, 0, 10, 10);
  ReleaseCanvas(canvas);
  canvas.TextOut(0, 0, "after release nothing is drawn");
  EXPECT_EQ(s.Pixels.size(), 640u * 480u);
}

}  // namespace sk
