// Brushes: polygons filled scanline by scanline with the alternate rule,
// solid or with the diagonal-cross hatch aligned to the surface's origin.
#include <algorithm>
#include <cmath>

#include "platform/gdi/raster.h"

namespace platform::gdi {
namespace {

constexpr double kSampleOffset = 1.0 / 1024.0;

// The diagonal-cross hatch, one byte per row, the leftmost pixel in bit 7.
constexpr uint8_t kDiagonalCross[8] = {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};

bool HatchBit(int x, int y) {
  return (kDiagonalCross[y & 7] >> (7 - (x & 7))) & 1;
}

struct Painter {
  Surface& target;
  const Brush& brush;
  uint32_t brush_raw;
  uint32_t bk_raw;
  bool opaque_background;

  void Span(int y, int x0, int x1) const {
    x0 = std::max(x0, 0);
    x1 = std::min(x1, target.Width() - 1);
    if (brush.style == Brush::Style::kSolid) {
      target.Fill({x0, y, x1 + 1, y + 1}, brush_raw);
      return;
    }
    for (int x = x0; x <= x1; ++x) {
      if (HatchBit(x, y))
        target.SetPixel(x, y, brush_raw);
      else if (opaque_background)
        target.SetPixel(x, y, bk_raw);
    }
  }
};

// Where the scanline through y crosses the polygon's edges, sorted, into
// `xs` (kept from row to row, so that rows do not allocate).
void Crossings(std::span<const IntPoint> points, double y, std::vector<double>& xs) {
  xs.clear();
  for (size_t i = 0; i < points.size(); ++i) {
    const IntPoint a = points[i];
    const IntPoint b = points[(i + 1) % points.size()];
    if ((a.y <= y) == (b.y <= y)) continue;
    xs.push_back(a.x + (y - a.y) * static_cast<double>(b.x - a.x) / (b.y - a.y));
  }
  std::sort(xs.begin(), xs.end());
}

}  // namespace

void FillPolygon(Surface& target, const Brush& brush, uint32_t bk_color, bool opaque_background,
                 std::span<const IntPoint> points) {
  if (brush.style == Brush::Style::kNull || points.size() < 3) return;
  const Painter painter{target, brush, ColorRefToPixel(target.Format(), brush.color),
                        ColorRefToPixel(target.Format(), bk_color), opaque_background};
  int top = points[0].y, bottom = points[0].y;
  for (const IntPoint& p : points) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
  top = std::max(top, 0);
  bottom = std::min(bottom, target.Height() - 1);
  std::vector<double> xs;
  for (int y = top; y <= bottom; ++y) {
    Crossings(points, y + kSampleOffset, xs);
    for (size_t i = 0; i + 1 < xs.size(); i += 2) {
      const double first = std::ceil(xs[i] - kSampleOffset);
      const double last = std::floor(xs[i + 1] - kSampleOffset);
      if (last < 0 || first >= target.Width() || first > last) continue;
      painter.Span(y, static_cast<int>(std::max(first, 0.0)),
                   static_cast<int>(std::min<double>(last, target.Width() - 1)));
    }
  }
}

}  // namespace platform::gdi

namespace platform {

void DrawingContext::Rectangle(int left, int top, int right, int bottom) {
  if (!valid_) return;
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  // The brush covers the inside of the path whose corners are (left, top) and
  // (right - 1, bottom - 1); the pen is drawn along that path.
  const IntPoint corners[5] = {
      {left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}, {left, top}};
  // A solid brush fills what the polygon's rows come to: the pixels between
  // the corners' columns and rows (a rectangle of no width or height still
  // has corners one pixel apart).
  if (brush_.style == Brush::Style::kSolid)
    target_.Fill({std::min(left, right - 1), std::min(top, bottom - 1), std::max(left, right - 1),
                  std::max(top, bottom - 1)},
                 ColorRefToPixel(target_.Format(), brush_.color));
  else
    gdi::FillPolygon(target_, brush_, bk_color_, bk_mode_ == BackgroundMode::kOpaque,
                     std::span(corners, 4));
  if (right - left >= 2 && bottom - top >= 2) gdi::StrokePolyline(target_, pen_, corners);
}

void DrawingContext::Polygon(std::span<const IntPoint> points) {
  if (!valid_ || points.size() < 2) return;
  gdi::FillPolygon(target_, brush_, bk_color_, bk_mode_ == BackgroundMode::kOpaque, points);
  std::vector<IntPoint> closed(points.begin(), points.end());
  closed.push_back(points.front());
  gdi::StrokePolyline(target_, pen_, closed);
}

}  // namespace platform
