// The drawing context's shapes on a 16-bit surface, rasterised by the window
// system's rules.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/gdi.h"
#include "platform/gdi/raster.h"

namespace {

using platform::Brush;
using platform::DrawingContext;
using platform::IntPoint;
using platform::Pen;
using platform::PixelFormat;
using platform::Surface;

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kBlue = 0xFF0000;
constexpr uint32_t kRedRaw = 0xF800;
constexpr uint32_t kBlueRaw = 0x001F;

// The surface as rows of characters: '.' for 0, '#' for `ink`, '+' for
// `other`, '?' for anything else.
std::vector<std::string> Picture(const Surface& s, uint32_t ink, uint32_t other = 0xFFFFFFFF) {
  std::vector<std::string> rows;
  for (int y = 0; y < s.Height(); ++y) {
    std::string row;
    for (int x = 0; x < s.Width(); ++x) {
      const uint32_t v = s.GetPixel(x, y);
      row += v == 0 ? '.' : v == ink ? '#' : v == other ? '+' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(GdiLines, OnePixelPenLeavesTheEndPointOut) {
  const struct {
    IntPoint from, to;
    std::vector<std::string> expected;
  } cases[] = {
      {{0, 0}, {5, 0}, {"#####.", "......", "......"}},
      {{5, 2}, {0, 2}, {"......", "......", ".#####"}},
      {{0, 0}, {4, 2}, {"#.....", ".##...", "...#.."}},
      {{1, 0}, {1, 3}, {".#....", ".#....", ".#...."}},
      {{2, 2}, {2, 2}, {"......", "......", "......"}},
  };
  for (const auto& c : cases) {
    Surface s(6, 3, PixelFormat::Rgb565());
    DrawingContext dc(s);
    dc.SelectPen({true, kRed, 1});
    dc.MoveTo(c.from.x, c.from.y);
    dc.LineTo(c.to.x, c.to.y);
    EXPECT_EQ(Picture(s, kRedRaw), c.expected) << c.from.x << "," << c.from.y;
  }
}

// A wide pen covers the pixels whose sample point (just below and right of
// the pixel's corner) lies within half the width of the segment: as many rows
// as the width, ends rounded, the top-left rule deciding the halves.
TEST(GdiLines, WidePensCoverTheirWidthWithRoundEnds) {
  Surface s(9, 7, PixelFormat::Rgb565());
  DrawingContext dc(s);
  dc.SelectPen({true, kRed, 3});
  dc.MoveTo(2, 3);
  dc.LineTo(6, 3);
  EXPECT_EQ(Picture(s, kRedRaw),
            (std::vector<std::string>{".........", ".........", ".#######.", ".#######.",
                                      ".#######.", ".........", "........."}));
  Surface t(6, 5, PixelFormat::Rgb565());
  DrawingContext dt(t);
  dt.SelectPen({true, kRed, 2});
  dt.MoveTo(1, 2);
  dt.LineTo(4, 2);
  EXPECT_EQ(Picture(t, kRedRaw),
            (std::vector<std::string>{"......", ".####.", "#####.", "......", "......"}));
}

TEST(GdiLines, HugeCoordinatesDrawOnlyWhatFallsOnTheSurface) {
  Surface s(4, 4, PixelFormat::Rgb565());
  DrawingContext dc(s);
  dc.SelectPen({true, kRed, 1});
  dc.MoveTo(-2000000000, 1);
  dc.LineTo(2000000000, 1);
  EXPECT_EQ(Picture(s, kRedRaw)[1], "####");
}

// Horizontal and vertical wide pens are drawn as a rectangle and two round
// ends: the same pixels as measuring every pixel, for every width, both
// directions, segments reaching off the surface and ones of one pixel.
TEST(GdiLines, AxisAlignedWidePensMatchTheMeasuredPixels) {
  std::mt19937 rng(3);
  for (int round = 0; round < 400; ++round) {
    const int width = 2 + round % 9;
    const IntPoint a{static_cast<int>(rng() % 40) - 8, static_cast<int>(rng() % 30) - 6};
    const int length = static_cast<int>(rng() % 50) - 25;
    const IntPoint b = round % 2 == 0 ? IntPoint{a.x + length, a.y} : IntPoint{a.x, a.y + length};
    Surface fast(24, 17, PixelFormat::Rgb565()), reference(24, 17, PixelFormat::Rgb565());
    const Pen pen{true, kRed, width};
    DrawingContext dc(fast);
    dc.SelectPen(pen);
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    platform::gdi::ReferenceWideSegment(reference, pen, a, b);
    ASSERT_EQ(Picture(fast, kRedRaw), Picture(reference, kRedRaw))
        << "width " << width << " from " << a.x << "," << a.y << " to " << b.x << "," << b.y;
  }
}

TEST(GdiRectangles, PenFramesTheRectangleAndTheBrushFillsInside) {
  Surface s(6, 5, PixelFormat::Rgb565());
  DrawingContext dc(s);
  dc.SelectPen({true, kRed, 1});
  dc.SelectBrush({Brush::Style::kSolid, kBlue});
  dc.Rectangle(1, 0, 5, 4);
  EXPECT_EQ(Picture(s, kRedRaw, kBlueRaw),
            (std::vector<std::string>{".####.", ".#++#.", ".#++#.", ".####.", "......"}));
}

// A solid rectangle is filled as one rectangle: the pixels the polygon fill
// of its corners gives, on the surface, across its edges and degenerate.
TEST(GdiRectangles, SolidBrushFillsWhatThePolygonOfTheCornersFills) {
  std::mt19937 rng(9);
  for (int round = 0; round < 300; ++round) {
    const int left = static_cast<int>(rng() % 40) - 10, top = static_cast<int>(rng() % 30) - 8;
    const int right = left + static_cast<int>(rng() % 30),
              bottom = top + static_cast<int>(rng() % 20);
    Surface fast(24, 17, PixelFormat::Rgb565()), polygon(24, 17, PixelFormat::Rgb565());
    DrawingContext dc(fast);
    dc.SelectPen({false, 0, 1});
    dc.SelectBrush({Brush::Style::kSolid, kBlue});
    dc.Rectangle(left, top, right, bottom);
    const IntPoint corners[4] = {
        {left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
    platform::gdi::FillPolygon(polygon, {Brush::Style::kSolid, kBlue}, 0, false, corners);
    ASSERT_EQ(Picture(fast, kBlueRaw), Picture(polygon, kBlueRaw))
        << left << "," << top << " - " << right << "," << bottom;
  }
}

TEST(GdiRectangles, WithoutPenTheFilledAreaIsOnePixelSmaller) {
  Surface s(6, 5, PixelFormat::Rgb565());
  DrawingContext dc(s);
  dc.SelectPen({false, 0, 1});
  dc.SelectBrush({Brush::Style::kSolid, kBlue});
  dc.Rectangle(5, 4, 1, 0);  // corners in either order
  EXPECT_EQ(Picture(s, kBlueRaw),
            (std::vector<std::string>{".###..", ".###..", ".###..", "......", "......"}));
}

TEST(GdiPolygons, DiagonalCrossHatchIsAlignedToTheSurfaceOrigin) {
  for (const bool opaque : {true, false}) {
    Surface s(8, 8, PixelFormat::Rgb565());
    DrawingContext dc(s);
    dc.SelectPen({false, 0, 1});
    dc.SelectBrush({Brush::Style::kDiagonalCross, kRed});
    dc.SetBkColor(kBlue);
    dc.SetBkMode(opaque ? platform::BackgroundMode::kOpaque
                        : platform::BackgroundMode::kTransparent);
    const IntPoint square[] = {{0, 0}, {8, 0}, {8, 8}, {0, 8}};
    dc.Polygon(square);
    const char gap = opaque ? '+' : '.';
    std::vector<std::string> expected = {"#......#", ".#....#.", "..#..#..", "...##...",
                                         "...##...", "..#..#..", ".#....#.", "#......#"};
    for (auto& row : expected)
      for (char& c : row)
        if (c == '.') c = gap;
    EXPECT_EQ(Picture(s, kRedRaw, kBlueRaw), expected) << (opaque ? "opaque" : "transparent");
  }
}

TEST(GdiPolygons, FillLeavesRightAndBottomEdgesToThePen) {
  Surface s(6, 6, PixelFormat::Rgb565());
  DrawingContext dc(s);
  dc.SelectPen({true, kRed, 1});
  dc.SelectBrush({Brush::Style::kSolid, kBlue});
  const IntPoint triangle[] = {{0, 0}, {4, 0}, {0, 4}};
  dc.Polygon(triangle);
  EXPECT_EQ(Picture(s, kRedRaw, kBlueRaw),
            (std::vector<std::string>{"#####.", "#++#..", "#+#...", "##....", "#.....", "......"}));
}

TEST(GdiCurves, StraightControlPointsDrawTheLineAndCountsMustFit) {
  Surface s(8, 2, PixelFormat::Rgb565());
  DrawingContext dc(s);
  dc.SelectPen({true, kRed, 1});
  const IntPoint curve[] = {{0, 0}, {2, 0}, {4, 0}, {6, 0}};
  dc.PolyBezier(std::span(curve, 3));  // not 1 + 3k points: nothing
  EXPECT_EQ(Picture(s, kRedRaw)[0], "........");
  dc.PolyBezier(curve);
  EXPECT_EQ(Picture(s, kRedRaw)[0], "######..");
}

TEST(GdiPixels, ConvertColoursInvertAndAnswerOffTheSurface) {
  Surface s(3, 1, PixelFormat::Rgb565());
  DrawingContext dc(s);
  dc.SetPixel(0, 0, 0x563412);
  EXPECT_EQ(s.GetPixel(0, 0), 0x11AAu);
  EXPECT_EQ(dc.GetPixel(0, 0), 0x503410u);
  EXPECT_EQ(dc.GetPixel(3, 0), 0xFFFFFFFFu);
  dc.InvertRect({-5, -5, 2, 5});
  EXPECT_EQ(s.GetPixel(0, 0), 0xEE55u);
  EXPECT_EQ(s.GetPixel(1, 0), 0xFFFFu);
  EXPECT_EQ(s.GetPixel(2, 0), 0u);
}

TEST(GdiPixels, ContextOnALostSurfaceDrawsNothing) {
  Surface s(2, 2, PixelFormat::Rgb565());
  platform::MarkAllSurfacesLost();
  DrawingContext dc(s);
  EXPECT_FALSE(dc.Valid());
  dc.SetPixel(0, 0, 0xFFFFFF);
  s.Restore();
  EXPECT_EQ(s.GetPixel(0, 0), 0u);
}

}  // namespace
