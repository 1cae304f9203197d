// The positioned, hidden and anti-aliased drawing through the Font sprites,
// and the reveal onto the back buffer.
#include <algorithm>
#include <utility>
#include <vector>

#include "tests/engine/font_fixture.h"
#include "tests/support/ink.h"
#include "tests/support/support.h"

namespace {

using test_support::FontTest;
using test_support::Sjis;

TEST_F(FontTest, PositionedDrawLandsOnTheBackBufferAndReopensTheScope) {
  elFont::Begin(1, 16, 0, 0, 0, 0);
  elFont::Color(0x00FF00, 0, 1);
  const std::string text = Sjis("あいう。え");
  elFont::Draw(100, 100, 148, 300, text.c_str(), 0);
  EXPECT_EQ(elFont::FontCount, 5);  // four cells; the full stop hangs
  const auto& box = elFont::TextPos[0];
  EXPECT_EQ(box.X1, 100);
  EXPECT_EQ(box.Y1, 100);
  EXPECT_EQ(box.X2, 100 + 48 + 16);
  EXPECT_EQ(box.Y2, 132);
  const platform::Rect ink = test_support::InkBox(Back(), 0);
  EXPECT_GE(ink.left, 100);
  EXPECT_LE(ink.right, 164);  // the hanging full stop is inside the margin
  EXPECT_LE(ink.bottom, 132);
  EXPECT_GT(test_support::CountPixels(Back(), Raw(0x00FF00)), 60);
  // A fresh back-buffer scope with the default colours.
  ASSERT_NE(elFont::FontDC, nullptr);
  EXPECT_EQ(&elFont::FontDC->Target(), DDBack.get());
  EXPECT_EQ(elFont::FontDC->BkMode(), platform::BackgroundMode::kOpaque);
  EXPECT_EQ(elFont::ShowCount, 0);
  EXPECT_EQ(elFont::DrawAndShow, 1);
  elFont::Before();
}

TEST_F(FontTest, NearBlackTextIsDrawnInSixteenGrey) {
  elFont::Begin(1, 16, 0, 0, 0, 0);
  elFont::Color(0, 0x000008, 1);
  elFont::Draw(0, 0, 200, 100, Sjis("黒").c_str(), 0);
  EXPECT_EQ(elFont::FontTextColor, 0x101010u);
  EXPECT_EQ(elFont::FontBackColor, 0x101010u);
  EXPECT_GT(test_support::CountPixels(Back(), Raw(0x101010)), 20);
  elFont::Before();
}

TEST_F(FontTest, HiddenTextIsRevealedCellByCell) {
  elFont::Begin(1, 16, 0, 0, 0, 0);
  elFont::Color(0xFFFFFF, 0, 1);
  elFont::HideDraw(10, 10, 300, 100, Sjis("あいう").c_str(), 0);
  elFont::Before();
  EXPECT_EQ(elFont::DrawAndShow, 1);
  EXPECT_TRUE(test_support::InkBox(Back(), 0).Empty());
  EXPECT_FALSE(test_support::InkBox(FontSprite(), 0).Empty());
  FrameTime = 0.1f;
  const int expected_right[] = {0, 0, 26, 42, 58};
  for (int right : expected_right) {
    elDraw::Clear();
    EXPECT_EQ(elFont::Show(0.1f), 0);
    const platform::Rect ink = test_support::InkBox(Back(), 0);
    if (right == 0) {
      EXPECT_TRUE(ink.Empty());
    } else {
      EXPECT_LE(ink.right, right);
      EXPECT_GT(ink.right, right - 16);
    }
  }
  EXPECT_EQ(elFont::Show(0.1f), 1);
}

TEST_F(FontTest, AntialiasedTextBlendsWithTheBackground) {
  const uint32_t grey = Raw(0x808080);
  elDraw::ColorFill(0, 0, 640, 480, static_cast<uint16_t>(grey));
  elFont::BeginAA(1, 16);
  EXPECT_EQ(elFont::FontHeight, 32);
  EXPECT_EQ(elFont::FontInfo->lfHeight, 32);
  elFont::Color(0xFFFFFF, 0, 1);
  elFont::DrawAA(50, 60, 400, 200, Sjis("滑らかな文字").c_str(), 0);
  EXPECT_EQ(elFont::FontCount, 7);
  EXPECT_EQ(elFont::TextPos[1].X1, 50);
  EXPECT_EQ(elFont::TextPos[1].X2, 66);
  // Edge pixels lie between the grey and white.
  int between = 0;
  for (int y = 60; y < 76; ++y)
    for (int x = 50; x < 146; ++x) {
      const uint32_t v = Back().GetPixel(x, y);
      const int red = v >> 11;
      if (v != grey && red > 16 && red < 31) ++between;
    }
  EXPECT_GT(between, 20);
  EXPECT_GE(test_support::InkBox(Back(), grey).top, 60);
  // The scope stays on the Font buffer sprite until BeforeAA.
  ASSERT_NE(elFont::FontDC, nullptr);
  EXPECT_EQ(&elFont::FontDC->Target(), Sprite[3].Object.get());
  elFont::BeforeAA();
  EXPECT_EQ(elFont::FontDC, nullptr);
}

// The scratch is cleared only where a line was drawn: a second line drawn
// where the first one's ink was must come out as it does after a line of
// blank characters of the same widths.
TEST_F(FontTest, AntialiasedLinesDoNotKeepTheInkOfTheLineBefore) {
  const auto second_line = [this](const char* first) {
    elDraw::ColorFill(0, 0, 640, 480, static_cast<uint16_t>(Raw(0x303030)));
    elFont::BeginAA(1, 16);
    elFont::Color(0xFFFFFF, 0x000000, 1);
    elFont::DrawAA(50, 60, 400, 200, (Sjis(first) + "\n" + Sjis("短い")).c_str(), 0);
    const int top = elFont::TextPos[elFont::FontCount - 1].Y1;
    elFont::BeforeAA();
    std::vector<uint32_t> rows;
    for (int y = top; y < 200; ++y)
      for (int x = 50; x < 400; ++x) rows.push_back(Back().GetPixel(x, y));
    return std::pair(top, rows);
  };
  const auto inked = second_line("永遠永遠永遠");
  const auto blank = second_line("　　　　　　");
  EXPECT_GT(inked.first, 60);
  EXPECT_EQ(inked.first, blank.first);
  EXPECT_TRUE(inked.second == blank.second);
  EXPECT_GT(std::count_if(blank.second.begin(), blank.second.end(),
                          [](uint32_t v) { return v != Raw(0x303030); }),
            10);
}

TEST_F(FontTest, FilterRefusesLostSurfaces) {
  platform::MarkAllSurfacesLost();
  EXPECT_EQ(elFont::DrawAA2(0, 0, 0, 0, 64, 32), 0);
  DDBack->Restore();
  for (int i = 0; i < 4; ++i) Sprite[i].Object->Restore();
  DDFront->Restore();
  EXPECT_EQ(elFont::DrawAA2(0, 0, 0, 0, 64, 32), 1);
  EXPECT_EQ(elFont::DrawAA2(700, 0, 0, 0, 64, 32), 1);  // wholly clipped
}

}  // namespace
