#include "demo/generator/art_common.h"

#include <algorithm>
#include <cmath>

#include "demo/generator/noise.h"

namespace demo {

void PaintStars(Image& image, float horizon_y, int count, uint32_t seed) {
  Random random(seed);
  for (int i = 0; i < count; ++i) {
    const float x = random.Range(0, static_cast<float>(image.Width()));
    const float y = random.Range(0, horizon_y);
    const float fade = 1 - y / horizon_y;
    const float brightness = random.Range(0.3f, 1.0f) * fade;
    const Rgb tint = Mix(Rgb{255, 250, 230}, Rgb{200, 220, 255}, random.Unit());
    if (random.Unit() < 0.06f) {
      Glow(image, x, y, 5, tint, 0.8f * brightness);
    }
    image.Blend(static_cast<int>(x), static_cast<int>(y), tint, brightness);
  }
}

void PaintMoon(Image& image, float cx, float cy, float r) {
  Glow(image, cx, cy, r * 3.2f, Rgb{90, 90, 120}, 0.5f);
  Glow(image, cx, cy, r * 1.6f, Rgb{160, 150, 120}, 0.35f);
  Fill(image, Circle(cx, cy, r),
       RadialGradient(Rgb{255, 252, 230}, Rgb{232, 222, 180}, cx - r * 0.3f, cy - r * 0.3f,
                      r * 1.5f));
  // Faint seas.
  const Rgb sea{222, 212, 176};
  Fill(image, Ellipse(cx + r * 0.25f, cy - r * 0.2f, r * 0.28f, r * 0.2f), Solid(sea), Edge::kSoft,
       0.5f);
  Fill(image, Ellipse(cx - r * 0.3f, cy + r * 0.25f, r * 0.22f, r * 0.3f), Solid(sea), Edge::kSoft,
       0.4f);
  Fill(image, Ellipse(cx + r * 0.1f, cy + r * 0.45f, r * 0.18f, r * 0.12f), Solid(sea), Edge::kSoft,
       0.35f);
}

void PaintGate(Image& image, float cx, float ground_y, float width, float height, Rgb colour,
               Rgb lit) {
  const Paint paint = HorizontalGradient(lit, cx - width * 0.8f, colour, cx + width * 0.8f);
  const float top = ground_y - height;
  const float post_w = width * 0.09f;
  for (const float side : {-1.0f, 1.0f}) {
    const float x = cx + side * width / 2;
    Fill(image,
         Polygon({{x - post_w * 0.5f, top + height * 0.12f},
                  {x + post_w * 0.5f, top + height * 0.12f},
                  {x + post_w * 0.62f, ground_y},
                  {x - post_w * 0.62f, ground_y}}),
         paint);
    // Black foot of the post.
    Fill(image, Rect(x - post_w * 0.7f, ground_y - height * 0.07f, post_w * 1.4f, height * 0.07f),
         Solid(Rgb{25, 20, 22}));
  }
  // Tie beam, and the short centre post under the top beams.
  Fill(image, Rect(cx - width * 0.62f, top + height * 0.3f, width * 1.24f, height * 0.055f), paint);
  Fill(image, Rect(cx - post_w * 0.3f, top + height * 0.12f, post_w * 0.6f, height * 0.2f), paint);
  // Two top beams, the upper one black with ends turned up.
  Fill(image, Rect(cx - width * 0.68f, top + height * 0.09f, width * 1.36f, height * 0.05f), paint);
  std::vector<Point> kasagi;
  const float span = width * 0.8f;
  const int steps = 24;
  for (int i = 0; i <= steps; ++i) {
    const float dx = -span + 2 * span * i / steps;
    const float lift = std::pow(std::abs(dx) / span, 4.0f) * height * 0.07f;
    kasagi.push_back({cx + dx, top + height * 0.03f - lift});
  }
  for (int i = steps; i >= 0; --i) {
    const float dx = -span * 0.96f + 2 * span * 0.96f * i / steps;
    const float lift = std::pow(std::abs(dx) / span, 4.0f) * height * 0.06f;
    kasagi.push_back({cx + dx, top + height * 0.095f - lift});
  }
  Fill(image, Polygon(std::move(kasagi)),
       VerticalGradient(Rgb{60, 50, 55}, top, Rgb{20, 16, 20}, top + height * 0.1f));
}

void PaintRecess(Image& image, int x, int y, int w, int h, Rgb fill) {
  constexpr int kRim = 2;
  const Rgb shadow = Scale(fill, 0.45f);
  const Rgb light = Add(fill, Rgb{90, 90, 110}, 1.0f);
  for (int yy = y - kRim; yy < y + h + kRim; ++yy) {
    for (int xx = x - kRim; xx < x + w + kRim; ++xx) {
      const bool inside = xx >= x && yy >= y && xx < x + w && yy < y + h;
      if (inside) {
        image.Set(xx, yy, fill);
        continue;
      }
      // The rim: shadow on the upper and left sides, light on the others.
      const int from_left = xx - (x - kRim), from_top = yy - (y - kRim);
      const int from_right = (x + w + kRim - 1) - xx, from_bottom = (y + h + kRim - 1) - yy;
      const bool upper_left = std::min(from_left, from_top) < std::min(from_right, from_bottom);
      image.Blend(xx, yy, upper_left ? shadow : light, 0.8f);
    }
  }
}

void PaintCardBackground(Image& image, Rgb top, Rgb bottom, uint32_t seed) {
  FillAll(image, VerticalGradient(top, 0, bottom, static_cast<float>(image.Height())));
  Random random(seed);
  for (int i = 0; i < 14; ++i) {
    const float x = random.Range(0, static_cast<float>(image.Width()));
    const float y = random.Range(0, static_cast<float>(image.Height()) * 0.7f);
    const float r = random.Range(6, 18);
    Fill(image, Circle(x, y, r), Solid(Add(top, Rgb{255, 255, 255}, 0.25f)), Edge::kSoft,
         random.Range(0.15f, 0.35f));
  }
}

void PaintCardBorder(Image& image) {
  const float w = static_cast<float>(image.Width()), h = static_cast<float>(image.Height());
  Fill(image, Subtract(Rect(0, 0, w, h), Rect(3, 3, w - 6, h - 6)), Solid(Rgb{40, 28, 24}));
  Fill(image, Outline(Rect(5, 5, w - 10, h - 10), 0.9f),
       VerticalGradient(Rgb{236, 204, 120}, 0, Rgb{170, 120, 50}, h));
}

void PaintLanternLight(Image& image, float cx, float cy, float radius, Rgb colour) {
  Glow(image, cx, cy, radius, colour, 0.55f);
  Glow(image, cx, cy, radius * 0.35f, Rgb{255, 240, 200}, 0.6f);
}

}  // namespace demo
