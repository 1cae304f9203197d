// The drawing-context primitives on the back surface: each opens a context,
// selects the pen and brush it needs, draws and gives the context back.
// Nothing here is clipped by the virtual screen.
#include <vector>

#include "engine/draw/internal/draw.h"
#include "platform/gdi.h"

namespace {

std::unique_ptr<platform::DrawingContext>& HeldContext() {
  static std::unique_ptr<platform::DrawingContext> context;
  return context;
}

// Runs `draw` on a fresh context of the back surface, when there is one.
template <typename Draw>
void WithBackContext(Draw&& draw) {
  if (!DDBack) return;
  platform::DrawingContext dc(*DDBack);
  if (dc.Valid()) draw(dc);
}

platform::Pen SolidPen(uint32_t color, int width) {
  return {true, color & 0xFFFFFF, width};
}

std::vector<platform::IntPoint> Points(const POINT* points, int count) {
  std::vector<platform::IntPoint> out;
  if (points == nullptr || count <= 0) return out;
  out.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) out.push_back({points[i].x, points[i].y});
  return out;
}

}  // namespace

void elDraw::GetDC() {
  if (!DDBack || HeldContext()) return;
  HeldContext() = std::make_unique<platform::DrawingContext>(*DDBack);
  hdc = HeldContext().get();
}

void elDraw::ReleaseDC() {
  HeldContext().reset();
  hdc = nullptr;
}

void elDraw::GetColor(int x, int y, int* Red, int* Green, int* Blue) {
  uint32_t color = 0xFFFFFFFF;  // what a pixel read answers off the surface
  WithBackContext([&](platform::DrawingContext& dc) { color = dc.GetPixel(x, y); });
  if (Red) *Red = static_cast<int>(color & 0xFF);
  if (Green) *Green = static_cast<int>((color >> 8) & 0xFF);
  if (Blue) *Blue = static_cast<int>((color >> 16) & 0xFF);
}

void elDraw::Pixel(int Px, int Py, uint32_t Color) {
  WithBackContext([&](platform::DrawingContext& dc) { dc.SetPixel(Px, Py, Color); });
}

void elDraw::Line(int X1, int Y1, int X2, int Y2, uint32_t Color, int Size) {
  WithBackContext([&](platform::DrawingContext& dc) {
    dc.SelectPen(SolidPen(Color, Size));
    dc.MoveTo(X1, Y1);
    dc.LineTo(X2, Y2);
  });
}

void elDraw::Box(int X1, int Y1, int X2, int Y2, uint32_t Color1, uint32_t Color2, int Size) {
  WithBackContext([&](platform::DrawingContext& dc) {
    dc.SelectPen(SolidPen(Color2, Size));
    dc.SelectBrush({platform::Brush::Style::kSolid, Color1 & 0xFFFFFF});
    dc.Rectangle(X1, Y1, X2, Y2);
  });
}

void elDraw::Bezier(const POINT* Point, int Count, uint32_t Color, int Size) {
  const auto points = Points(Point, Count);
  WithBackContext([&](platform::DrawingContext& dc) {
    dc.SelectPen(SolidPen(Color, Size));
    dc.PolyBezier(points);
  });
}

void elDraw::FillPattern(const POINT* Point, int Count, uint32_t FrontColor, uint32_t BackColor,
                         int PenSize, int DrawFlag) {
  const auto points = Points(Point, Count);
  WithBackContext([&](platform::DrawingContext& dc) {
    dc.SelectPen(SolidPen(FrontColor, PenSize));
    if (DrawFlag == 1 || DrawFlag == 2) {
      dc.SelectBrush({platform::Brush::Style::kDiagonalCross, FrontColor & 0xFFFFFF});
      dc.SetBkColor(BackColor);
      dc.SetBkMode(DrawFlag == 1 ? platform::BackgroundMode::kOpaque
                                 : platform::BackgroundMode::kTransparent);
    } else {
      dc.SelectBrush({platform::Brush::Style::kNull, 0});
    }
    dc.Polygon(points);
  });
}

void elDraw::Reverse(int X1, int Y1, int X2, int Y2) {
  WithBackContext([&](platform::DrawingContext& dc) { dc.InvertRect({X1, Y1, X2, Y2}); });
}
