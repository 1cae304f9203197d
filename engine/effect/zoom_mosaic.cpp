// Magnification of a rectangle of the back surface through the Buffer
// sprite, and the circular mosaic.
#include <algorithm>
#include <cmath>

#include "engine/draw/internal/draw.h"
#include "engine/draw/internal/pixel16.h"

namespace {

// Magnifies by `factor`; a mesh fills only the top-left `factor` / 2 square
// of each block. Only source pixels on the back surface whose blocks fit the
// Buffer sprite are taken.
int Zoom(int factor, int px, int py, unsigned width, unsigned height, int mesh) {
  int shown_w = 0, shown_h = 0;
  {
    pixel16::Lock buffer(el::draw::SurfaceOf(0));
    if (!buffer.Ok()) return 0;
    pixel16::Lock back(DDBack.get());
    if (!back.Ok()) return 0;
    shown_w = static_cast<int>(std::min<int64_t>(width, buffer.Width() / factor));
    shown_h = static_cast<int>(std::min<int64_t>(height, buffer.Height() / factor));
    const int dot = mesh == 0 ? factor : factor / 2;
    const int x_from = std::max(0, -px), y_from = std::max(0, -py);
    const auto x_to = static_cast<int>(std::min<int64_t>(shown_w, int64_t{back.Width()} - px));
    const auto y_to = static_cast<int>(std::min<int64_t>(shown_h, int64_t{back.Height()} - py));
    for (int y = y_from; y < y_to; ++y) {
      const uint16_t* src = back.Row(py + y);
      for (int dy = 0; dy < dot; ++dy) {
        uint16_t* dst = buffer.Row(y * factor + dy);
        for (int x = x_from; x < x_to; ++x) std::fill_n(dst + x * factor, dot, src[px + x]);
      }
    }
  }
  elDraw::DirectLayer(px, py, 0, 0, 0, shown_w * factor, shown_h * factor);
  return 1;
}

}  // namespace

int elEffect::Zoom2(int Px, int Py, unsigned Width, unsigned Height, int Mesh) {
  return Zoom(2, Px, Py, Width, Height, Mesh);
}

int elEffect::Zoom4(int Px, int Py, unsigned Width, unsigned Height, int Mesh) {
  return Zoom(4, Px, Py, Width, Height, Mesh);
}

int elEffect::Mosaic(int Px, int Py, int Radius, int Size) {
  // A cell of no size would never advance.
  if (Size < 1) return 0;
  pixel16::Lock back(DDBack.get());
  if (!back.Ok()) return 0;
  const int64_t screen_w = std::min(elDraw::Width, back.Width());
  const int64_t screen_h = std::min(elDraw::Height, back.Height());
  const int64_t x_start = std::max<int64_t>(-int64_t{Radius}, -int64_t{Px});
  const int64_t y_start = std::max<int64_t>(-int64_t{Radius}, -int64_t{Py});
  const int64_t x_end = std::min<int64_t>(Radius, screen_w - Px);
  const int64_t y_end = std::min<int64_t>(Radius, screen_h - Py);
  for (int64_t y = y_start; y < y_end; y += Size) {
    const int64_t cell_h = std::min<int64_t>(Size, screen_h - (Py + y));
    for (int64_t x = x_start; x < x_end; x += Size) {
      const int64_t cell_w = std::min<int64_t>(Size, screen_w - (Px + x));
      const uint16_t colour = back.At(static_cast<int>(Px + x), static_cast<int>(Py + y));
      for (int64_t y2 = 0; y2 < cell_h; ++y2) {
        uint16_t* row = back.Row(static_cast<int>(Py + y + y2));
        for (int64_t x2 = x; x2 < x + cell_w; ++x2) {
          const auto dist =
              static_cast<int64_t>(std::sqrt(static_cast<double>(x2 * x2 + (y + y2) * (y + y2))));
          if (dist < Radius) row[Px + x2] = colour;
        }
      }
    }
  }
  return 1;
}
