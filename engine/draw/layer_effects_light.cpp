// Light rays: every lit pixel of a sprite sends its colour, weakened step by
// step and flickering, along up to eight directions onto the back surface.
#include <algorithm>

#include "engine/draw/internal/layer_animation.h"
#include "engine/draw/internal/layer_frame.h"

namespace {

using pixel16::Channels;

constexpr int kRaySteps = 31;
constexpr int kRandomListSize = sizeof(elEffect::FireRandomList);

struct Direction {
  int bit, dx, dy;
};
constexpr Direction kDirections[] = {
    {0x01, -1, 1}, {0x02, 0, 1},   {0x04, 1, 1},  {0x08, -1, 0},
    {0x10, 1, 0},  {0x20, -1, -1}, {0x40, 0, -1}, {0x80, 1, -1},
};

// The back surface's pixels a ray may light: the virtual screen, kept on the
// surface.
struct Bounds {
  int left, top, right, bottom;
  bool Contain(int64_t x, int64_t y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
};

Bounds RayBounds() {
  return {std::max(elDraw::Vx1, 0), std::max(elDraw::Vy1, 0),
          std::min(elDraw::Vx2, DDBack->Width()), std::min(elDraw::Vy2, DDBack->Height())};
}

// A light amount: the channel shifted right (by 0 to 31 places), less the
// flicker, never below 0.
int Amount(int channel, int shift, int flicker) {
  return std::max(0, (channel >> std::clamp(shift, 0, 31)) - flicker);
}

void AddLight(uint16_t& pixel, const Channels& light) {
  const Channels c = pixel16::Five(pixel);
  pixel = pixel16::PackFive(std::min(31, c.r + light.r), std::min(31, c.g + light.g),
                            std::min(31, c.b + light.b));
}

// The rays from back-surface pixel (x, y): the amounts drop by one per step
// and the rays end when all three are spent or at the bounds.
void CastRays(el::draw::LayerFrame& frame, const Bounds& bounds, int x, int y, Channels light,
              int directions) {
  for (int step = 1; step <= kRaySteps; ++step) {
    light = {std::max(0, light.r - 1), std::max(0, light.g - 1), std::max(0, light.b - 1)};
    if (light.r == 0 && light.g == 0 && light.b == 0) return;
    for (const Direction& d : kDirections) {
      if ((directions & d.bit) == 0) continue;
      const int64_t rx = x + int64_t{d.dx} * step, ry = y + int64_t{d.dy} * step;
      if (bounds.Contain(rx, ry)) AddLight(frame.BackRow(static_cast<int>(ry))[rx], light);
    }
  }
}

}  // namespace

int elDraw::LightLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Red,
                       int Green, int Blue, int Dir, int Show) {
  el::draw::LayerFrame frame(Px, Py, ObjDD, X1, Y1, X2, Y2);
  if (!frame.Ready()) return frame.Result();
  const Bounds bounds = RayBounds();
  int& index = el::draw::Animation().light_index;
  for (int y = 0; y < frame.Height(); ++y) {
    for (int x = 0; x < frame.Width(); ++x) {
      const uint16_t s = frame.Src(y)[x];
      if (s == 0) continue;
      if (Show != 0) frame.Dst(y)[x] = s;
      index = std::clamp(index, 0, kRandomListSize - 1);
      const int flicker = elEffect::FireRandomList[index];
      index = (index + 1) % kRandomListSize;
      const Channels c = pixel16::Five(s);
      const Channels light{Amount(c.r, Red, flicker), Amount(c.g, Green, flicker),
                           Amount(c.b, Blue, flicker)};
      CastRays(frame, bounds, frame.DestX() + x, frame.DestY() + y, light, Dir);
    }
  }
  return 1;
}
