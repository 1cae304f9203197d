// The fixed pictures of the "lyout" folder: start-up logo, title, backdrop,
// message-window frame and pointer.
#include <cmath>

#include "demo/generator/art.h"
#include "demo/generator/art_common.h"
#include "demo/generator/noise.h"
#include "demo/generator/pixel_font.h"

namespace demo {
namespace {

// A ridge line of hills: base height with smooth noise.
std::function<float(float)> Ridge(float base_y, float amplitude, float scale, uint32_t seed) {
  return [=](float x) { return base_y - amplitude * FractalNoise(x / scale, 0.5f, 4, seed); };
}

void PaintTitleText(Image& image) {
  const int centre = kScreenWidth / 2;
  const std::string_view title = "THE FOX LANTERN";
  DrawTextCentred(image, centre + 3, 63, title, 5, Rgb{20, 10, 30});
  DrawTextCentred(image, centre, 60, title, 5, Rgb{250, 214, 120});
  DrawTextCentred(image, centre, 112, "KITSUNE NO CHOCHIN", 2, Rgb{220, 200, 230});
  DrawTextCentred(image, centre, 446, "CLICK TO BEGIN", 2, Rgb{235, 230, 215});
}

}  // namespace

Image PaintStartLogo() {
  Image image(kLogoSize, kLogoSize, Rgb{0, 0, 0});
  const float cx = 50, cy = 42, r = 32;
  Fill(image, Circle(cx, cy, r),
       VerticalGradient(Rgb{40, 110, 150}, cy - r, Rgb{16, 40, 90}, cy + r));
  // Waves in the lower half of the disc.
  const Shape disc = Circle(cx, cy, r - 1);
  for (int i = 0; i < 3; ++i) {
    const float wy = cy + 8 + i * 8.0f;
    for (int k = -2; k <= 2; ++k) {
      const float wx = cx + k * 16 + (i % 2) * 8;
      Fill(image, Intersect(disc, Outline(Circle(wx, wy + 8, 8), 1.1f)), Solid(Rgb{140, 200, 220}));
    }
  }
  // A crescent moon above them.
  Fill(image, Subtract(Circle(cx - 4, cy - 10, 12), Circle(cx + 2, cy - 14, 11)),
       Solid(Rgb{250, 224, 140}));
  Fill(image, Outline(Circle(cx, cy, r), 1.2f), Solid(Rgb{210, 190, 130}));
  DrawTextCentred(image, 50, 82, "AOAT", 2, Rgb{220, 220, 226});
  return image;
}

Image PaintTitle() {
  Image image(kScreenWidth, kScreenHeight);
  FillAll(image, [](float, float y) {
    if (y < 250) return Mix(Rgb{10, 12, 38}, Rgb{62, 38, 92}, y / 250);
    return Mix(Rgb{62, 38, 92}, Rgb{214, 116, 84}, (y - 250) / 130);
  });
  PaintStars(image, 300, 420, 7);
  PaintMoon(image, 500, 150, 46);
  FillBelow(image, Ridge(330, 90, 160, 11),
            VerticalGradient(Rgb{70, 50, 100}, 240, Rgb{90, 60, 100}, 380));
  FillBelow(image, Ridge(370, 70, 110, 12),
            VerticalGradient(Rgb{40, 30, 70}, 300, Rgb{55, 38, 75}, 420));
  // The hill with the gate, and the near ground.
  FillBelow(
      image, [](float x) { return 392 - 46 * std::exp(-std::pow((x - 170) / 150, 2.0f)); },
      Solid(Rgb{18, 14, 30}));
  PaintGate(image, 170, 352, 120, 130, Rgb{30, 16, 26}, Rgb{60, 26, 36});
  // Fox fires drifting over the fields.
  Random random(31);
  for (int i = 0; i < 9; ++i) {
    const float x = random.Range(60, 600), y = random.Range(330, 430);
    PaintLanternLight(image, x, y, random.Range(10, 22), Rgb{120, 200, 170});
  }
  PaintLanternLight(image, 170, 330, 40, Rgb{255, 150, 60});
  Fill(image, Ellipse(170, 330, 7, 9), Solid(Rgb{255, 170, 80}));
  PaintTitleText(image);
  return image;
}

Image PaintBackdrop() {
  Image image(kScreenWidth, kScreenHeight);
  constexpr float kRadius = 24;
  const Rgb deep{22, 26, 52}, line{40, 48, 86};
  FillAll(image, [&](float x, float y) {
    // Overlapping wave circles; rows further down lie on top.
    const int row = static_cast<int>(std::floor(y / (kRadius / 2)));
    for (int j = row + 2; j >= row - 2; --j) {
      const float cy = j * kRadius / 2;
      const float shift = (j & 1) != 0 ? kRadius : 0;
      const float cx = std::round((x - shift) / (2 * kRadius)) * 2 * kRadius + shift;
      const float d = std::hypot(x - cx, y - cy);
      if (d < kRadius) {
        const float ring = d / (kRadius / 4);
        const bool on_line = ring - std::floor(ring) < 0.28f;
        const Rgb base = Mix(deep, Rgb{30, 34, 66}, y / kScreenHeight);
        return on_line ? Mix(base, line, 0.8f) : base;
      }
    }
    return deep;
  });
  const Rgb panel{12, 14, 28};
  for (const PanelRect& p : {kScenePanel, kPersonPanel, kItemPanel, kMenuPanel}) {
    PaintRecess(image, p.x, p.y, p.w, p.h, panel);
  }
  return image;
}

Image PaintWindowFrame() {
  Image image(kFrameWidth, kFrameHeight, kKeyWhite);
  const float w = kFrameWidth, h = kFrameHeight;
  const Shape outer = RoundRect(0.5f, 0.5f, w - 1, h - 1, 14);
  // Lacquered rim (hard outer edge: no pale fringe against the key).
  Fill(image, outer, VerticalGradient(Rgb{120, 36, 32}, 0, Rgb{66, 16, 18}, h), Edge::kHard);
  const Shape paper = RoundRect(7, 7, w - 14, h - 14, 9);
  Fill(image, paper, [&](float x, float y) {
    const float fibre = FractalNoise(x / 3.0f, y / 14.0f, 3, 5);
    const Rgb base = Mix(Rgb{250, 245, 230}, Rgb{234, 225, 202}, y / h);
    return Scale(base, 0.97f + 0.05f * fibre);
  });
  Fill(image, Outline(RoundRect(4, 4, w - 8, h - 8, 11), 0.9f), Solid(Rgb{214, 176, 92}));
  // Small gold studs at the corners of the rim.
  for (const Point p : {Point{14, 4}, Point{w - 14, 4}, Point{14, h - 4}, Point{w - 14, h - 4}}) {
    Fill(image, Circle(p.x, p.y, 2.2f), Rounded(Rgb{230, 190, 100}, p.x, p.y, 2.2f, 2.2f));
  }
  return image;
}

Image PaintPointer() {
  Image image(kPointerWidth, kPointerHeight, kKeyWhite);
  const Shape arrow = Polygon({{0.5f, 0.5f},
                               {0.5f, 17.0f},
                               {4.6f, 13.4f},
                               {7.4f, 20.2f},
                               {10.2f, 19.0f},
                               {7.4f, 12.4f},
                               {12.5f, 12.4f}});
  Fill(image, arrow, Solid(Rgb{20, 16, 24}), Edge::kHard);
  Fill(image, Offset(arrow, -1.1f), VerticalGradient(Rgb{255, 236, 170}, 1, Rgb{228, 160, 60}, 19),
       Edge::kHard);
  return image;
}

}  // namespace demo
