// The reference loops: one pixel at a time through GetPixel/SetPixel. They
// define what every blit draws; the fast paths are tested against them.
#include <vector>

#include "platform/surface.h"

namespace platform::reference {
namespace {

bool Transparent(const Surface& src, bool keyed, uint32_t value) {
  return keyed && src.ColorKey().has_value() && value == *src.ColorKey();
}

}  // namespace

void Copy(Surface& dst, int dst_x, int dst_y, const Surface& src, const Rect& src_rect,
          bool keyed) {
  // The source is read whole before anything is written, so that a copy
  // within one surface behaves as a copy between two.
  std::vector<uint32_t> pixels;
  pixels.reserve(static_cast<size_t>(src_rect.Width()) * src_rect.Height());
  for (int y = src_rect.top; y < src_rect.bottom; ++y)
    for (int x = src_rect.left; x < src_rect.right; ++x) pixels.push_back(src.GetPixel(x, y));
  size_t i = 0;
  for (int y = 0; y < src_rect.Height(); ++y) {
    for (int x = 0; x < src_rect.Width(); ++x, ++i) {
      if (!Transparent(src, keyed, pixels[i])) dst.SetPixel(dst_x + x, dst_y + y, pixels[i]);
    }
  }
}

void Stretch(Surface& dst, const Rect& dst_rect, const Surface& src, const Rect& src_rect,
             bool keyed) {
  std::vector<uint32_t> pixels;
  pixels.reserve(static_cast<size_t>(dst_rect.Width()) * dst_rect.Height());
  for (int y = 0; y < dst_rect.Height(); ++y) {
    const int sy = StretchSample(src_rect.top, src_rect.Height(), dst_rect.Height(), y);
    for (int x = 0; x < dst_rect.Width(); ++x) {
      const int sx = StretchSample(src_rect.left, src_rect.Width(), dst_rect.Width(), x);
      pixels.push_back(src.GetPixel(sx, sy));
    }
  }
  size_t i = 0;
  for (int y = 0; y < dst_rect.Height(); ++y) {
    for (int x = 0; x < dst_rect.Width(); ++x, ++i) {
      if (!Transparent(src, keyed, pixels[i]))
        dst.SetPixel(dst_rect.left + x, dst_rect.top + y, pixels[i]);
    }
  }
}

void Fill(Surface& dst, const Rect& clipped_rect, uint32_t raw) {
  for (int y = clipped_rect.top; y < clipped_rect.bottom; ++y)
    for (int x = clipped_rect.left; x < clipped_rect.right; ++x) dst.SetPixel(x, y, raw);
}

}  // namespace platform::reference
