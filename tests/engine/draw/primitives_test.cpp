// The drawing-context primitives on the back surface.
#include "platform/gdi.h"
#include "tests/engine/draw_fixture.h"

namespace {

using test_support::DisplayTest;

class DrawPrimitives : public DisplayTest {};

TEST_F(DrawPrimitives, BoxFillsAndOutlinesIgnoringTheVirtualScreen) {
  elDraw::VirtualScreen(100, 100, 200, 200);
  elDraw::Box(10, 10, 20, 16, 0xFF0000, 0x0000FF, 1);
  EXPECT_EQ(Back(10, 10), 0xF800u);  // outline red
  EXPECT_EQ(Back(19, 15), 0xF800u);
  EXPECT_EQ(Back(11, 11), 0x001Fu);  // fill blue
  EXPECT_EQ(Back(18, 14), 0x001Fu);
  EXPECT_EQ(Back(20, 10), 0u);
  EXPECT_EQ(Back(10, 16), 0u);
  elDraw::Box(30, 30, 40, 40, 0x00FF00, 0xFFFFFF, 3);
  EXPECT_EQ(Back(29, 35), 0xFFFFu);  // a wide pen straddles the edge
  EXPECT_EQ(Back(35, 35), 0x07E0u);
}

TEST_F(DrawPrimitives, LinePixelAndGetColorUseColourReferences) {
  elDraw::Line(0, 5, 4, 5, 0x00FF00, 1);
  EXPECT_EQ(Back(3, 5), 0x07E0u);
  EXPECT_EQ(Back(4, 5), 0u);  // the end point is not drawn
  elDraw::Pixel(7, 7, 0x204080);
  int r = -1, g = -1, b = -1;
  elDraw::GetColor(7, 7, &r, &g, &b);
  EXPECT_EQ(r, 0x80);
  EXPECT_EQ(g, 0x40);
  EXPECT_EQ(b, 0x20);
  elDraw::GetColor(700, 7, &r, &g, &b);  // off the surface: the invalid colour
  EXPECT_EQ(r, 255);
  EXPECT_EQ(b, 255);
}

TEST_F(DrawPrimitives, FillPatternHollowHatchedOpaqueOrTransparent) {
  const POINT square[] = {{0, 0}, {16, 0}, {16, 16}, {0, 16}};
  for (int flag : {0, 1, 2}) {
    elDraw::ColorFill(0, 0, 640, 480, 0x1111);
    elDraw::FillPattern(square, 4, 0x0000FF, 0xFF0000, 1, flag);
    EXPECT_EQ(Back(0, 0), 0xF800u) << flag;                         // outline
    EXPECT_EQ(Back(9, 9), flag == 0 ? 0x1111u : 0xF800u) << flag;   // on the hatch
    EXPECT_EQ(Back(10, 9), flag == 1 ? 0x001Fu : 0x1111u) << flag;  // between its lines
  }
  elDraw::FillPattern(nullptr, 4, 0, 0, 1, 1);
  elDraw::FillPattern(square, -3, 0, 0, 1, 1);
}

TEST_F(DrawPrimitives, BezierNeedsOnePlusThreeKPoints) {
  const POINT points[] = {{10, 10}, {12, 10}, {14, 10}, {16, 10}, {18, 10}, {20, 10}, {22, 10}};
  elDraw::Bezier(points, 3, 0xFFFFFF, 1);
  EXPECT_EQ(Back(11, 10), 0u);
  elDraw::Bezier(points, 7, 0xFFFFFF, 1);
  EXPECT_EQ(Back(10, 10), 0xFFFFu);
  EXPECT_EQ(Back(21, 10), 0xFFFFu);
  EXPECT_EQ(Back(22, 10), 0u);
}

TEST_F(DrawPrimitives, ReverseInvertsTheRectangle) {
  elDraw::ColorFill(0, 0, 4, 4, 0x1234);
  elDraw::Reverse(1, 1, 3, 3);
  EXPECT_EQ(Back(1, 1), 0xEDCBu);
  EXPECT_EQ(Back(0, 0), 0x1234u);
  EXPECT_EQ(Back(3, 3), 0x1234u);
}

TEST_F(DrawPrimitives, HeldContextIsGivenBackAndSurvivesShutdown) {
  elDraw::GetDC();
  ASSERT_NE(hdc, nullptr);
  hdc->SetPixel(1, 1, 0xFFFFFF);
  elDraw::ReleaseDC();
  EXPECT_EQ(hdc, nullptr);
  EXPECT_EQ(Back(1, 1), 0xFFFFu);
  elDraw::GetDC();
  elDraw::DestroyObject();  // releases the context before the surface
  EXPECT_EQ(hdc, nullptr);
  EXPECT_EQ(DDBack, nullptr);
  elDraw::Box(0, 0, 5, 5, 0, 0, 1);  // no display: nothing happens
}

}  // namespace
