#include "demo/generator/canvas.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace demo {
namespace {

float Length(float x, float y) {
  return std::sqrt(x * x + y * y);
}

}  // namespace

Shape Rect(float x, float y, float w, float h) {
  return RoundRect(x, y, w, h, 0);
}

Shape RoundRect(float x, float y, float w, float h, float radius) {
  const float cx = x + w / 2, cy = y + h / 2;
  const float hx = w / 2 - radius, hy = h / 2 - radius;
  return {[=](float px, float py) {
            const float qx = std::abs(px - cx) - hx, qy = std::abs(py - cy) - hy;
            return Length(std::max(qx, 0.0f), std::max(qy, 0.0f)) +
                   std::min(std::max(qx, qy), 0.0f) - radius;
          },
          x - 1, y - 1, x + w + 1, y + h + 1};
}

Shape Circle(float cx, float cy, float r) {
  return {[=](float px, float py) { return Length(px - cx, py - cy) - r; }, cx - r - 1, cy - r - 1,
          cx + r + 1, cy + r + 1};
}

Shape Ellipse(float cx, float cy, float rx, float ry) {
  return {[=](float px, float py) {
            // First-order distance: the implicit value over its gradient.
            const float ux = (px - cx) / rx, uy = (py - cy) / ry;
            const float k = Length(ux, uy);
            const float g = Length(ux / rx, uy / ry);
            if (g < 1e-6f) return -std::min(rx, ry);
            return k * (k - 1) / g;
          },
          cx - rx - 1, cy - ry - 1, cx + rx + 1, cy + ry + 1};
}

Shape Segment(Point a, Point b, float half_width) {
  return {[=](float px, float py) {
            const float ex = b.x - a.x, ey = b.y - a.y;
            const float wx = px - a.x, wy = py - a.y;
            const float len2 = ex * ex + ey * ey;
            const float t = len2 > 0 ? std::clamp((wx * ex + wy * ey) / len2, 0.0f, 1.0f) : 0;
            return Length(wx - ex * t, wy - ey * t) - half_width;
          },
          std::min(a.x, b.x) - half_width - 1, std::min(a.y, b.y) - half_width - 1,
          std::max(a.x, b.x) + half_width + 1, std::max(a.y, b.y) + half_width + 1};
}

Shape Polygon(std::vector<Point> points) {
  Shape s;
  s.x0 = s.y0 = std::numeric_limits<float>::max();
  s.x1 = s.y1 = std::numeric_limits<float>::lowest();
  for (const Point& p : points) {
    s.x0 = std::min(s.x0, p.x - 1);
    s.y0 = std::min(s.y0, p.y - 1);
    s.x1 = std::max(s.x1, p.x + 1);
    s.y1 = std::max(s.y1, p.y + 1);
  }
  s.distance = [pts = std::move(points)](float px, float py) {
    float best = std::numeric_limits<float>::max();
    bool inside = false;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const Point& a = pts[i];
      const Point& b = pts[j];
      const float ex = b.x - a.x, ey = b.y - a.y;
      const float wx = px - a.x, wy = py - a.y;
      const float len2 = ex * ex + ey * ey;
      const float t = len2 > 0 ? std::clamp((wx * ex + wy * ey) / len2, 0.0f, 1.0f) : 0;
      best = std::min(best, Length(wx - ex * t, wy - ey * t));
      // Even-odd crossing test along +x.
      if ((a.y > py) != (b.y > py) && px < a.x + (py - a.y) * ex / ey) inside = !inside;
    }
    return inside ? -best : best;
  };
  return s;
}

Shape Union(Shape a, Shape b) {
  return {[a, b](float x, float y) { return std::min(a.distance(x, y), b.distance(x, y)); },
          std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Shape Intersect(Shape a, Shape b) {
  return {[a, b](float x, float y) { return std::max(a.distance(x, y), b.distance(x, y)); },
          std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

Shape Subtract(Shape a, Shape b) {
  return {[a, b](float x, float y) { return std::max(a.distance(x, y), -b.distance(x, y)); }, a.x0,
          a.y0, a.x1, a.y1};
}

Shape Outline(Shape s, float half_width) {
  return {[s, half_width](float x, float y) { return std::abs(s.distance(x, y)) - half_width; },
          s.x0 - half_width, s.y0 - half_width, s.x1 + half_width, s.y1 + half_width};
}

Shape Offset(Shape s, float amount) {
  const float pad = std::max(amount, 0.0f);
  return {[s, amount](float x, float y) { return s.distance(x, y) - amount; }, s.x0 - pad,
          s.y0 - pad, s.x1 + pad, s.y1 + pad};
}

Paint Solid(Rgb c) {
  return [c](float, float) { return c; };
}

Paint VerticalGradient(Rgb c0, float y0, Rgb c1, float y1) {
  return [=](float, float y) { return Mix(c0, c1, (y - y0) / (y1 - y0)); };
}

Paint HorizontalGradient(Rgb c0, float x0, Rgb c1, float x1) {
  return [=](float x, float) { return Mix(c0, c1, (x - x0) / (x1 - x0)); };
}

Paint RadialGradient(Rgb c0, Rgb c1, float cx, float cy, float r) {
  return [=](float x, float y) { return Mix(c0, c1, Length(x - cx, y - cy) / r); };
}

Paint Rounded(Rgb base, float cx, float cy, float rx, float ry) {
  return [=](float x, float y) {
    const float ux = std::clamp((x - cx) / rx, -1.0f, 1.0f);
    const float uy = std::clamp((y - cy) / ry, -1.0f, 1.0f);
    const float uz = std::sqrt(std::max(0.0f, 1 - ux * ux - uy * uy));
    // Light from the upper left and a little in front.
    const float light = std::max(0.0f, -0.45f * ux - 0.55f * uy + 0.70f * uz);
    return Scale(base, 0.55f + 0.6f * light);
  };
}

void Fill(Image& image, const Shape& shape, const Paint& paint, Edge edge, float opacity) {
  const int x0 = std::max(0, static_cast<int>(std::floor(shape.x0)));
  const int y0 = std::max(0, static_cast<int>(std::floor(shape.y0)));
  const int x1 = std::min(image.Width() - 1, static_cast<int>(std::ceil(shape.x1)));
  const int y1 = std::min(image.Height() - 1, static_cast<int>(std::ceil(shape.y1)));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const float px = x + 0.5f, py = y + 0.5f;
      const float d = shape.distance(px, py);
      const float coverage =
          edge == Edge::kHard ? (d <= 0 ? 1.0f : 0.0f) : std::clamp(0.5f - d, 0.0f, 1.0f);
      if (coverage > 0) image.Blend(x, y, paint(px, py), coverage * opacity);
    }
  }
}

void FillAll(Image& image, const Paint& paint) {
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) image.Set(x, y, paint(x + 0.5f, y + 0.5f));
  }
}

void FillBelow(Image& image, const std::function<float(float x)>& top, const Paint& paint) {
  for (int x = 0; x < image.Width(); ++x) {
    const float edge = top(x + 0.5f);
    const int first = std::max(0, static_cast<int>(std::floor(edge)));
    for (int y = first; y < image.Height(); ++y) {
      const float coverage = std::clamp(y + 1 - edge, 0.0f, 1.0f);
      image.Blend(x, y, paint(x + 0.5f, y + 0.5f), coverage);
    }
  }
}

void Glow(Image& image, float cx, float cy, float radius, Rgb colour, float strength) {
  const int x0 = std::max(0, static_cast<int>(cx - radius));
  const int y0 = std::max(0, static_cast<int>(cy - radius));
  const int x1 = std::min(image.Width() - 1, static_cast<int>(cx + radius));
  const int y1 = std::min(image.Height() - 1, static_cast<int>(cy + radius));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const float d = Length(x + 0.5f - cx, y + 0.5f - cy) / radius;
      if (d >= 1) continue;
      const float falloff = (1 - d) * (1 - d);
      image.Set(x, y, Add(image.Get(x, y), colour, strength * falloff));
    }
  }
}

}  // namespace demo
