// The program's own artwork: the closing logo (resource bitmap "KOVADINE2")
// and the window icon (resource "MAIN").
#include <cmath>

#include "demo/generator/art.h"
#include "demo/generator/art_common.h"
#include "demo/generator/pixel_font.h"

namespace demo {
namespace {

// A lantern flame: a drop with its point upward.
Shape Flame(float cx, float cy, float r) {
  return Union(Circle(cx, cy, r), Polygon({{cx - r * 0.96f, cy - r * 0.3f},
                                           {cx + r * 0.96f, cy - r * 0.3f},
                                           {cx + r * 0.1f, cy - r * 2.5f},
                                           {cx - r * 0.2f, cy - r * 2.3f}}));
}

Paint FlamePaint(float cx, float cy, float r) {
  return RadialGradient(Rgb{255, 246, 190}, Rgb{236, 96, 36}, cx, cy + r * 0.2f, r * 2.2f);
}

}  // namespace

Image PaintClosingLogo() {
  Image image(kLogoSize, kLogoSize, Rgb{0, 0, 0});
  const float cx = 50, cy = 44;
  Glow(image, cx, cy, 40, Rgb{120, 60, 20}, 0.6f);
  Fill(image, Outline(Circle(cx, cy, 34), 1.8f),
       VerticalGradient(Rgb{250, 214, 120}, cy - 34, Rgb{170, 110, 40}, cy + 34));
  Fill(image, Outline(Circle(cx, cy, 29), 0.6f), Solid(Rgb{150, 100, 40}));
  Fill(image, Flame(cx, cy + 8, 13), FlamePaint(cx, cy + 8, 13));
  Fill(image, Flame(cx, cy + 12, 6), Solid(Rgb{255, 250, 220}), Edge::kSoft, 0.8f);
  DrawTextCentred(image, 50, 86, "AOAT", 2, Rgb{230, 214, 170});
  return image;
}

IconPicture PaintProgramIcon(int size_px) {
  // Drawn on a 64-unit grid and scaled, so that every size is painted sharp
  // rather than enlarged from the window icon.
  const float s = static_cast<float>(size_px) / kIconSize;
  const float size = static_cast<float>(size_px);
  Image colour(size_px, size_px);
  FillAll(colour, VerticalGradient(Rgb{84, 56, 140}, 0, Rgb{24, 22, 70}, size));
  Glow(colour, 32 * s, 36 * s, 30 * s, Rgb{200, 90, 30}, 0.7f);
  Fill(colour, RoundRect(21 * s, 10 * s, 22 * s, 5 * s, 2 * s), Solid(Rgb{30, 24, 26}));
  Fill(colour, RoundRect(21 * s, 52 * s, 22 * s, 5 * s, 2 * s), Solid(Rgb{30, 24, 26}));
  Fill(colour, Intersect(Ellipse(32 * s, 34 * s, 19 * s, 21 * s), Rect(0, 14 * s, size, 39 * s)),
       RadialGradient(Rgb{255, 200, 130}, Rgb{190, 40, 36}, 29 * s, 31 * s, 24 * s));
  for (float y = 20; y < 52; y += 6) {
    Fill(colour, Intersect(Ellipse(32 * s, 34 * s, 18 * s, 20 * s), Rect(0, y * s, size, 0.9f * s)),
         Solid(Rgb{120, 24, 24}), Edge::kSoft, 0.5f);
  }
  Fill(colour, Flame(32 * s, 38 * s, 5 * s), FlamePaint(32 * s, 38 * s, 5 * s));
  // Opaque inside the rounded square, fading over its one-pixel edge.
  const Shape plate = RoundRect(0, 0, size, size, 14 * s);
  std::vector<uint8_t> alpha;
  alpha.reserve(static_cast<size_t>(size_px) * static_cast<size_t>(size_px));
  for (int y = 0; y < size_px; ++y) {
    for (int x = 0; x < size_px; ++x) {
      const float coverage = std::clamp(0.5f - plate.distance(x + 0.5f, y + 0.5f), 0.0f, 1.0f);
      alpha.push_back(static_cast<uint8_t>(std::lround(coverage * 255)));
    }
  }
  return {std::move(colour), std::move(alpha)};
}

}  // namespace demo
