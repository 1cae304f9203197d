// The drawing context's pixel, line and curve members, inversion and the
// stretched bitmap copies (a stretch between surfaces takes the blitter's
// fast path where nothing is clipped or converted).
#include <algorithm>

#include "platform/dib.h"
#include "platform/gdi/raster.h"
#include "platform/surface_fast.h"

namespace platform {

void DrawingContext::SetPixel(int x, int y, uint32_t color_ref) {
  if (valid_) target_.SetPixel(x, y, ColorRefToPixel(target_.Format(), color_ref));
}

uint32_t DrawingContext::GetPixel(int x, int y) const {
  if (!valid_ || x < 0 || y < 0 || x >= target_.Width() || y >= target_.Height())
    return 0xFFFFFFFF;  // the invalid colour
  return PixelToColorRef(target_.Format(), target_.GetPixel(x, y));
}

void DrawingContext::MoveTo(int x, int y) {
  current_ = {x, y};
}

void DrawingContext::LineTo(int x, int y) {
  if (valid_) gdi::StrokeSegment(target_, pen_, current_, {x, y});
  current_ = {x, y};
}

void DrawingContext::PolyBezier(std::span<const IntPoint> points) {
  if (!valid_ || points.size() < 4 || (points.size() - 1) % 3 != 0) return;
  gdi::StrokePolyline(target_, pen_, gdi::FlattenBeziers(points));
}

void DrawingContext::InvertRect(const Rect& rect) {
  if (!valid_) return;
  const int bits = target_.Format().bits_per_pixel;
  const uint32_t all = bits >= 32 ? 0xFFFFFFFF : (uint32_t{1} << bits) - 1;
  for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, target_.Height()); ++y)
    for (int x = std::max(rect.left, 0); x < std::min(rect.right, target_.Width()); ++x)
      target_.SetPixel(x, y, target_.GetPixel(x, y) ^ all);
}

void DrawingContext::StretchDib(const Rect& dst, const Dib& dib, const Rect& src) {
  if (valid_) DrawDib(target_, dst, dib, src);
}

void DrawingContext::StretchBlt(const Rect& dst, const Surface& src, const Rect& src_rect) {
  if (!valid_ || dst.Empty() || src_rect.Empty()) return;
  // Wholly inside both surfaces and in one format, nothing is clipped or
  // converted, and the loop below is the blitter's unkeyed stretch, whose
  // sampling it shares.
  if (src.Format() == target_.Format() && Inside(dst, target_.Bounds()) &&
      Inside(src_rect, src.Bounds()) && fast::Stretch(target_, dst, src, src_rect, false))
    return;
  reference::StretchBlt(target_, dst, src, src_rect);
}

void reference::StretchBlt(Surface& target, const Rect& dst, const Surface& src,
                           const Rect& src_rect) {
  if (dst.Empty() || src_rect.Empty()) return;
  for (int y = std::max(dst.top, 0); y < std::min(dst.bottom, target.Height()); ++y) {
    const int sy =
        reference::StretchSample(src_rect.top, src_rect.Height(), dst.Height(), y - dst.top);
    if (sy < 0 || sy >= src.Height()) continue;
    for (int x = std::max(dst.left, 0); x < std::min(dst.right, target.Width()); ++x) {
      const int sx =
          reference::StretchSample(src_rect.left, src_rect.Width(), dst.Width(), x - dst.left);
      if (sx < 0 || sx >= src.Width()) continue;
      const uint32_t raw = src.GetPixel(sx, sy);
      target.SetPixel(x, y,
                      src.Format() == target.Format()
                          ? raw
                          : ColorRefToPixel(target.Format(), PixelToColorRef(src.Format(), raw)));
    }
  }
}

}  // namespace platform
