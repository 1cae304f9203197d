// One line of text on a surface: where the ink lands, in which colour, the
// opaque cells, underline, escapement, clipping and replacement marks.
#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "platform/font.h"
#include "platform/gdi.h"
#include "tests/support/ink.h"
#include "tests/support/support.h"

namespace {

using platform::PixelFormat;
using platform::Rect;
using test_support::Sjis;

platform::FontDescription Gothic(int height) {
  return {.face_sjis = Sjis("標準ゴシック"), .height = height, .weight = 400, .charset = 128};
}

struct Canvas {
  explicit Canvas(PixelFormat format, const platform::FontDescription& description = Gothic(16))
      : font(description), surface(200, 100, format), dc(surface) {
    dc.SelectFont(&font);
    dc.SetBkMode(platform::BackgroundMode::kTransparent);
  }
  uint32_t Raw(uint32_t color_ref) const {
    return platform::ColorRefToPixel(surface.Format(), color_ref);
  }
  platform::Font font;
  platform::Surface surface;
  platform::DrawingContext dc;
};

TEST(TextDraw, InkLandsInsideTheCellsInTheTextColourOnly) {
  for (const PixelFormat format :
       {PixelFormat::Rgb565(), PixelFormat::Rgb555(), PixelFormat::Xrgb8888()}) {
    Canvas c(format);
    c.dc.SetTextColor(0x40C0FF);
    const std::string text = Sjis("テキストAbc");
    c.dc.TextOut(30, 20, text);
    const platform::Size extent = c.dc.GetTextExtent(text);
    EXPECT_EQ(extent.cx, 4 * 16 + 3 * 8);
    const Rect cells{30, 20, 30 + extent.cx, 20 + extent.cy};
    const Rect ink = test_support::InkBox(c.surface, 0);
    EXPECT_GE(ink.left, cells.left);
    EXPECT_GE(ink.top, cells.top);
    EXPECT_LE(ink.right, cells.right);
    EXPECT_LE(ink.bottom, cells.bottom);
    EXPECT_GT(ink.Width(), extent.cx - 6);
    const int text_pixels = test_support::CountPixels(c.surface, c.Raw(0x40C0FF));
    EXPECT_GT(text_pixels, 100);
    EXPECT_EQ(text_pixels + test_support::CountPixels(c.surface, 0), 200 * 100);
  }
}

TEST(TextDraw, OpaqueBackgroundFillsExactlyTheCells) {
  Canvas c(PixelFormat::Rgb565());
  c.dc.SetTextColor(0xFFFFFF);
  c.dc.SetBkColor(0x800000);
  c.dc.SetBkMode(platform::BackgroundMode::kOpaque);
  c.dc.TextOut(5, 7, Sjis("背景"));
  const Rect cells{5, 7, 37, 23};
  EXPECT_EQ(test_support::InkBox(c.surface, 0), cells);
  EXPECT_EQ(test_support::CountPixels(c.surface, c.Raw(0x800000), cells) +
                test_support::CountPixels(c.surface, c.Raw(0xFFFFFF), cells),
            32 * 16);
}

TEST(TextDraw, BoldTextIsWiderThanRegular) {
  Canvas regular(PixelFormat::Rgb565(), Gothic(20));
  platform::FontDescription bold_description = Gothic(20);
  bold_description.weight = 700;
  Canvas bold(PixelFormat::Rgb565(), bold_description);
  const std::string text = Sjis("太字abc");
  EXPECT_GT(bold.dc.GetTextExtent(text).cx, regular.dc.GetTextExtent(text).cx);
  regular.dc.SetTextColor(0xFFFFFF);
  bold.dc.SetTextColor(0xFFFFFF);
  regular.dc.TextOut(0, 0, text);
  bold.dc.TextOut(0, 0, text);
  EXPECT_GT(test_support::CountPixels(bold.surface, 0xFFFF),
            test_support::CountPixels(regular.surface, 0xFFFF) * 5 / 4);
}

TEST(TextDraw, UnderlineRunsUnderTheWholeText) {
  platform::FontDescription d = Gothic(16);
  d.underline = true;
  Canvas c(PixelFormat::Rgb565(), d);
  c.dc.SetTextColor(0xFFFFFF);
  c.dc.TextOut(10, 10, "a b");
  const platform::FontMetrics& m = c.font.Metrics();
  const int row = 10 + m.ascent_px + m.underline_offset_px;
  EXPECT_EQ(test_support::CountPixels(c.surface, 0xFFFF, {10, row, 34, row + 1}), 24);
  EXPECT_EQ(test_support::CountPixels(c.surface, 0xFFFF, {34, row, 200, row + 1}), 0);
}

TEST(TextDraw, EscapementTurnsTheLineCounterClockwise) {
  platform::FontDescription d = Gothic(16);
  d.escapement = 900;
  Canvas c(PixelFormat::Rgb565(), d);
  c.dc.SetTextColor(0xFFFFFF);
  c.dc.TextOut(50, 90, Sjis("縦書き文字"));  // 80 pixels upwards from (50, 90)
  const Rect ink = test_support::InkBox(c.surface, 0);
  EXPECT_GE(ink.left, 50);
  EXPECT_LE(ink.right, 50 + 17);
  EXPECT_GE(ink.top, 90 - 81);
  EXPECT_LE(ink.bottom, 91);
  EXPECT_GT(ink.Height(), 70);
}

TEST(TextDraw, TextAcrossTheEdgesIsClipped) {
  Canvas c(PixelFormat::Rgb565(), Gothic(32));
  c.dc.SetTextColor(0xFFFFFF);
  c.dc.SetBkMode(platform::BackgroundMode::kOpaque);
  c.dc.SetBkColor(0x00FF00);
  c.dc.TextOut(-20, -20, Sjis("端"));
  c.dc.TextOut(180, 90, Sjis("端"));
  c.dc.TextOut(100000, -100000, Sjis("端"));
  EXPECT_EQ(test_support::InkBox(c.surface, 0, {0, 0, 100, 50}), (Rect{0, 0, 12, 12}));
  EXPECT_EQ(test_support::InkBox(c.surface, 0, {100, 50, 200, 100}), (Rect{180, 90, 200, 100}));
}

// A layout may put text anywhere in the int range: opaque cells, underline
// and turned lines there draw nothing and overflow nothing (the sanitizer
// builds check the arithmetic), and text back on the surface still draws.
TEST(TextDraw, TextAtTheEndsOfTheIntRangeDrawsNothingAndOverflowsNothing) {
  for (const int escapement : {0, 450, 900}) {
    platform::FontDescription d = Gothic(32);
    d.underline = true;
    d.escapement = escapement;
    Canvas c(PixelFormat::Rgb565(), d);
    c.dc.SetTextColor(0xFFFFFF);
    c.dc.SetBkMode(platform::BackgroundMode::kOpaque);
    c.dc.SetBkColor(0x00FF00);
    const int kMax = std::numeric_limits<int>::max();
    const int kMin = std::numeric_limits<int>::min();
    for (const auto& [x, y] : {std::pair{kMax, 10},
                               {10, kMax},
                               {kMin, 10},
                               {10, kMin},
                               {kMax, kMax},
                               {kMax - 40, kMin + 40}})
      c.dc.TextOut(x, y, Sjis("端から端まで"));
    EXPECT_EQ(test_support::InkBox(c.surface, 0), (Rect{})) << escapement;
    c.dc.TextOut(20, 60, Sjis("端"));
    EXPECT_FALSE(test_support::InkBox(c.surface, 0).Empty()) << escapement;
  }
}

TEST(TextDraw, BrokenShiftJisDrawsAVisibleReplacement) {
  Canvas end(PixelFormat::Rgb565());
  Canvas pair(PixelFormat::Rgb565());
  end.dc.SetTextColor(0xFFFFFF);
  pair.dc.SetTextColor(0xFFFFFF);
  // A lead byte as the last byte, and a pair that code page 932 leaves empty.
  const std::string lone_lead("A\x82", 2);
  const std::string unmapped("A\x85\x40", 3);
  end.dc.TextOut(0, 0, lone_lead);
  pair.dc.TextOut(0, 0, unmapped);
  EXPECT_GT(test_support::CountPixels(end.surface, 0xFFFF, {8, 0, 40, 16}), 8);
  EXPECT_EQ(end.surface.Bytes().size(), pair.surface.Bytes().size());
  EXPECT_TRUE(std::equal(end.surface.Bytes().begin(), end.surface.Bytes().end(),
                         pair.surface.Bytes().begin()));
  EXPECT_EQ(end.dc.GetTextExtent(lone_lead).cx, pair.dc.GetTextExtent(unmapped).cx);
}

TEST(TextDraw, WithoutASelectedFontTheDefaultFontDraws) {
  platform::Surface surface(100, 40, PixelFormat::Rgb565());
  platform::DrawingContext dc(surface);
  dc.SetTextColor(0xFFFFFF);
  dc.SetBkMode(platform::BackgroundMode::kTransparent);
  dc.TextOut(0, 0, Sjis("既定"));
  EXPECT_EQ(dc.GetTextExtent(Sjis("既定")).cy, 16);
  EXPECT_GT(test_support::CountPixels(surface, 0xFFFF), 20);
}

TEST(TextDraw, ALostSurfaceGetsNoText) {
  platform::Surface surface(40, 20, PixelFormat::Rgb565());
  platform::MarkAllSurfacesLost();
  {
    platform::DrawingContext dc(surface);
    dc.SetTextColor(0xFFFFFF);
    dc.TextOut(0, 0, "lost");
    EXPECT_FALSE(dc.Valid());
  }
  surface.Restore();
  EXPECT_EQ(test_support::CountPixels(surface, 0), 40 * 20);
}

}  // namespace

namespace {

// 16-bit glyph rows are laid eight pixels at a time; 32-bit ones pixel by
// pixel. On a noisy background both must change the same pixels, clipped at
// every edge, and the bounds TextOut reports must hold every changed pixel.
TEST(TextDraw, GlyphRowsOfEveryPixelSizeInkTheSamePixelsWithinTheReportedBounds) {
  const std::string text = Sjis("永遠の夜Ag、字");
  for (const platform::IntPoint at : {platform::IntPoint{3, 10}, {-9, -7}, {150, 80}, {60, 40}}) {
    Canvas wide(PixelFormat::Xrgb8888(), Gothic(37)), narrow(PixelFormat::Rgb565(), Gothic(37));
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 200; ++x) {
        const uint32_t noise = static_cast<uint32_t>(x * 7 + y * 13) % 5 + 1;
        wide.surface.SetPixel(x, y, noise);
        narrow.surface.SetPixel(x, y, noise);
      }
    wide.dc.SetTextColor(0xFFFFFF);
    narrow.dc.SetTextColor(0xFFFFFF);
    wide.dc.TextOut(at.x, at.y, text);
    narrow.dc.TextOut(at.x, at.y, text);
    const Rect bounds = narrow.dc.LastTextBounds();
    EXPECT_EQ(bounds, wide.dc.LastTextBounds());
    int inked = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 200; ++x) {
        const bool wide_ink = wide.surface.GetPixel(x, y) == 0xFFFFFF;
        ASSERT_EQ(wide_ink, narrow.surface.GetPixel(x, y) == 0xFFFF) << x << "," << y;
        if (!wide_ink) continue;
        ++inked;
        ASSERT_TRUE(x >= bounds.left && x < bounds.right && y >= bounds.top && y < bounds.bottom);
      }
    EXPECT_GT(inked, 0);
  }
}

}  // namespace
