// Back pictures out of doors: the forest path, the shrine at night and the
// river with fireflies.
#include <cmath>

#include "demo/generator/art.h"
#include "demo/generator/art_common.h"
#include "demo/generator/noise.h"

namespace demo {
namespace {

constexpr float kW = kSceneWidth;
constexpr float kH = kSceneHeight;

void PaintTrunks(Image& image, int count, float ground, float width, float fog, uint32_t seed) {
  Random random(seed);
  const Rgb mist{196, 218, 170};
  for (int i = 0; i < count; ++i) {
    const float x = random.Range(-20, kW), w = width * random.Range(0.7f, 1.3f);
    const float foot = ground + random.Range(-6, 6);
    Fill(image, Polygon({{x, -2}, {x + w, -2}, {x + w * 1.15f, foot}, {x - w * 0.15f, foot}}),
         [=](float px, float py) {
           const float bark = 0.75f + 0.35f * ValueNoise(px / 2.5f, py / 18, seed + i);
           const float side = std::clamp((px - x) / w, 0.0f, 1.0f);
           const Rgb wood = Scale(Mix(Rgb{110, 88, 64}, Rgb{52, 40, 30}, side), bark);
           return Mix(wood, mist, fog);
         });
  }
}

void PaintStoneLantern(Image& image, float cx, float base_y, float s) {
  const Paint stone =
      HorizontalGradient(Rgb{150, 146, 150}, cx - 14 * s, Rgb{70, 68, 80}, cx + 14 * s);
  Fill(image, Rect(cx - 12 * s, base_y - 8 * s, 24 * s, 8 * s), stone);
  Fill(image, Rect(cx - 4 * s, base_y - 40 * s, 8 * s, 32 * s), stone);
  Fill(image, Rect(cx - 10 * s, base_y - 46 * s, 20 * s, 6 * s), stone);
  PaintLanternLight(image, cx, base_y - 56 * s, 34 * s, Rgb{255, 160, 70});
  Fill(image, Rect(cx - 8 * s, base_y - 64 * s, 16 * s, 18 * s), stone);
  Fill(image, Rect(cx - 5 * s, base_y - 61 * s, 10 * s, 11 * s), Solid(Rgb{255, 200, 110}));
  Fill(image,
       Polygon({{cx - 16 * s, base_y - 64 * s},
                {cx + 16 * s, base_y - 64 * s},
                {cx + 4 * s, base_y - 76 * s},
                {cx - 4 * s, base_y - 76 * s}}),
       stone);
  Fill(image, Circle(cx, base_y - 78 * s, 3 * s), stone);
}

// A dark tree mass along one side of the picture.
void PaintTreeEdge(Image& image, bool left, uint32_t seed) {
  for (int y = 0; y < image.Height(); ++y) {
    const float reach = 56 + 40 * FractalNoise(y / 30.0f, 0.5f, 4, seed);
    for (int x = 0; x < image.Width(); ++x) {
      const float from_edge = left ? static_cast<float>(x) : kW - 1 - static_cast<float>(x);
      const float coverage = std::clamp(reach - from_edge, 0.0f, 1.0f);
      if (coverage > 0) image.Blend(x, y, Rgb{8, 12, 18}, coverage);
    }
  }
}

}  // namespace

Image PaintForest() {
  Image image(kSceneWidth, kSceneHeight);
  FillAll(image, [](float x, float y) {
    if (y < 180) return Mix(Rgb{150, 190, 130}, Rgb{214, 230, 180}, y / 180);
    const float depth = 1.0f / (y - 176);
    const float moss = 0.8f + 0.3f * FractalNoise(x * depth * 0.6f, depth * 60, 3, 70);
    return Scale(Mix(Rgb{110, 140, 70}, Rgb{60, 90, 44}, (y - 180) / (kH - 180)), moss);
  });
  PaintTrunks(image, 14, 190, 8, 0.6f, 71);
  PaintTrunks(image, 8, 220, 16, 0.3f, 72);
  // The path, winding away into the trees: wider and swinging further as it
  // comes nearer.
  std::vector<Point> left_edge, right_edge;
  for (float y = 192; y <= kH + 2; y += 4) {
    const float near = (y - 192) / (kH - 192);
    const float centre = 226 + 46 * std::sin(near * 3.6f) * near;
    const float half = 4 + 120 * near * near + 14 * near;
    left_edge.push_back({centre - half, y});
    right_edge.push_back({centre + half, y});
  }
  left_edge.insert(left_edge.end(), right_edge.rbegin(), right_edge.rend());
  Fill(image, Polygon(std::move(left_edge)), [](float x, float y) {
    const float grit = 0.85f + 0.2f * FractalNoise(x / 5, y / 5, 3, 73);
    return Scale(Mix(Rgb{196, 172, 120}, Rgb{160, 130, 90}, (y - 196) / 140), grit);
  });
  PaintTrunks(image, 4, 330, 30, 0.0f, 74);
  // Canopy with dappled light.
  FillAll(image, [&image](float x, float y) {
    const Rgb below = image.Get(static_cast<int>(x), static_cast<int>(y));
    const float leaves = FractalNoise(x / 40, y / 30, 5, 75) - y / 420;
    if (leaves < 0.28f) return below;
    const float dapple = FractalNoise(x / 8, y / 8, 2, 76);
    const Rgb leaf = Mix(Rgb{34, 70, 36}, Rgb{120, 170, 70}, dapple * dapple);
    return Mix(below, leaf, std::clamp((leaves - 0.28f) * 12, 0.0f, 1.0f));
  });
  // Shafts of light.
  for (const float x : {120.0f, 200.0f, 300.0f}) {
    Fill(image, Polygon({{x, 0}, {x + 30, 0}, {x + 90, kH}, {x + 40, kH}}),
         Solid(Rgb{255, 250, 200}), Edge::kSoft, 0.12f);
  }
  // Ferns along the bottom edge.
  Random random(77);
  for (int i = 0; i < 90; ++i) {
    const float x = random.Range(0, kW), len = random.Range(12, 34), lean = random.Signed() * 14;
    Fill(image, Segment({x, kH + 2}, {x + lean, kH - len}, 1.2f),
         Solid(Mix(Rgb{30, 70, 30}, Rgb{90, 140, 50}, random.Unit())));
  }
  return image;
}

Image PaintShrine() {
  Image image(kSceneWidth, kSceneHeight);
  FillAll(image, VerticalGradient(Rgb{6, 8, 28}, 0, Rgb{40, 38, 84}, 200));
  PaintStars(image, 190, 160, 83);
  PaintMoon(image, 318, 44, 20);
  // The hall at the top of the steps.
  Fill(image, Rect(150, 120, 148, 70), Solid(Rgb{30, 22, 30}));
  PaintLanternLight(image, 224, 166, 60, Rgb{255, 150, 60});
  Fill(image, Rect(204, 146, 40, 44), Solid(Rgb{250, 190, 110}));
  Fill(image, Polygon({{110, 126}, {338, 126}, {300, 92}, {224, 78}, {148, 92}}),
       VerticalGradient(Rgb{40, 36, 50}, 78, Rgb{20, 18, 28}, 126));
  FillBelow(
      image, [](float) { return 190.0f; },
      [](float x, float y) {
        const float gravel = 0.8f + 0.3f * ValueNoise(x / 1.5f, y / 1.5f, 86);
        return Scale(Mix(Rgb{30, 30, 46}, Rgb{70, 66, 80}, (y - 190) / (kH - 190)), gravel);
      });
  // Steps, lit more strongly near the bottom.
  for (int i = 0; i < 12; ++i) {
    const float y0 = 190 + i * 12.2f, half = 36 + i * 9.0f;
    const Rgb tone = Mix(Rgb{60, 58, 78}, Rgb{130, 120, 124}, i / 11.0f);
    Fill(image,
         Polygon({{224 - half, y0},
                  {224 + half, y0},
                  {224 + half + 5, y0 + 12.2f},
                  {224 - half - 5, y0 + 12.2f}}),
         VerticalGradient(tone, y0, Scale(tone, 0.7f), y0 + 12.2f));
  }
  PaintTreeEdge(image, true, 84);
  PaintTreeEdge(image, false, 85);
  PaintGate(image, 224, 262, 150, 172, Rgb{150, 36, 34}, Rgb{230, 90, 60});
  PaintStoneLantern(image, 86, 318, 1.1f);
  PaintStoneLantern(image, 362, 318, 1.1f);
  return image;
}

Image PaintRiver() {
  Image image(kSceneWidth, kSceneHeight);
  FillAll(image, VerticalGradient(Rgb{8, 10, 30}, 0, Rgb{30, 40, 70}, 150));
  PaintStars(image, 150, 120, 91);
  FillBelow(
      image, [](float x) { return 150 - 40 * FractalNoise(x / 40, 4.5f, 4, 92); },
      Solid(Rgb{10, 18, 22}));
  // The water, with the far bank's lights stretched into streaks.
  Fill(image, Rect(0, 168, kW, 100), [](float x, float y) {
    const float ripple = FractalNoise(x / 60, y / 2.5f, 3, 93);
    const Rgb water = Mix(Rgb{16, 24, 50}, Rgb{30, 44, 80}, (y - 168) / 100);
    return Add(water, Rgb{70, 80, 120}, std::max(0.0f, ripple - 0.55f) * 1.6f);
  });
  Fill(image, Rect(0, 166, kW, 3), Solid(Rgb{8, 14, 18}));
  FillBelow(
      image, [](float x) { return 262 + 10 * FractalNoise(x / 30, 7.5f, 3, 94); },
      VerticalGradient(Rgb{14, 26, 18}, 260, Rgb{6, 12, 8}, kH));
  Random random(95);
  for (int i = 0; i < 70; ++i) {
    const float x = random.Range(0, kW), h = random.Range(30, 90), lean = random.Signed() * 18;
    Fill(image, Segment({x, kH + 2}, {x + lean, kH - h}, random.Range(0.6f, 1.4f)),
         Solid(Rgb{10, 22, 14}));
  }
  // Fireflies, and their faint doubles on the water.
  for (int i = 0; i < 42; ++i) {
    const float x = random.Range(10, kW - 10), y = random.Range(120, 320);
    const float size = random.Range(5, 12);
    Glow(image, x, y, size, Rgb{190, 250, 120}, 0.9f);
    image.Blend(static_cast<int>(x), static_cast<int>(y), Rgb{250, 255, 200}, 0.9f);
    const float mirror = 2 * 168 - y;
    if (y < 168 && mirror < 262) Glow(image, x, mirror, size * 0.8f, Rgb{120, 180, 100}, 0.4f);
  }
  return image;
}

}  // namespace demo
