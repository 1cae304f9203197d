// A display for the layer-effect tests: sprites of given or numbered pixels,
// whole-screen fills and read-back, the animation state and the frame time
// back at their start values.
#pragma once

#include <cstdlib>
#include <vector>

#include "engine/draw/internal/layer_animation.h"
#include "tests/engine/draw_fixture.h"

namespace test_support {

using Rows = std::vector<std::vector<uint16_t>>;

// A 5-6-5 pixel from 5-bit channels (green at its top five bits).
constexpr uint16_t P5(int r, int g, int b) {
  return static_cast<uint16_t>(r << 11 | g << 6 | b);
}
constexpr uint16_t kBlue = 0x001F, kWhite = 0xFFFF;
// A pixel that names its place in a numbered sprite (never 0).
constexpr uint16_t N(int x, int y) {
  return static_cast<uint16_t>(x + 32 * y + 1);
}

// The moving effects' state and the tunnel table start as at program start:
// the display fixture's engine reset puts them there.
class LayerEffectTest : public DisplayTest {
 protected:
  static int Make(const Rows& rows) {
    const int n =
        elDraw::CreateObject(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), 2);
    for (size_t y = 0; y < rows.size(); ++y)
      for (size_t x = 0; x < rows[y].size(); ++x)
        Sprite[n].Object->SetPixel(static_cast<int>(x), static_cast<int>(y), rows[y][x]);
    return n;
  }
  static int Numbered(int w, int h) {
    Rows rows(h, std::vector<uint16_t>(w));
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) rows[y][x] = N(x, y);
    return Make(rows);
  }
  static void Fill(uint16_t raw) { elDraw::ColorFill(0, 0, 640, 480, raw); }
  // The whole back surface, to tell that nothing was drawn.
  static std::vector<uint16_t> Screen() {
    std::vector<uint16_t> pixels;
    pixels.reserve(640 * 480);
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) pixels.push_back(static_cast<uint16_t>(Back(x, y)));
    return pixels;
  }
  // Row `y` of the back surface from column `x`, `count` pixels.
  static std::vector<uint16_t> BackRow(int x, int y, int count) {
    std::vector<uint16_t> row;
    for (int i = 0; i < count; ++i) row.push_back(static_cast<uint16_t>(Back(x + i, y)));
    return row;
  }
  // Row `y` of a numbered sprite, `count` pixels from column `x`.
  static std::vector<uint16_t> NumberedRow(int x, int y, int count) {
    std::vector<uint16_t> row;
    for (int i = 0; i < count; ++i) row.push_back(N(x + i, y));
    return row;
  }
};

}  // namespace test_support
