// The positioned, hidden and anti-aliased drawing through the Font sprites,
// and the reveal onto the back buffer.
#include <algorithm>
#include <cstring>
#include <functional>
#include <random>
#include <utility>
#include <vector>

#include "engine/font/internal/aa_filter.h"
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

// A message starts from clear sprites whatever was drawn on them since the
// message before, by any way in: the result is the one of clearing both
// sprites whole first.
TEST_F(FontTest, AntialiasedMessagesStartFromClearSpritesAfterAnyOtherDrawing) {
  const auto message = [this](const std::function<void()>& between, bool clear_whole) {
    elDraw::ColorFill(0, 0, 640, 480, static_cast<uint16_t>(Raw(0x404040)));
    elFont::BeginAA(1, 16);
    elFont::Color(0xFFFFFF, 0, 1);
    elFont::DrawAA(40, 40, 600, 200, Sjis("一つ目の文章です").c_str(), 0);
    between();
    if (clear_whole) elDraw::SpriteClear(2), elDraw::SpriteClear(3);
    elFont::DrawAA(40, 300, 600, 470, Sjis("二つ目").c_str(), 0);
    elFont::BeforeAA();
    return std::vector<std::vector<uint8_t>>{
        {FontSprite().Bytes().begin(), FontSprite().Bytes().end()},
        {Sprite[3].Object->Bytes().begin(), Sprite[3].Object->Bytes().end()},
        {Back().Bytes().begin(), Back().Bytes().end()}};
  };
  const auto pixel = [](platform::Surface& s) { s.SetPixel(620, 10, 0xFFFF); };
  const std::vector<std::pair<const char*, std::function<void()>>> ways = {
      {"nothing", [] {}},
      {"a pixel on each", [&] { pixel(FontSprite()), pixel(*Sprite[3].Object); }},
      {"through a lock",
       [&] {
         for (int i : {2, 3}) {
           uint8_t* p = Sprite[i].Object->Lock();
           p[Sprite[i].Object->PitchBytes() * 5 + 1200] = 0x55;
           Sprite[i].Object->Unlock();
         }
       }},
      {"through the open scope", [] { elFont::FontDC->SetPixel(630, 20, 0xFFFFFF); }},
      {"a layer onto the Font sprite", [] { elDraw::SpriteLayer(2, 600, 0, 1, 0, 0, 30, 30); }},
      {"a message elsewhere in between",
       [] { elFont::DrawAA(300, 200, 600, 260, Sjis("間").c_str(), 0); }},
  };
  Sprite[1].Object->Fill({0, 0, 30, 30}, 0x1234);
  for (const auto& [what, between] : ways)
    EXPECT_TRUE(message(between, false) == message(between, true)) << what;
}

// Whole messages through the fast filter against the plain loop: lines in
// one ink (counted), with a shadow or thickened in two colours (summed), on
// a background of noise, and one clipped by the virtual screen.
TEST_F(FontTest, AntialiasedMessagesMatchThePlainFilterLoop) {
  std::mt19937 rng(5);
  std::vector<uint16_t> noise(640 * 480);
  for (auto& v : noise) v = static_cast<uint16_t>(rng());
  const auto message = [&](uint16_t effect, uint32_t ink, uint32_t shade, bool reference) {
    std::memcpy(Back().Bytes().data(), noise.data(), noise.size() * 2);
    el::font::g_reference_filter = reference;
    elFont::BeginAA(0, 20);
    elFont::Color(ink, shade, 1);
    elFont::DrawAA(-30, 100, 600, 300, Sjis("影のある文字と、ない文字\nＡＢＣ").c_str(), effect);
    elFont::BeforeAA();
    el::font::g_reference_filter = false;
    return std::vector<uint8_t>(Back().Bytes().begin(), Back().Bytes().end());
  };
  const struct {
    uint16_t effect;
    uint32_t ink, shade;
  } cases[] = {{0, 0xFFFFFF, 0},
               {0, 0x3366CC, 0},
               {0x100, 0xFFFFFF, 0x202020},
               {0x100 | 3, 0x00FFFF, 0x0000FF},
               {0x600, 0xFF8000, 0}};
  for (const auto& c : cases)
    EXPECT_TRUE(message(c.effect, c.ink, c.shade, false) == message(c.effect, c.ink, c.shade, true))
        << "effect " << c.effect << " ink " << c.ink;
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
