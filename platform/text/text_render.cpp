#include "platform/text/text_render.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform::text {
namespace {

// Writes one raw pixel value; the pixel size is chosen once per span.
class PixelWriter {
 public:
  PixelWriter(Surface& surface, uint32_t raw)
      : surface_(surface), raw_(raw), bytes_(surface.Format().BytesPerPixel()) {}

  void Span(int y, int x0, int x1) {
    uint8_t* row = surface_.Row(y);
    for (int x = x0; x < x1; ++x) Put(row + static_cast<ptrdiff_t>(x) * bytes_);
  }
  void Pixel(int x, int y) { Put(surface_.Row(y) + static_cast<ptrdiff_t>(x) * bytes_); }
  // The pixels from x0 on whose coverage byte is not 0; 16-bit rows by a
  // mask rather than a branch per pixel (glyph edges mispredict), eight at
  // a time with SSE2.
  void Covered(int y, int x0, const uint8_t* coverage, int count) {
    if (bytes_ != 2) {
      for (int i = 0; i < count; ++i)
        if (coverage[i]) Pixel(x0 + i, y);
      return;
    }
    const auto ink = static_cast<uint16_t>(raw_);
    uint16_t* row = reinterpret_cast<uint16_t*>(surface_.Row(y)) + x0;
    int i = 0;
#if defined(__SSE2__)
    const __m128i inks = _mm_set1_epi16(static_cast<int16_t>(ink)), zero = _mm_setzero_si128();
    for (; i + 8 <= count; i += 8) {
      const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(coverage + i));
      const __m128i bare = _mm_cmpeq_epi16(_mm_unpacklo_epi8(bytes, zero), zero);
      auto* at = reinterpret_cast<__m128i*>(row + i);
      _mm_storeu_si128(
          at, _mm_or_si128(_mm_and_si128(bare, _mm_loadu_si128(at)), _mm_andnot_si128(bare, inks)));
    }
#endif
    for (; i < count; ++i) {
      const auto take = static_cast<uint16_t>(-static_cast<int>(coverage[i] != 0));
      row[i] = static_cast<uint16_t>((ink & take) | (row[i] & ~take));
    }
  }

 private:
  void Put(uint8_t* p) {
    switch (bytes_) {
      case 2: {
        const auto v = static_cast<uint16_t>(raw_);
        std::memcpy(p, &v, 2);
        break;
      }
      case 4:
        std::memcpy(p, &raw_, 4);
        break;
      case 3:
        p[0] = raw_ & 0xFF;
        p[1] = (raw_ >> 8) & 0xFF;
        p[2] = (raw_ >> 16) & 0xFF;
        break;
      default:
        p[0] = static_cast<uint8_t>(raw_);
    }
  }

  Surface& surface_;
  uint32_t raw_;
  int bytes_;
};

// The run's frame: the reference point and the baseline direction.
struct Frame {
  int x = 0;
  int y = 0;
  double cos_a = 1.0;
  double sin_a = 0.0;
  bool rotated = false;
};

Frame MakeFrame(const Font& font, int x, int y) {
  Frame f{x, y};
  const int tenths = font.Description().escapement % 3600;
  if (tenths == 0) return f;
  const double angle = tenths * std::numbers::pi / 1800.0;
  f.cos_a = std::cos(angle);
  f.sin_a = std::sin(angle);
  f.rotated = true;
  return f;
}

// Fills the rectangle [u0, u1) x [v0, v1) of the run's own coordinates (u
// along the baseline, v downwards from the cell top); returns the pixels it
// may have written.
// The part of [left, right) x [top, bottom) inside the clip; the edges are
// taken in double precision, since a layout may place text near the ends of
// the int range.
Rect ClippedRect(double left, double top, double right, double bottom, const Rect& clip) {
  const auto within = [](double v, int low, int high) {
    return static_cast<int>(std::clamp(v, static_cast<double>(low), static_cast<double>(high)));
  };
  return Intersect({within(left, clip.left, clip.right), within(top, clip.top, clip.bottom),
                    within(right, clip.left, clip.right), within(bottom, clip.top, clip.bottom)},
                   clip);
}

Rect FillRunRect(PixelWriter& writer, const Frame& f, double u0, double u1, double v0, double v1,
                 const Rect& clip) {
  if (!f.rotated) {
    const Rect r = ClippedRect(f.x + std::trunc(u0), f.y + std::trunc(v0), f.x + std::trunc(u1),
                               f.y + std::trunc(v1), clip);
    for (int y = r.top; y < r.bottom; ++y) writer.Span(y, r.left, r.right);
    return r;
  }
  constexpr double kFar = std::numeric_limits<double>::infinity();
  double min_x = kFar, min_y = kFar, max_x = -kFar, max_y = -kFar;
  for (const double u : {u0, u1})
    for (const double v : {v0, v1}) {
      const double sx = f.x + u * f.cos_a + v * f.sin_a;
      const double sy = f.y - u * f.sin_a + v * f.cos_a;
      min_x = std::min(min_x, sx), max_x = std::max(max_x, sx);
      min_y = std::min(min_y, sy), max_y = std::max(max_y, sy);
    }
  const Rect box = ClippedRect(std::floor(min_x), std::floor(min_y), std::ceil(max_x) + 1,
                               std::ceil(max_y) + 1, clip);
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x) {
      const double dx = x + 0.5 - f.x, dy = y + 0.5 - f.y;
      const double u = dx * f.cos_a - dy * f.sin_a;
      const double v = dx * f.sin_a + dy * f.cos_a;
      if (u >= u0 && u < u1 && v >= v0 && v < v1) writer.Pixel(x, y);
    }
  return box;
}

Rect DrawGlyph(PixelWriter& writer, const Glyph& glyph, int origin_x, int origin_y,
               const Rect& clip) {
  const int left = origin_x + glyph.left_px;
  const int top = origin_y - glyph.top_px;
  const Rect area = Intersect({left, top, left + glyph.width_px, top + glyph.rows_px}, clip);
  if (area.Empty()) return {};
  for (int y = area.top; y < area.bottom; ++y) {
    const uint8_t* row = glyph.coverage.data() + static_cast<size_t>(y - top) * glyph.width_px;
    writer.Covered(y, area.left, row + (area.left - left), area.Width());
  }
  return area;
}

}  // namespace

int MeasureRun(const Font& font, std::span<const TextChar> chars) {
  int width = 0;
  for (const TextChar& c : chars) width += font.AdvanceFor(c.code_point);
  return width;
}

Rect DrawRun(Surface& surface, const Font& font, std::span<const TextChar> chars, int x, int y,
             const Rect& clip, const TextStyle& style) {
  const Rect bounds = Intersect(clip, surface.Bounds());
  if (bounds.Empty() || chars.empty()) return {};
  Rect touched;
  const FontMetrics& m = font.Metrics();
  const Frame frame = MakeFrame(font, x, y);
  const int width = MeasureRun(font, chars);
  const PixelFormat& format = surface.Format();
  if (style.opaque) {
    PixelWriter background(surface, ColorRefToPixel(format, style.bk_color_ref));
    touched = FillRunRect(background, frame, 0, width, 0, m.height_px, bounds);
  }
  PixelWriter ink(surface, ColorRefToPixel(format, style.text_color_ref));
  // The baseline origin: the reference point moved down by the ascent.
  const double base_x = x + m.ascent_px * frame.sin_a;
  const double base_y = y + m.ascent_px * frame.cos_a;
  int pen = 0;
  // A glyph's pixels lie within `reach` of its origin whatever the angle,
  // slant or bold; one farther from the clip is not rasterised at all.
  const int reach = 2 * (m.height_px + m.em_px) + 8;
  for (const TextChar& c : chars) {
    // In 64 bits: a layout may place text near the ends of the int range.
    const long long ox = std::llround(base_x + pen * frame.cos_a);
    const long long oy = std::llround(base_y - pen * frame.sin_a);
    const bool near = ox + reach > bounds.left && ox - reach < bounds.right &&
                      oy + reach > bounds.top && oy - reach < bounds.bottom;
    if (near) {
      const Glyph& glyph = font.GlyphFor(c.code_point);
      touched =
          Union(touched, DrawGlyph(ink, glyph, static_cast<int>(ox), static_cast<int>(oy), bounds));
      pen += glyph.advance_px;
    } else {
      pen += font.AdvanceFor(c.code_point);
    }
  }
  if (font.Description().underline) {
    const double v0 = m.ascent_px + m.underline_offset_px;
    touched = Union(touched,
                    FillRunRect(ink, frame, 0, width, v0, v0 + m.underline_thickness_px, bounds));
  }
  return touched;
}

}  // namespace platform::text
