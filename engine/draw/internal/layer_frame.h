// The common frame of the software layer effects: the source rectangle kept
// inside its sprite, the clip against the virtual screen (and the back
// surface), and both surfaces locked for the call.
#pragma once

#include <optional>

#include "engine/draw/internal/pixel16.h"

namespace el::draw {

class LayerFrame {
 public:
  // Clips and locks; Result() then tells what an effect returns when it
  // cannot draw: 1 for an empty clip, 0 for a failed lock.
  LayerFrame(int px, int py, int sprite, int x1, int y1, int x2, int y2);

  bool Ready() const { return ready_; }
  int Result() const { return result_; }

  int Width() const { return width_; }    // Ex
  int Height() const { return height_; }  // Ey
  int DestX() const { return dest_x_; }
  int DestY() const { return dest_y_; }
  // Source row y of the drawn area (0 = its top), from its left column.
  const uint16_t* Src(int y) { return source_->Row(source_y_ + y) + source_x_; }
  uint16_t* Dst(int y) { return back_->Row(dest_y_ + y) + dest_x_; }
  // The whole back surface row (edge fills reach left of the area).
  uint16_t* BackRow(int y) { return back_->Row(y); }
  // The whole sprite row and the sprite column that show at row y and column
  // x of the drawn area, straight or mirrored: a mirrored copy counts from
  // the bottom and right of the rectangle as it was before the clip.
  const uint16_t* SpriteRow(int y, bool mirrored) {
    return source_->Row(mirrored ? whole_bottom_ - 1 - cut_top_ - y : source_y_ + y);
  }
  int SpriteColumn(int x, bool mirrored) const {
    return mirrored ? whole_right_ - 1 - cut_left_ - x : source_x_ + x;
  }

 private:
  bool ready_ = false;
  int result_ = 1;
  int width_ = 0, height_ = 0;
  int dest_x_ = 0, dest_y_ = 0, source_x_ = 0, source_y_ = 0;
  int whole_right_ = 0, whole_bottom_ = 0, cut_left_ = 0, cut_top_ = 0;
  std::optional<pixel16::Lock> source_;
  std::optional<pixel16::Lock> back_;
};

// Runs the layer effects' plain reference loops instead of their fast rows,
// so that tests can compare the two pixel for pixel.
extern bool g_reference_layer_loops;

// The plain loop that defines a per-pixel rule: every non-zero source pixel s
// of the drawn area replaces its destination pixel d by rule(s, d, x, y), with
// x, y counted from the area's top-left corner.
template <typename Rule>
void ReferenceRows(LayerFrame& frame, Rule rule) {
  for (int y = 0; y < frame.Height(); ++y) {
    const uint16_t* src = frame.Src(y);
    uint16_t* dst = frame.Dst(y);
    for (int x = 0; x < frame.Width(); ++x)
      if (src[x] != 0) dst[x] = rule(src[x], dst[x], x, y);
  }
}

// The same pixels without a branch per pixel: the rule is worked out for
// every pixel and a mask of the non-zero sources selects it (a branch on a
// picture with holes mispredicts at every other pixel, and a conditional
// store does not vectorise).
template <typename Rule>
void SelectRow(uint16_t* __restrict dst, const uint16_t* __restrict src, int width, int y,
               Rule rule) {
  for (int x = 0; x < width; ++x) {
    const uint16_t s = src[x], d = dst[x];
    const auto take = static_cast<uint16_t>(-static_cast<int>(s != 0));
    dst[x] = static_cast<uint16_t>((rule(s, d, x, y) & take) | (d & ~take));
  }
}

// The frame around a per-pixel rule, drawn by SelectRow.
template <typename Rule>
int DrawLayer(int px, int py, int sprite, int x1, int y1, int x2, int y2, Rule rule) {
  LayerFrame frame(px, py, sprite, x1, y1, x2, y2);
  if (!frame.Ready()) return frame.Result();
  if (g_reference_layer_loops) {
    ReferenceRows(frame, rule);
    return 1;
  }
  for (int y = 0; y < frame.Height(); ++y)
    SelectRow(frame.Dst(y), frame.Src(y), frame.Width(), y, rule);
  return 1;
}

// The frame around a per-pixel rule whose whole rows have a faster form:
// row(dst, src, width) must draw what the reference loop of `rule` draws.
template <typename Rule, typename Row>
int DrawLayerRows(int px, int py, int sprite, int x1, int y1, int x2, int y2, Rule rule, Row row) {
  LayerFrame frame(px, py, sprite, x1, y1, x2, y2);
  if (!frame.Ready()) return frame.Result();
  if (g_reference_layer_loops) {
    ReferenceRows(frame, rule);
    return 1;
  }
  for (int y = 0; y < frame.Height(); ++y) row(frame.Dst(y), frame.Src(y), frame.Width());
  return 1;
}

}  // namespace el::draw
