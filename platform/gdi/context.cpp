// The drawing context's objects and state. Shapes and bitmaps are drawn in
// the files beside this one; text in platform/text/.
#include "platform/gdi.h"

namespace platform {

DrawingContext::DrawingContext(Surface& target) : target_(target) {
  valid_ = target_.Lock() != nullptr;
}

DrawingContext::~DrawingContext() {
  if (valid_) target_.Unlock();
}

Pen DrawingContext::SelectPen(const Pen& pen) {
  const Pen previous = pen_;
  pen_ = pen;
  return previous;
}

Brush DrawingContext::SelectBrush(const Brush& brush) {
  const Brush previous = brush_;
  brush_ = brush;
  return previous;
}

const Font* DrawingContext::SelectFont(const Font* font) {
  const Font* previous = font_;
  font_ = font;
  return previous;
}

uint32_t DrawingContext::SetTextColor(uint32_t color_ref) {
  const uint32_t previous = text_color_;
  text_color_ = color_ref & 0xFFFFFF;
  return previous;
}

uint32_t DrawingContext::SetBkColor(uint32_t color_ref) {
  const uint32_t previous = bk_color_;
  bk_color_ = color_ref & 0xFFFFFF;
  return previous;
}

BackgroundMode DrawingContext::SetBkMode(BackgroundMode mode) {
  const BackgroundMode previous = bk_mode_;
  bk_mode_ = mode;
  return previous;
}

}  // namespace platform
