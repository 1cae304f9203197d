// The common frame of the software layer effects.
#include "engine/draw/internal/layer_frame.h"

#include <algorithm>

#include "engine/draw/internal/draw.h"

namespace el::draw {

LayerFrame::LayerFrame(int px, int py, int sprite, int x1, int y1, int x2, int y2) {
  platform::Surface* source = SurfaceOf(sprite);
  // A rectangle reaching outside its sprite would read outside the picture:
  // only the part the sprite has is drawn, where it would have landed.
  int64_t left = x1, top = y1, right = x2, bottom = y2, at_x = px, at_y = py;
  if (source != nullptr) {
    if (left < 0) at_x -= left, left = 0;
    if (top < 0) at_y -= top, top = 0;
    right = std::min<int64_t>(right, source->Width());
    bottom = std::min<int64_t>(bottom, source->Height());
  }
  // The virtual screen, kept inside the back surface for the same reason.
  platform::Rect bounds = VirtualRect();
  if (DDBack) {
    bounds.left = std::max(bounds.left, 0), bounds.top = std::max(bounds.top, 0);
    bounds.right = std::min(bounds.right, DDBack->Width());
    bounds.bottom = std::min(bounds.bottom, DDBack->Height());
  }
  const auto clipped = ClipLayer(at_x, at_y, left, top, right, bottom, bounds);
  if (!clipped) return;  // result 1, nothing locked
  result_ = 0;
  // Rectangles made empty by the sprite's own edges stay empty, not negative.
  width_ = std::max(0, clipped->source.Width());
  height_ = std::max(0, clipped->source.Height());
  dest_x_ = clipped->px, dest_y_ = clipped->py;
  source_x_ = clipped->source.left, source_y_ = clipped->source.top;
  whole_right_ = static_cast<int>(right), whole_bottom_ = static_cast<int>(bottom);
  cut_left_ = static_cast<int>(dest_x_ - at_x), cut_top_ = static_cast<int>(dest_y_ - at_y);
  source_.emplace(source);
  if (!source_->Ok()) return;
  back_.emplace(DDBack.get());
  if (!back_->Ok()) return;
  result_ = 1;
  ready_ = true;
}

}  // namespace el::draw
