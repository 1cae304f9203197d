// Rasterising helpers shared by the drawing context's shape members. Points
// are pixel coordinates; pixel (x, y) is lit by a shape when the point just
// below and right of (x, y) lies inside it, which gives the window system's
// rule that left and top edges are drawn and right and bottom edges are not.
#pragma once

#include <span>

#include "platform/gdi.h"

namespace platform::gdi {

// Draws the segment from `a` to `b` with `pen`: a one-pixel pen lights the
// line's pixels without the end point; a wider pen covers every pixel within
// half its width of the segment (round ends and joins).
void StrokeSegment(Surface& target, const Pen& pen, IntPoint a, IntPoint b);

// The plain loop that defines a wide pen's pixels (every pixel near the
// segment measured against it); StrokeSegment draws the same pixels faster.
void ReferenceWideSegment(Surface& target, const Pen& pen, IntPoint a, IntPoint b);

// Draws the open polyline through `points` (each segment as StrokeSegment).
void StrokePolyline(Surface& target, const Pen& pen, std::span<const IntPoint> points);

// Fills the polygon (alternate rule) with the brush; hatch gaps take
// `bk_color` when `opaque_background`, else keep what was there.
void FillPolygon(Surface& target, const Brush& brush, uint32_t bk_color, bool opaque_background,
                 std::span<const IntPoint> points);

// Points along the cubic curves of a poly-Bézier (1 + 3k points), flattened
// into short straight pieces; the first and last points are the curve's ends.
std::vector<IntPoint> FlattenBeziers(std::span<const IntPoint> points);

}  // namespace platform::gdi
