// Pens: one-pixel lines stepped along their major axis, wider pens as the set
// of pixels within half the pen width of the segment (horizontal and vertical
// ones as a rectangle and two round ends).
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/gdi/raster.h"

namespace platform::gdi {
namespace {

// The sample point of pixel (x, y) sits this far below and right of it.
constexpr double kSampleOffset = 1.0 / 1024.0;

// floor(numerator / denominator) for a positive denominator.
int64_t FloorDiv(int64_t numerator, int64_t denominator) {
  const int64_t q = numerator / denominator;
  return (numerator % denominator != 0 && numerator < 0) ? q - 1 : q;
}

// The offsets i (from 0 towards `delta`, `delta` itself excluded) whose
// coordinate start + i lies in [0, size): the part of a line worth stepping.
void ClipSteps(int64_t start, int64_t delta, int64_t size, int64_t* first, int64_t* last) {
  if (delta > 0) {
    *first = std::max<int64_t>(0, -start);
    *last = std::min<int64_t>(delta - 1, size - 1 - start);
  } else {
    *first = std::max<int64_t>(delta + 1, -start);
    *last = std::min<int64_t>(0, size - 1 - start);
  }
}

// Pixels of the line from a to b without b: along the major axis one pixel per
// step, the minor coordinate rounded to the nearest pixel (halves round up).
void ThinSegment(Surface& target, uint32_t raw, IntPoint a, IntPoint b) {
  const int64_t dx = b.x - static_cast<int64_t>(a.x);
  const int64_t dy = b.y - static_cast<int64_t>(a.y);
  if (dx == 0 && dy == 0) return;
  const bool x_major = std::llabs(dx) >= std::llabs(dy);
  const int64_t major = x_major ? dx : dy;
  const int64_t minor = x_major ? dy : dx;
  const int64_t sign = major > 0 ? 1 : -1;
  int64_t first = 0, last = 0;
  ClipSteps(x_major ? a.x : a.y, major, x_major ? target.Width() : target.Height(), &first, &last);
  for (int64_t i = first; i <= last; ++i) {
    const int64_t m = FloorDiv(2 * i * minor * sign + major * sign, 2 * major * sign);
    if (x_major)
      target.SetPixel(static_cast<int>(a.x + i), static_cast<int>(a.y + m), raw);
    else
      target.SetPixel(static_cast<int>(a.x + m), static_cast<int>(a.y + i), raw);
  }
}

double DistanceToSegment(double px, double py, IntPoint a, IntPoint b) {
  const double vx = b.x - a.x;
  const double vy = b.y - a.y;
  const double length2 = vx * vx + vy * vy;
  double t = length2 > 0 ? ((px - a.x) * vx + (py - a.y) * vy) / length2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - (a.x + t * vx), py - (a.y + t * vy));
}

// The pixels a wide pen may reach around a segment, kept inside the target.
struct Reach {
  int left, top, right, bottom;  // inclusive
};

Reach ReachOf(const Surface& target, int width, IntPoint a, IntPoint b) {
  const int reach = width / 2 + 1;
  return {std::max(std::min(a.x, b.x) - reach, 0), std::max(std::min(a.y, b.y) - reach, 0),
          std::min(std::max(a.x, b.x) + reach, target.Width() - 1),
          std::min(std::max(a.y, b.y) + reach, target.Height() - 1)};
}

void PixelsWithin(Surface& target, uint32_t raw, double radius, IntPoint a, IntPoint b,
                  const Reach& r) {
  for (int y = r.top; y <= r.bottom; ++y)
    for (int x = r.left; x <= r.right; ++x)
      if (DistanceToSegment(x + kSampleOffset, y + kSampleOffset, a, b) <= radius)
        target.SetPixel(x, y, raw);
}

// A horizontal or vertical segment: a pixel whose sample lies between the
// ends (along [lo, hi)) is as far from the segment as its sample is from
// the line, so those pixels form one rectangle; only the round ends are
// measured pixel by pixel. (The distance measured there differs from the
// offset across by far less than the 1/1024 that keeps every sample off
// the pen's edge, so both give the same pixels.)
void AxisSegment(Surface& target, uint32_t raw, double radius, IntPoint a, IntPoint b,
                 const Reach& r) {
  const bool horizontal = a.y == b.y;
  const int lo = horizontal ? std::min(a.x, b.x) : std::min(a.y, b.y);
  const int hi = horizontal ? std::max(a.x, b.x) : std::max(a.y, b.y);
  const int line = horizontal ? a.y : a.x;
  const int across_lo = horizontal ? r.top : r.left, across_hi = horizontal ? r.bottom : r.right;
  int first = across_hi + 1, last = across_lo - 1;
  for (int c = across_lo; c <= across_hi; ++c)
    if (std::abs(c + kSampleOffset - line) <= radius) first = std::min(first, c), last = c;
  const int along_lo = horizontal ? r.left : r.top, along_hi = horizontal ? r.right : r.bottom;
  const int from = std::max(lo, along_lo);
  const int to = static_cast<int>(std::min<int64_t>(int64_t{hi} - 1, along_hi));
  if (first <= last && from <= to)
    target.Fill(
        horizontal ? Rect{from, first, to + 1, last + 1} : Rect{first, from, last + 1, to + 1},
        raw);
  const auto end = [&](int along_first, int along_last) {
    if (along_first > along_last) return;
    PixelsWithin(target, raw, radius, a, b,
                 horizontal ? Reach{along_first, r.top, along_last, r.bottom}
                            : Reach{r.left, along_first, r.right, along_last});
  };
  end(along_lo, static_cast<int>(std::min<int64_t>(int64_t{lo} - 1, along_hi)));
  end(std::max(hi, along_lo), along_hi);
}

void WideSegment(Surface& target, uint32_t raw, int width, IntPoint a, IntPoint b) {
  const double radius = width / 2.0;
  const Reach reach = ReachOf(target, width, a, b);
  if ((a.x == b.x) != (a.y == b.y))
    AxisSegment(target, raw, radius, a, b, reach);
  else
    PixelsWithin(target, raw, radius, a, b, reach);
}

}  // namespace

void StrokeSegment(Surface& target, const Pen& pen, IntPoint a, IntPoint b) {
  if (!pen.visible) return;
  const uint32_t raw = ColorRefToPixel(target.Format(), pen.color);
  if (pen.width <= 1)
    ThinSegment(target, raw, a, b);
  else
    WideSegment(target, raw, pen.width, a, b);
}

void ReferenceWideSegment(Surface& target, const Pen& pen, IntPoint a, IntPoint b) {
  const uint32_t raw = ColorRefToPixel(target.Format(), pen.color);
  PixelsWithin(target, raw, pen.width / 2.0, a, b, ReachOf(target, pen.width, a, b));
}

void StrokePolyline(Surface& target, const Pen& pen, std::span<const IntPoint> points) {
  for (size_t i = 1; i < points.size(); ++i) StrokeSegment(target, pen, points[i - 1], points[i]);
}

std::vector<IntPoint> FlattenBeziers(std::span<const IntPoint> points) {
  std::vector<IntPoint> out;
  if (points.empty()) return out;
  out.push_back(points[0]);
  for (size_t i = 0; i + 3 < points.size(); i += 3) {
    const IntPoint p[4] = {points[i], points[i + 1], points[i + 2], points[i + 3]};
    double control_length = 0;
    for (int k = 0; k < 3; ++k)
      control_length += std::hypot(p[k + 1].x - p[k].x, p[k + 1].y - p[k].y);
    const int steps = std::clamp(static_cast<int>(control_length / 4), 1, 1024);
    for (int s = 1; s <= steps; ++s) {
      const double t = static_cast<double>(s) / steps;
      const double u = 1 - t;
      const double w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
      const IntPoint q{
          static_cast<int>(std::lround(w0 * p[0].x + w1 * p[1].x + w2 * p[2].x + w3 * p[3].x)),
          static_cast<int>(std::lround(w0 * p[0].y + w1 * p[1].y + w2 * p[2].y + w3 * p[3].y))};
      if (q.x != out.back().x || q.y != out.back().y) out.push_back(q);
    }
  }
  return out;
}

}  // namespace platform::gdi
