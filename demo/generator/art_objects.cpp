// Front pictures and item icons. White is transparent in all of them, so
// every edge against the background is hard: a soft edge would mix in pale
// pixels that no longer match the key and show as a fringe.
#include <cmath>

#include "demo/generator/art.h"
#include "demo/generator/art_common.h"
#include "demo/generator/noise.h"

namespace demo {
namespace {

constexpr float kMid = kFrontSize / 2.0f;

// Fills with a hard dark outline `rim` pixels wide.
void FillOutlined(Image& image, const Shape& shape, const Paint& paint, Rgb outline, float rim) {
  Fill(image, Offset(shape, rim), Solid(outline), Edge::kHard);
  Fill(image, shape, paint, Edge::kHard);
}

// Flat two-tone colouring for the small pictures with few colours: `lit` on
// the side towards the upper-left light, `base` elsewhere.
Paint TwoTone(Rgb lit, Rgb base, float cx, float cy) {
  return [=](float x, float y) { return (x - cx) + (y - cy) < 0 ? lit : base; };
}

}  // namespace

Image PaintLantern() {
  Image image(kFrontSize, kFrontSize, kKeyWhite);
  const Rgb black{30, 24, 26};
  Fill(image, Outline(Circle(kMid, 14, 9), 1.6f), Solid(black), Edge::kHard);
  const Shape body = Intersect(Ellipse(kMid, 80, 54, 60), Rect(0, 28, kFrontSize, 106));
  FillOutlined(
      image, body,
      [](float x, float y) {
        const float d = std::hypot(x - kMid + 10, (y - 74) * 0.9f) / 62;
        if (d < 0.5f) return Mix(Rgb{255, 196, 120}, Rgb{236, 86, 56}, d * 2);
        return Mix(Rgb{236, 86, 56}, Rgb{130, 22, 26}, (d - 0.5f) * 2);
      },
      black, 1.2f);
  for (float y = 36; y < 132; y += 8) {
    Fill(image, Intersect(Offset(body, -1.5f), Rect(0, y, kFrontSize, 1.2f)),
         Solid(Rgb{120, 24, 24}), Edge::kSoft, 0.45f);
  }
  Fill(image, Circle(kMid, 78, 19), Solid(Rgb{252, 236, 206}));
  Fill(image, Outline(Circle(kMid, 78, 12), 2.2f), Solid(black));
  Fill(image, Circle(kMid, 78, 4), Solid(black));
  FillOutlined(image, RoundRect(kMid - 28, 20, 56, 12, 3), Solid(Rgb{50, 42, 44}), black, 1);
  FillOutlined(image, RoundRect(kMid - 28, 128, 56, 12, 3), Solid(Rgb{50, 42, 44}), black, 1);
  // Tassel.
  Fill(image, Rect(kMid - 1.5f, 140, 3, 6), Solid(Rgb{200, 160, 60}), Edge::kHard);
  for (int i = -3; i <= 3; ++i) {
    Fill(image, Segment({kMid + i * 1.2f, 146}, {kMid + i * 2.2f, 157}, 0.9f),
         Solid(Rgb{214, 170, 64}), Edge::kHard);
  }
  return image;
}

Image PaintBox() {
  Image image(kFrontSize, kFrontSize, kKeyWhite);
  const Rgb outline{60, 36, 24};
  const auto grain = [](Rgb base, uint32_t seed) -> Paint {
    return [=](float x, float y) {
      return Scale(base, 0.86f + 0.18f * FractalNoise(x / 30, y / 2.2f, 3, seed));
    };
  };
  const Shape top = Polygon({{22, 62}, {96, 38}, {142, 60}, {68, 86}});
  const Shape front = Polygon({{22, 62}, {68, 86}, {68, 138}, {22, 112}});
  const Shape side = Polygon({{68, 86}, {142, 60}, {142, 110}, {68, 138}});
  Fill(image, Offset(Union(Union(top, front), side), 1.5f), Solid(outline), Edge::kHard);
  Fill(image, top, grain(Rgb{214, 172, 118}, 61), Edge::kHard);
  Fill(image, front, grain(Rgb{168, 124, 82}, 62), Edge::kHard);
  Fill(image, side, grain(Rgb{134, 96, 62}, 63), Edge::kHard);
  // A purple cord tied across the lid and down the sides.
  const Rgb cord{124, 64, 156};
  Fill(image, Segment({45, 74}, {119, 49}, 2.4f), Solid(cord), Edge::kHard);
  Fill(image, Segment({59, 50}, {105, 73}, 2.4f), Solid(cord), Edge::kHard);
  Fill(image, Segment({45, 74}, {45, 121}, 2.4f), Solid(cord), Edge::kHard);
  Fill(image, Segment({105, 73}, {105, 116}, 2.4f), Solid(cord), Edge::kHard);
  Fill(image, Ellipse(72, 56, 11, 6), Solid(cord), Edge::kHard);
  Fill(image, Ellipse(92, 56, 11, 6), Solid(cord), Edge::kHard);
  Fill(image, Circle(82, 60, 4.5f), Solid(Rgb{90, 40, 120}), Edge::kHard);
  return image;
}

Image PaintMask() {
  Image image(kFrontSize, kFrontSize, kKeyWhite);
  const Rgb black{34, 22, 26}, face{246, 242, 234}, shade{222, 214, 214}, red{212, 40, 44},
      gold{232, 182, 60}, pink{240, 150, 164};
  // Cords behind the mask.
  Fill(image, Segment({8, 96}, {34, 92}, 2), Solid(red), Edge::kHard);
  Fill(image, Segment({126, 92}, {152, 96}, 2), Solid(red), Edge::kHard);
  const Shape ears =
      Union(Polygon({{34, 70}, {40, 14}, {72, 48}}), Polygon({{126, 70}, {120, 14}, {88, 48}}));
  const Shape head =
      Union(Ellipse(kMid, 82, 48, 44), Polygon({{52, 100}, {108, 100}, {88, 150}, {72, 150}}));
  FillOutlined(
      image, Union(ears, head),
      [&](float x, float y) { return y - 0.3f * (x - kMid) > 108 ? shade : face; }, black, 1.5f);
  Fill(image, Polygon({{42, 60}, {45, 26}, {64, 48}}), Solid(pink), Edge::kHard);
  Fill(image, Polygon({{118, 60}, {115, 26}, {96, 48}}), Solid(pink), Edge::kHard);
  // Slanted eye holes with gold rims under red markings.
  for (const float side : {-1.0f, 1.0f}) {
    const Shape eye =
        Polygon({{kMid + side * 12, 86}, {kMid + side * 34, 72}, {kMid + side * 30, 84}});
    Fill(image, Offset(eye, 2.5f), Solid(gold), Edge::kHard);
    Fill(image, eye, Solid(black), Edge::kHard);
    Fill(image, Segment({kMid + side * 14, 70}, {kMid + side * 38, 58}, 3.2f), Solid(red),
         Edge::kHard);
    Fill(image, Segment({kMid + side * 18, 108}, {kMid + side * 36, 102}, 1.6f), Solid(red),
         Edge::kHard);
  }
  Fill(image,
       Union(Circle(kMid, 56, 5), Polygon({{kMid - 4.6f, 54}, {kMid + 4.6f, 54}, {kMid, 40}})),
       Solid(red), Edge::kHard);
  Fill(image, Ellipse(kMid, 144, 7, 5), Solid(black), Edge::kHard);
  Fill(image, Segment({kMid - 10, 132}, {kMid + 10, 132}, 1.2f), Solid(red), Edge::kHard);
  return image;
}

Image PaintKeyItem() {
  Image image(kItemSize, kItemSize, kKeyWhite);
  const Rgb dark{104, 72, 20}, base{206, 158, 52}, lit{250, 216, 120};
  const Shape key = Union(Union(Outline(Circle(10, 10, 6), 2.2f), Segment({14, 14}, {27, 27}, 2)),
                          Union(Polygon({{22, 26}, {26, 22}, {20, 28}}), Rect(19, 22, 4, 4)));
  const Shape teeth = Union(Rect(23, 26, 3, 5), Rect(19, 22, 3, 5));
  const Shape whole = Union(key, teeth);
  FillOutlined(image, whole, TwoTone(lit, base, 16, 16), dark, 1);
  return image;
}

Image PaintBellItem() {
  Image image(kItemSize, kItemSize, kKeyWhite);
  const Rgb dark{110, 70, 16}, base{222, 170, 50}, lit{252, 226, 130}, red{200, 40, 50};
  Fill(image, Segment({16, 2}, {16, 8}, 1.2f), Solid(red), Edge::kHard);
  FillOutlined(image, Outline(Circle(16, 8, 2.5f), 0.9f), Solid(base), dark, 0.6f);
  const Shape ball = Circle(16, 19, 10.5f);
  FillOutlined(
      image, ball,
      [&](float x, float y) {
        const float d = std::hypot(x - 12.5f, y - 15.5f);
        return d < 3.5f ? lit : (d < 11 ? base : Scale(base, 0.8f));
      },
      dark, 1);
  Fill(image, Rect(8, 21, 16, 2), Solid(dark), Edge::kHard);
  Fill(image, Circle(16, 25.5f, 1.6f), Solid(dark), Edge::kHard);
  return image;
}

Image PaintCharmItem() {
  Image image(kItemSize, kItemSize, kKeyWhite);
  const Rgb dark{90, 16, 24}, base{200, 36, 48}, lit{236, 84, 90}, gold{232, 186, 70},
      paper{246, 240, 226}, ink{40, 30, 30}, cord{120, 60, 150};
  Fill(image, Outline(Ellipse(16, 5, 4, 3), 1.2f), Solid(cord), Edge::kHard);
  const Shape pouch = RoundRect(7, 7, 18, 23, 3);
  FillOutlined(image, pouch, TwoTone(lit, base, 16, 18), dark, 1);
  Fill(image, Rect(8, 10, 16, 1.5f), Solid(gold), Edge::kHard);
  Fill(image, Rect(8, 26, 16, 1.5f), Solid(gold), Edge::kHard);
  Fill(image, Rect(12.5f, 13, 7, 11), Solid(paper), Edge::kHard);
  for (const float y : {15.0f, 18.0f, 21.0f}) {
    Fill(image, Rect(14, y, 4, 1), Solid(ink), Edge::kHard);
  }
  Fill(image, Rect(15.5f, 14, 1, 9), Solid(ink), Edge::kHard);
  return image;
}

}  // namespace demo
