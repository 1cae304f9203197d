// Back pictures by daylight and dusk: the tatami room and the village street.
#include <cmath>

#include "demo/generator/art.h"
#include "demo/generator/art_common.h"
#include "demo/generator/noise.h"

namespace demo {
namespace {

constexpr float kW = kSceneWidth;
constexpr float kH = kSceneHeight;

// Tatami floor seen in perspective: mats with dark cloth borders.
Rgb TatamiAt(float x, float y) {
  constexpr float kHorizon = 120, kFloor = 232, kCentre = 224;
  const float depth = 1.0f / (y - kHorizon);
  const float u = (x - kCentre) * depth * 1.6f, v = depth * 180;
  const float weave = 0.92f + 0.08f * std::sin(v * 90);
  const bool border =
      std::abs(u - std::round(u)) < 0.035f || std::abs(v / 2 - std::round(v / 2)) < 0.02f;
  const Rgb mat = Scale(Rgb{198, 190, 122}, weave);
  const Rgb colour = border ? Rgb{44, 56, 40} : mat;
  // Farther mats lie in the shade of the room.
  return Scale(colour, 0.7f + 0.3f * std::clamp((y - kFloor) / (kH - kFloor), 0.0f, 1.0f));
}

void PaintShoji(Image& image, float x0, float y0, float w, float h) {
  Fill(image, Rect(x0, y0, w, h), Solid(Rgb{120, 84, 52}));
  Fill(image, Rect(x0 + 5, y0 + 5, w - 10, h - 10),
       VerticalGradient(Rgb{252, 246, 226}, y0, Rgb{226, 214, 186}, y0 + h));
  const Rgb bar{150, 110, 70};
  for (float x = x0 + 5 + (w - 10) / 3; x < x0 + w - 6; x += (w - 10) / 3) {
    Fill(image, Rect(x - 1, y0 + 5, 2, h - 10), Solid(bar));
  }
  for (float y = y0 + 5 + 30; y < y0 + h - 6; y += 30) {
    Fill(image, Rect(x0 + 5, y - 1, w - 10, 2), Solid(bar));
  }
}

void PaintRoundWindow(Image& image, float cx, float cy, float r) {
  const Shape opening = Circle(cx, cy, r);
  Fill(image, opening, VerticalGradient(Rgb{130, 186, 236}, cy - r, Rgb{226, 238, 248}, cy + r));
  // A plum branch across the view.
  const std::vector<Point> branch = {
      {cx - r, cy + 20}, {cx - 20, cy + 4}, {cx + 10, cy - 18}, {cx + r, cy - 30}};
  for (size_t i = 1; i < branch.size(); ++i) {
    Fill(image, Intersect(opening, Segment(branch[i - 1], branch[i], 3.2f - i * 0.6f)),
         Solid(Rgb{70, 46, 40}));
  }
  Random random(17);
  for (int i = 0; i < 14; ++i) {
    const float t = random.Unit();
    const size_t seg = 1 + static_cast<size_t>(t * 2.999f);
    const float f = t * 3 - static_cast<float>(seg - 1);
    const float x =
        branch[seg - 1].x + (branch[seg].x - branch[seg - 1].x) * f + random.Signed() * 6;
    const float y =
        branch[seg - 1].y + (branch[seg].y - branch[seg - 1].y) * f + random.Signed() * 6;
    Fill(image, Intersect(opening, Circle(x, y, 3.4f)), Solid(Rgb{246, 170, 190}));
    Fill(image, Intersect(opening, Circle(x, y, 1.1f)), Solid(Rgb{250, 226, 120}));
  }
  Fill(image, Outline(opening, 4.5f), Rounded(Rgb{110, 76, 48}, cx, cy, r, r));
}

void PaintTable(Image& image) {
  Fill(image, Ellipse(262, 312, 104, 18), Solid(Rgb{60, 50, 30}), Edge::kSoft, 0.35f);
  for (const float x : {194.0f, 322.0f}) {
    Fill(image, Rect(x, 286, 9, 24), Solid(Rgb{84, 40, 28}));
  }
  Fill(image, Ellipse(262, 288, 96, 10), Solid(Rgb{92, 40, 28}));
  Fill(image, Ellipse(262, 282, 96, 22), Rounded(Rgb{150, 70, 46}, 240, 274, 110, 30));
  // A teacup.
  Fill(image, Ellipse(286, 280, 10, 3), Solid(Rgb{60, 40, 30}), Edge::kSoft, 0.4f);
  Fill(image, RoundRect(277, 266, 18, 14, 4),
       HorizontalGradient(Rgb{236, 232, 220}, 277, Rgb{170, 164, 150}, 295));
  Fill(image, Ellipse(286, 266, 9, 2.6f), Solid(Rgb{110, 140, 70}));
}

void PaintHouse(Image& image, float x, float ground, float w, float h, Rgb wall, float fog,
                uint32_t seed) {
  const Rgb sky{220, 150, 130};
  const auto fogged = [&](Rgb c) { return Mix(c, sky, fog); };
  Fill(image, Rect(x, ground - h, w, h), Solid(fogged(wall)));
  // Lattice front and lit windows.
  Random random(seed);
  const float bar = std::max(1.0f, w / 40);
  for (float bx = x + w * 0.1f; bx < x + w * 0.9f; bx += bar * 3) {
    Fill(image, Rect(bx, ground - h * 0.45f, bar, h * 0.4f), Solid(fogged(Scale(wall, 0.6f))));
  }
  const float win_w = w * 0.28f, win_h = h * 0.2f;
  for (int i = 0; i < 2; ++i) {
    if (random.Unit() < 0.3f) continue;
    const float wx = x + w * (0.14f + 0.44f * i), wy = ground - h * 0.82f;
    PaintLanternLight(image, wx + win_w / 2, wy + win_h / 2, w * 0.4f, Rgb{255, 170, 80});
    Fill(image, Rect(wx, wy, win_w, win_h), Solid(fogged(Rgb{255, 206, 120})));
    Fill(image, Rect(wx + win_w / 2 - bar / 2, wy, bar, win_h), Solid(fogged(Scale(wall, 0.5f))));
  }
  // Tiled roof with a slight overhang.
  const float roof_h = h * 0.22f;
  const Shape roof = Polygon({{x - w * 0.08f, ground - h},
                              {x + w * 1.08f, ground - h},
                              {x + w * 0.96f, ground - h - roof_h},
                              {x + w * 0.04f, ground - h - roof_h}});
  Fill(image, roof, Solid(fogged(Rgb{56, 60, 76})));
  for (float ry = ground - h - roof_h + 3; ry < ground - h; ry += 4) {
    Fill(image, Intersect(roof, Rect(x - w * 0.1f, ry, w * 1.2f, 1)),
         Solid(fogged(Rgb{86, 92, 110})), Edge::kSoft, 0.7f);
  }
}

void PaintPolesAndWires(Image& image) {
  // Poles along the right edge of the road, each smaller with distance.
  const Point tops[] = {{410, 40}, {326, 100}, {280, 138}};
  const float heights[] = {260, 150, 84};
  for (size_t i = 0; i < 3; ++i) {
    const float w = 8.0f / (1 + i);
    Fill(image, Rect(tops[i].x - w / 2, tops[i].y, w, heights[i]), Solid(Rgb{46, 34, 40}));
    Fill(image, Rect(tops[i].x - w * 3, tops[i].y + 6 / (1.0f + i), w * 6, w * 0.6f),
         Solid(Rgb{46, 34, 40}));
  }
  for (size_t i = 1; i < 3; ++i) {
    for (const float offset : {-2.5f, 2.5f}) {
      const Point a{tops[i - 1].x + offset * 8 / i, tops[i - 1].y + 6.0f / i};
      const Point b{tops[i].x + offset * 8 / (i + 1), tops[i].y + 6.0f / (i + 1)};
      Point last = a;
      for (int k = 1; k <= 12; ++k) {
        const float t = k / 12.0f;
        const Point p{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t + 14.0f / i * 4 * t * (1 - t)};
        Fill(image, Segment(last, p, 0.5f), Solid(Rgb{40, 30, 40}), Edge::kSoft, 0.8f);
        last = p;
      }
    }
  }
}

}  // namespace

Image PaintRoom() {
  Image image(kSceneWidth, kSceneHeight);
  FillAll(image, [](float x, float y) {
    if (y >= 232) return TatamiAt(x, y);
    const float grain = FractalNoise(x / 9, y / 9, 3, 23);
    return Scale(Mix(Rgb{232, 218, 188}, Rgb{206, 190, 156}, y / 232), 0.95f + 0.08f * grain);
  });
  // Ceiling boards and the long beam under them.
  Fill(image, Rect(0, 0, kW, 28), [](float x, float y) {
    const float plank = std::fmod(x, 56) < 1.5f ? 0.7f : 1.0f;
    return Scale(Mix(Rgb{124, 92, 62}, Rgb{98, 70, 46}, y / 28), plank);
  });
  Fill(image, Rect(0, 28, kW, 12), VerticalGradient(Rgb{136, 98, 64}, 28, Rgb{88, 60, 40}, 40));
  PaintShoji(image, 16, 42, 96, 190);
  PaintShoji(image, 108, 42, 96, 190);
  Fill(image, Rect(212, 40, 14, 194),
       HorizontalGradient(Rgb{140, 104, 70}, 212, Rgb{92, 64, 42}, 226));
  PaintRoundWindow(image, 330, 128, 60);
  Fill(image, Rect(0, 228, kW, 5), Solid(Rgb{96, 68, 44}));
  // Daylight through the paper falls on the floor.
  Fill(image, Polygon({{16, 232}, {204, 232}, {250, 336}, {-40, 336}}), Solid(Rgb{255, 248, 220}),
       Edge::kSoft, 0.14f);
  PaintTable(image);
  return image;
}

Image PaintStreet() {
  Image image(kSceneWidth, kSceneHeight);
  FillAll(image, [](float, float y) {
    if (y < 120) return Mix(Rgb{52, 52, 112}, Rgb{150, 96, 150}, y / 120);
    return Mix(Rgb{150, 96, 150}, Rgb{252, 176, 110}, (y - 120) / 80);
  });
  Random random(29);
  for (int i = 0; i < 6; ++i) {
    const float x = random.Range(0, kW), y = random.Range(30, 130);
    Fill(image, Ellipse(x, y, random.Range(30, 70), random.Range(5, 10)), Solid(Rgb{250, 190, 190}),
         Edge::kSoft, 0.25f);
  }
  FillBelow(
      image, [](float x) { return 196 - 34 * FractalNoise(x / 90, 2.5f, 4, 13); },
      Solid(Rgb{130, 92, 130}));
  FillBelow(
      image, [](float) { return 196.0f; },
      VerticalGradient(Rgb{104, 80, 84}, 196, Rgb{70, 52, 56}, kH));
  // The road, narrowing towards the far end of the village.
  Fill(image, Polygon({{-30, kH}, {kW + 30, kH}, {238, 196}, {212, 196}}), [](float x, float y) {
    const float depth = 1.0f / std::max(y - 190, 1.0f);
    const float seam = std::fmod(depth * 900, 1.0f) < 0.12f ? 0.8f : 1.0f;
    const float stone = 0.85f + 0.15f * ValueNoise(x / 6, depth * 300, 37);
    return Scale(Mix(Rgb{150, 120, 130}, Rgb{118, 106, 118}, (y - 196) / 140), seam * stone);
  });
  // Houses on both sides, nearer ones larger and clearer.
  const struct {
    float x, ground, w, h, fog;
    Rgb wall;
  } houses[] = {
      {170, 202, 34, 30, 0.6f, Rgb{96, 70, 56}},    {246, 202, 34, 30, 0.6f, Rgb{90, 66, 60}},
      {128, 214, 50, 50, 0.4f, Rgb{104, 74, 56}},   {272, 214, 50, 50, 0.4f, Rgb{86, 64, 58}},
      {64, 240, 80, 86, 0.2f, Rgb{110, 78, 58}},    {306, 240, 80, 86, 0.2f, Rgb{94, 70, 62}},
      {-40, 300, 120, 150, 0.0f, Rgb{104, 72, 52}}, {372, 300, 120, 150, 0.0f, Rgb{92, 66, 56}}};
  uint32_t seed = 50;
  for (const auto& h : houses) PaintHouse(image, h.x, h.ground, h.w, h.h, h.wall, h.fog, ++seed);
  PaintPolesAndWires(image);
  // Two red lanterns at a shop door.
  for (const float x : {96.0f, 124.0f}) {
    PaintLanternLight(image, x, 186, 30, Rgb{255, 110, 60});
    Fill(image, Ellipse(x, 186, 7, 10),
         RadialGradient(Rgb{255, 160, 110}, Rgb{200, 40, 36}, x, 186, 10));
    Fill(image, Rect(x - 4, 174, 8, 3), Solid(Rgb{30, 20, 20}));
  }
  return image;
}

}  // namespace demo
