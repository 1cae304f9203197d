// The persons: portrait cards, drawn opaque (the story screen copies them
// without a colour key).
#include <cmath>

#include "demo/generator/art.h"
#include "demo/generator/art_common.h"
#include "demo/generator/noise.h"

namespace demo {
namespace {

constexpr float kCx = kPersonWidth / 2.0f;

// Shading from `shadow` (away from the light) to `base`, over an ellipse.
Paint Soft(Rgb base, Rgb shadow, float cx, float cy, float rx, float ry) {
  return [=](float x, float y) {
    const float ux = std::clamp((x - cx) / rx, -1.0f, 1.0f);
    const float uy = std::clamp((y - cy) / ry, -1.0f, 1.0f);
    const float uz = std::sqrt(std::max(0.0f, 1 - ux * ux - uy * uy));
    const float light = std::clamp(-0.4f * ux - 0.5f * uy + 0.78f * uz, 0.0f, 1.0f);
    return Mix(shadow, base, std::sqrt(light));
  };
}

// Fills `shape` with a thin dark rim around it, so figures stand out from
// the card.
void FillRimmed(Image& image, const Shape& shape, const Paint& paint, Rgb rim) {
  Fill(image, Offset(shape, 1.3f), Solid(rim));
  Fill(image, shape, paint);
}

// A closed-eye line or any short curved stroke: a polyline through `points`.
void Stroke(Image& image, const std::vector<Point>& points, float half_width, Rgb colour) {
  for (size_t i = 1; i < points.size(); ++i) {
    Fill(image, Segment(points[i - 1], points[i], half_width), Solid(colour));
  }
}

void PaintOpenEye(Image& image, float cx, float cy) {
  Fill(image, Ellipse(cx, cy, 5.8f, 7.2f), Solid(Rgb{250, 246, 240}));
  Fill(image, Ellipse(cx, cy + 0.8f, 4.8f, 6.4f),
       VerticalGradient(Rgb{54, 30, 28}, cy - 6, Rgb{150, 84, 56}, cy + 6));
  Fill(image, Circle(cx, cy + 1, 2.2f), Solid(Rgb{24, 14, 16}));
  Fill(image, Circle(cx - 1.8f, cy - 2.4f, 1.6f), Solid(Rgb{255, 252, 246}));
  Stroke(image, {{cx - 7, cy - 4}, {cx - 2, cy - 7.6f}, {cx + 4, cy - 7.2f}, {cx + 7, cy - 4}},
         1.1f, Rgb{36, 20, 24});
}

void PaintAkariFace(Image& image) {
  const Rgb skin{252, 226, 206}, skin_shadow{226, 176, 160};
  Fill(image, Rect(kCx - 10, 132, 20, 40), Soft(skin, skin_shadow, kCx, 140, 10, 30));
  FillRimmed(image, Ellipse(kCx, 106, 33, 38), Soft(skin, skin_shadow, kCx - 6, 100, 40, 44),
             Rgb{150, 100, 90});
  PaintOpenEye(image, kCx - 14, 112);
  PaintOpenEye(image, kCx + 14, 112);
  Stroke(image, {{kCx - 21, 99}, {kCx - 14, 97}, {kCx - 8, 98.5f}}, 0.8f, Rgb{80, 50, 44});
  Stroke(image, {{kCx + 8, 98.5f}, {kCx + 14, 97}, {kCx + 21, 99}}, 0.8f, Rgb{80, 50, 44});
  Stroke(image, {{kCx, 121}, {kCx - 1, 124}}, 0.6f, skin_shadow);
  Fill(image, Intersect(Outline(Circle(kCx, 124, 7), 0.9f), Rect(kCx - 7, 128, 14, 6)),
       Solid(Rgb{190, 96, 96}));
  for (const float side : {-1.0f, 1.0f}) {
    Fill(image, Ellipse(kCx + side * 20, 124, 7, 4), Solid(Rgb{250, 150, 150}), Edge::kSoft, 0.35f);
  }
}

void PaintAkariHair(Image& image, bool front) {
  const Rgb hair{44, 30, 40}, hair_shadow{22, 14, 22};
  const Paint paint = Soft(hair, hair_shadow, kCx - 10, 86, 50, 60);
  if (!front) {
    FillRimmed(image, Union(Ellipse(kCx, 98, 44, 48), RoundRect(kCx - 44, 90, 88, 66, 22)), paint,
               Rgb{16, 10, 16});
    return;
  }
  const Shape crown = Intersect(Ellipse(kCx, 98, 41, 45), Rect(0, 0, kPersonWidth, 84));
  const Shape fringe = Polygon({{kCx - 38, 114},
                                {kCx - 33, 90},
                                {kCx - 25, 98},
                                {kCx - 17, 88},
                                {kCx - 7, 100},
                                {kCx + 3, 87},
                                {kCx + 13, 99},
                                {kCx + 23, 89},
                                {kCx + 32, 97},
                                {kCx + 38, 114},
                                {kCx + 41, 80},
                                {kCx - 41, 80}});
  Fill(image, Union(crown, fringe), paint);
  // The sheen of the crown.
  Fill(image, Intersect(Outline(Ellipse(kCx - 2, 84, 28, 18), 1.6f), Rect(0, 60, 152, 22)),
       Solid(Rgb{120, 96, 120}), Edge::kSoft, 0.6f);
  // A flower hair pin.
  const float fx = kCx + 30, fy = 78;
  for (int i = 0; i < 5; ++i) {
    const float a = static_cast<float>(i) * 2.0f * 3.14159265f / 5 - 1.5708f;
    Fill(image, Circle(fx + 5.5f * std::cos(a), fy + 5.5f * std::sin(a), 4.2f),
         Rounded(Rgb{236, 76, 96}, fx, fy, 10, 10));
  }
  Fill(image, Circle(fx, fy, 2.6f), Solid(Rgb{252, 210, 90}));
}

void PaintAkariYukata(Image& image) {
  const Shape body = RoundRect(22, 166, 108, 110, 28);
  FillRimmed(image, body, Soft(Rgb{60, 78, 150}, Rgb{26, 32, 74}, kCx - 20, 190, 80, 70),
             Rgb{16, 18, 40});
  // Morning-glory pattern on the cloth.
  Random random(41);
  for (int i = 0; i < 7; ++i) {
    const float x = random.Range(26, 126), y = random.Range(178, 236);
    Fill(image, Intersect(body, Circle(x, y, 6.5f)), Solid(Rgb{170, 190, 236}), Edge::kSoft, 0.9f);
    Fill(image, Intersect(body, Circle(x, y, 2.2f)), Solid(Rgb{250, 246, 236}));
  }
  // Crossed collars, left over right, over a pale under-collar.
  Fill(image, Polygon({{kCx - 16, 166}, {kCx + 16, 166}, {kCx, 204}}), Solid(Rgb{238, 232, 220}));
  Fill(image, Polygon({{kCx - 12, 166}, {kCx + 12, 166}, {kCx, 192}}), Solid(Rgb{252, 226, 206}));
  Fill(image, Segment({kCx + 17, 166}, {kCx - 4, 214}, 3.2f), Solid(Rgb{36, 44, 100}));
  Fill(image, Segment({kCx - 17, 166}, {kCx + 6, 206}, 3.2f), Solid(Rgb{44, 54, 116}));
  // The sash.
  Fill(image, Rect(24, 222, 104, 20),
       VerticalGradient(Rgb{226, 90, 70}, 222, Rgb{170, 50, 44}, 242));
  Fill(image, Rect(24, 229, 104, 3), Solid(Rgb{246, 200, 96}));
}

}  // namespace

Image PaintAkari() {
  Image image(kPersonWidth, kPersonHeight);
  PaintCardBackground(image, Rgb{252, 216, 200}, Rgb{196, 176, 222}, 3);
  PaintAkariHair(image, false);
  PaintAkariYukata(image);
  PaintAkariFace(image);
  PaintAkariHair(image, true);
  PaintCardBorder(image);
  return image;
}

Image PaintKuro() {
  Image image(kPersonWidth, kPersonHeight);
  PaintCardBackground(image, Rgb{160, 210, 190}, Rgb{64, 110, 104}, 4);
  const Rgb fur{54, 54, 72}, fur_shadow{16, 16, 24}, rim{8, 8, 12};
  // Tail curling up beside the body.
  Shape tail = Circle(112, 236, 7);
  Point last{112, 236};
  for (int i = 1; i <= 16; ++i) {
    const float t = i / 16.0f;
    const Point p{112 + 26 * std::sin(t * 2.6f), 236 - 96 * t};
    tail = Union(tail, Segment(last, p, 7));
    last = p;
  }
  FillRimmed(image, tail, Soft(fur, fur_shadow, 126, 170, 30, 80), rim);
  const Paint body_paint = Soft(fur, fur_shadow, kCx - 14, 170, 60, 70);
  FillRimmed(image, Ellipse(kCx, 190, 46, 54), body_paint, rim);
  for (const float x : {kCx - 22, kCx + 6}) {
    FillRimmed(image, RoundRect(x, 196, 16, 46, 8), body_paint, rim);
  }
  // Ears, then the head over their roots.
  for (const float side : {-1.0f, 1.0f}) {
    FillRimmed(image, Polygon({{kCx + side * 36, 96}, {kCx + side * 28, 48}, {kCx + side * 4, 80}}),
               body_paint, rim);
    Fill(image, Polygon({{kCx + side * 30, 88}, {kCx + side * 27, 58}, {kCx + side * 12, 80}}),
         Solid(Rgb{196, 128, 140}), Edge::kSoft, 0.8f);
  }
  FillRimmed(image, Union(Ellipse(kCx, 104, 40, 34), Ellipse(kCx, 114, 44, 24)),
             Soft(fur, fur_shadow, kCx - 12, 96, 50, 40), rim);
  for (const float side : {-1.0f, 1.0f}) {
    const float ex = kCx + side * 16;
    Fill(image, Ellipse(ex, 104, 10, 8.5f),
         RadialGradient(Rgb{226, 236, 96}, Rgb{190, 150, 40}, ex, 104, 11));
    Fill(image, Ellipse(ex, 104, 2.2f, 7.6f), Solid(Rgb{10, 10, 10}));
    Fill(image, Circle(ex - 3, 100.5f, 1.8f), Solid(Rgb{255, 255, 250}));
    for (int k = -1; k <= 1; ++k) {
      Fill(image,
           Segment({kCx + side * 22, 120.0f + k * 3}, {kCx + side * 58, 116.0f + k * 7}, 0.45f),
           Solid(Rgb{210, 210, 220}), Edge::kSoft, 0.85f);
    }
  }
  Fill(image, Polygon({{kCx - 4, 116}, {kCx + 4, 116}, {kCx, 121}}), Solid(Rgb{226, 140, 150}));
  Stroke(image, {{kCx - 6, 125}, {kCx - 3, 127}, {kCx, 124}, {kCx + 3, 127}, {kCx + 6, 125}}, 0.7f,
         Rgb{150, 150, 160});
  // A red collar with a gold bell.
  Fill(image, Intersect(Ellipse(kCx, 190, 46, 54), Rect(30, 136, 92, 8)), Solid(Rgb{200, 40, 52}));
  Fill(image, Circle(kCx, 148, 6.5f), Rounded(Rgb{246, 200, 80}, kCx, 148, 6.5f, 6.5f));
  Fill(image, Segment({kCx - 3.5f, 150}, {kCx + 3.5f, 150}, 0.6f), Solid(Rgb{120, 80, 20}));
  PaintCardBorder(image);
  return image;
}

Image PaintKitsune() {
  Image image(kPersonWidth, kPersonHeight);
  PaintCardBackground(image, Rgb{70, 48, 110}, Rgb{18, 14, 40}, 5);
  const Rgb fire{110, 220, 200};
  for (const Point p : {Point{24, 46}, Point{130, 36}, Point{20, 176}, Point{136, 118}}) {
    PaintLanternLight(image, p.x, p.y, 20, fire);
  }
  const Rgb fur{244, 240, 232}, fur_shadow{176, 168, 190}, rim{60, 40, 70};
  // The plume of the tail behind the body, its tip touched with gold.
  Shape tail = Circle(100, 232, 10);
  for (int i = 1; i <= 18; ++i) {
    const float t = i / 18.0f;
    tail = Union(
        tail, Circle(100 + 30 * std::sin(t * 2.2f), 232 - 130 * t, 10 + 16 * std::sin(t * 3.0f)));
  }
  const Paint tail_fur = Soft(fur, fur_shadow, 112, 150, 40, 90);
  FillRimmed(
      image, tail,
      [&](float x, float y) {
        return Mix(tail_fur(x, y), Rgb{250, 196, 110}, (126 - y) / 30);
      },
      rim);
  const Paint body_paint = Soft(fur, fur_shadow, kCx - 12, 170, 56, 70);
  FillRimmed(image, Ellipse(kCx - 4, 192, 40, 52), body_paint, rim);
  for (const float x : {kCx - 26, kCx + 2}) {
    FillRimmed(image, RoundRect(x, 198, 15, 44, 7), body_paint, rim);
  }
  // A red bib with a gold hem.
  Fill(image, Polygon({{kCx - 30, 144}, {kCx + 30, 144}, {kCx, 186}}), Solid(Rgb{238, 200, 96}));
  Fill(image, Polygon({{kCx - 26, 144}, {kCx + 26, 144}, {kCx, 181}}),
       VerticalGradient(Rgb{214, 44, 44}, 144, Rgb{150, 20, 30}, 180));
  for (const float side : {-1.0f, 1.0f}) {
    FillRimmed(image,
               Polygon({{kCx + side * 30, 100}, {kCx + side * 24, 46}, {kCx + side * 6, 86}}),
               body_paint, rim);
    Fill(image, Polygon({{kCx + side * 25, 92}, {kCx + side * 23, 58}, {kCx + side * 12, 86}}),
         Solid(Rgb{220, 70, 70}), Edge::kSoft, 0.85f);
  }
  const Paint face = Soft(fur, fur_shadow, kCx - 10, 100, 44, 44);
  FillRimmed(image,
             Union(Ellipse(kCx, 108, 32, 28),
                   Polygon({{kCx - 22, 112}, {kCx + 22, 112}, {kCx + 4, 144}, {kCx - 4, 144}})),
             face, rim);
  Fill(image, Ellipse(kCx, 141, 4.5f, 3.5f), Solid(Rgb{30, 24, 30}));
  // Closed eyes under red markings, and a flame mark on the brow.
  for (const float side : {-1.0f, 1.0f}) {
    Stroke(image, {{kCx + side * 6, 106}, {kCx + side * 14, 101}, {kCx + side * 24, 98}}, 2.4f,
           Rgb{224, 60, 60});
    Stroke(image, {{kCx + side * 7, 110}, {kCx + side * 14, 112}, {kCx + side * 21, 109}}, 1.0f,
           Rgb{40, 24, 36});
  }
  Fill(image,
       Union(Circle(kCx, 90, 3.6f), Polygon({{kCx - 3.4f, 89}, {kCx + 3.4f, 89}, {kCx, 78}})),
       Solid(Rgb{224, 60, 60}));
  PaintCardBorder(image);
  return image;
}

}  // namespace demo
