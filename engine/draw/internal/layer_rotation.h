// The inverse rotation shared by the rotated copies: the source position of a
// destination pixel in fixed point with scale 360, the picture's part of the
// source rectangle, and the destination pixels that may be written.
#pragma once

#include <algorithm>
#include <cstdint>

#include "engine/draw/internal/pixel16.h"

namespace el::draw {

class InverseRotation {
 public:
  // A destination of `width` x `height` pixels turned by `angle` degrees
  // about its centre; (offset_x, offset_y) centres the picture in it.
  InverseRotation(int64_t width, int64_t height, int64_t offset_x, int64_t offset_y, int angle)
      : cx_(width >> 1), cy_(height >> 1), ox_(offset_x), oy_(offset_y) {
    const int a = ((angle % 360) + 360) % 360;
    s_ = elDraw::RotateData[a];
    k_ = elDraw::RotateData[a + 90];
  }
  // Source column and row (before any zoom or tiling) of destination column
  // c and row r, counted from the destination's top-left corner; the
  // division truncates toward zero.
  int64_t U(int64_t c, int64_t r) const {
    return (360 * cx_ + (c - cx_) * k_ - (r - cy_) * s_) / 360 - ox_;
  }
  int64_t V(int64_t c, int64_t r) const {
    return (360 * cy_ + (c - cx_) * s_ + (r - cy_) * k_) / 360 - oy_;
  }

 private:
  int64_t cx_, cy_, ox_, oy_;
  int64_t s_ = 0, k_ = 0;
};

// Left, top, right and bottom (exclusive) of a rectangle in 64 bits.
struct Span2D {
  int64_t left, top, right, bottom;
  int64_t Width() const { return right - left; }
  int64_t Height() const { return bottom - top; }
};

// The part of the source rectangle that the sprite has.
inline Span2D PictureArea(const pixel16::Lock& source, int x1, int y1, int x2, int y2) {
  return {std::max(x1, 0), std::max(y1, 0), std::min(x2, source.Width()),
          std::min(y2, source.Height())};
}

// The destination pixels inside the virtual screen and the back surface.
inline Span2D WritableArea(const pixel16::Lock& back, int px1, int py1, int px2, int py2) {
  return {std::max<int64_t>({px1, elDraw::Vx1, 0}), std::max<int64_t>({py1, elDraw::Vy1, 0}),
          std::min<int64_t>({px2, elDraw::Vx2, back.Width()}),
          std::min<int64_t>({py2, elDraw::Vy2, back.Height()})};
}

}  // namespace el::draw
