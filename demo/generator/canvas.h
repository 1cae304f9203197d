// Painting with shapes given by signed distance (negative inside, in pixels),
// so that edges can be soft (anti-aliased by coverage) or hard (for pictures
// whose white is transparent, where a blended edge would leave a pale fringe).
#pragma once

#include <functional>
#include <vector>

#include "demo/generator/image.h"

namespace demo {

struct Point {
  float x = 0;
  float y = 0;
};

struct Shape {
  std::function<float(float x, float y)> distance;
  // Bounding box; painting looks at no pixel outside it.
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

Shape Rect(float x, float y, float w, float h);
Shape RoundRect(float x, float y, float w, float h, float radius);
Shape Circle(float cx, float cy, float r);
Shape Ellipse(float cx, float cy, float rx, float ry);
// A stroke from a to b with round ends.
Shape Segment(Point a, Point b, float half_width);
Shape Polygon(std::vector<Point> points);
Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
// `a` without `b`.
Shape Subtract(Shape a, Shape b);
// The ring of width 2 * half_width along the outline of `s`.
Shape Outline(Shape s, float half_width);
// `s` grown outward by `amount` pixels (shrunk when negative).
Shape Offset(Shape s, float amount);

// The colour of a point.
using Paint = std::function<Rgb(float x, float y)>;

Paint Solid(Rgb c);
// From c0 at y0 to c1 at y1, clamped outside.
Paint VerticalGradient(Rgb c0, float y0, Rgb c1, float y1);
Paint HorizontalGradient(Rgb c0, float x0, Rgb c1, float x1);
// c0 at the centre to c1 at radius r.
Paint RadialGradient(Rgb c0, Rgb c1, float cx, float cy, float r);
// Soft light on a rounded body: the ellipse (cx, cy, rx, ry) lit from the
// upper left, `base` at mid tone, darker away from the light.
Paint Rounded(Rgb base, float cx, float cy, float rx, float ry);

enum class Edge { kSoft, kHard };

void Fill(Image& image, const Shape& shape, const Paint& paint, Edge edge = Edge::kSoft,
          float opacity = 1.0f);
void FillAll(Image& image, const Paint& paint);
// Fills everything below the curve y = top(x) (a horizon, a ridge), with an
// anti-aliased upper edge.
void FillBelow(Image& image, const std::function<float(float x)>& top, const Paint& paint);
// Adds light around (cx, cy), fading with the square of the distance.
void Glow(Image& image, float cx, float cy, float radius, Rgb colour, float strength);

}  // namespace demo
