// Row-wise loops on whole pixels: memmove for opaque rows, a select per pixel
// for keyed rows (SSE2 blocks on x86-64, the plain select elsewhere), a column
// table for stretched rows, and a row copied down for fills.
#include "platform/surface_fast.h"

#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform::fast {
namespace {

template <typename Pixel>
Pixel* PixelAt(Surface& s, int x, int y) {
  return reinterpret_cast<Pixel*>(s.Row(y)) + x;
}

template <typename Pixel>
const Pixel* PixelAt(const Surface& s, int x, int y) {
  return reinterpret_cast<const Pixel*>(s.Row(y)) + x;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The key as a pixel of this size, or nothing when no pixel can equal it.
template <typename Pixel>
bool KeyAsPixel(const Surface& src, Pixel* key) {
  const auto raw = src.ColorKey();
  if (!raw || *raw > static_cast<Pixel>(~Pixel{0})) return false;
  *key = static_cast<Pixel>(*raw);
  return true;
}

#if defined(__SSE2__)
// Sixteen bytes of key-compared pixels at a time: a block of key only is
// skipped without touching the destination, a block without key is stored
// whole, and a mixed block is merged by mask. The tail goes pixel by pixel.
inline __m128i KeyMatch(__m128i s, __m128i key, uint16_t) {
  return _mm_cmpeq_epi16(s, key);
}
inline __m128i KeyMatch(__m128i s, __m128i key, uint32_t) {
  return _mm_cmpeq_epi32(s, key);
}
inline __m128i Broadcast(uint16_t key) {
  return _mm_set1_epi16(static_cast<int16_t>(key));
}
inline __m128i Broadcast(uint32_t key) {
  return _mm_set1_epi32(static_cast<int32_t>(key));
}

template <typename Pixel>
int KeyedBlocks(Pixel* __restrict dst, const Pixel* __restrict src, int count, Pixel key) {
  constexpr int kLanes = 16 / sizeof(Pixel);
  const __m128i keys = Broadcast(key);
  int x = 0;
  for (; x + kLanes <= count; x += kLanes) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + x));
    const __m128i match = KeyMatch(s, keys, Pixel{});
    const int bits = _mm_movemask_epi8(match);
    if (bits == 0xFFFF) continue;
    auto* out = reinterpret_cast<__m128i*>(dst + x);
    if (bits == 0) {
      _mm_storeu_si128(out, s);
      continue;
    }
    const __m128i d = _mm_loadu_si128(out);
    _mm_storeu_si128(out, _mm_or_si128(_mm_and_si128(match, d), _mm_andnot_si128(match, s)));
  }
  return x;
}
#endif

template <typename Pixel>
void KeyedRow(Pixel* __restrict dst, const Pixel* __restrict src, int count, Pixel key) {
  int x = 0;
#if defined(__SSE2__)
  x = KeyedBlocks(dst, src, count, key);
#endif
  for (; x < count; ++x) {
    const Pixel s = src[x];
    dst[x] = s == key ? dst[x] : s;
  }
}

template <typename Pixel>
bool CopyPixels(Surface& dst, int dst_x, int dst_y, const Surface& src, const Rect& src_rect,
                bool keyed) {
  const int width = src_rect.Width();
  const int height = src_rect.Height();
  const bool same = &dst == &src;
  Pixel key{};
  if (keyed && KeyAsPixel(src, &key)) {
    const Rect dst_rect{dst_x, dst_y, dst_x + width, dst_y + height};
    if (same && Overlap(dst_rect, src_rect)) return false;
    for (int y = 0; y < height; ++y)
      KeyedRow(PixelAt<Pixel>(dst, dst_x, dst_y + y),
               PixelAt<Pixel>(src, src_rect.left, src_rect.top + y), width, key);
    return true;
  }
  const size_t row_bytes = static_cast<size_t>(width) * sizeof(Pixel);
  if (!same && width == dst.Width() && width == src.Width() &&
      dst.PitchBytes() == src.PitchBytes()) {
    std::memcpy(dst.Row(dst_y), src.Row(src_rect.top),
                row_bytes + static_cast<size_t>(height - 1) * dst.PitchBytes());
    return true;
  }
  // Within one surface, rows are taken in the order that reads each source
  // row before it is overwritten.
  const bool upward = same && dst_y > src_rect.top;
  for (int i = 0; i < height; ++i) {
    const int y = upward ? height - 1 - i : i;
    std::memmove(PixelAt<Pixel>(dst, dst_x, dst_y + y),
                 PixelAt<Pixel>(src, src_rect.left, src_rect.top + y), row_bytes);
  }
  return true;
}

// Every source pixel twice: the columns of a stretch to twice the width.
template <typename Pixel>
void DoubleRow(Pixel* __restrict out, const Pixel* __restrict in, int count) {
  int x = 0;
#if defined(__SSE2__)
  if constexpr (sizeof(Pixel) == 2) {
    for (; x + 8 <= count; x += 8) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * x), _mm_unpacklo_epi16(v, v));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * x + 8), _mm_unpackhi_epi16(v, v));
    }
  }
#endif
  for (; x < count; ++x) out[2 * x] = out[2 * x + 1] = in[x];
}

template <typename Pixel>
bool StretchPixels(Surface& dst, const Rect& dst_rect, const Surface& src, const Rect& src_rect,
                   bool keyed) {
  if (&dst == &src) return false;
  const int width = dst_rect.Width();
  std::vector<int> columns(static_cast<size_t>(width));
  for (int x = 0; x < width; ++x)
    columns[x] = reference::StretchSample(src_rect.left, src_rect.Width(), width, x);
  Pixel key{};
  const bool use_key = keyed && KeyAsPixel(src, &key);
  // Twice as wide: destination column x shows source column x / 2.
  const bool doubled = width == 2 * src_rect.Width();
  // Each source row is sampled once into `row`, then laid on every
  // destination row that shows it.
  std::vector<Pixel> row(static_cast<size_t>(width));
  int sampled_y = -1;
  for (int y = 0; y < dst_rect.Height(); ++y) {
    const int sy = reference::StretchSample(src_rect.top, src_rect.Height(), dst_rect.Height(), y);
    if (sy != sampled_y) {
      const Pixel* in = PixelAt<Pixel>(src, 0, sy);
      if (doubled)
        DoubleRow(row.data(), in + src_rect.left, src_rect.Width());
      else
        for (int x = 0; x < width; ++x) row[x] = in[columns[x]];
      sampled_y = sy;
    }
    Pixel* out = PixelAt<Pixel>(dst, dst_rect.left, dst_rect.top + y);
    if (use_key)
      KeyedRow(out, row.data(), width, key);
    else
      std::memcpy(out, row.data(), static_cast<size_t>(width) * sizeof(Pixel));
  }
  return true;
}

// One row of a value whose bytes differ (a uniform one is a memset).
template <typename Pixel>
void FillRow(Pixel* row, int count, Pixel value) {
  int x = 0;
#if defined(__SSE2__)
  const __m128i values = Broadcast(value);
  for (; x + static_cast<int>(16 / sizeof(Pixel)) <= count; x += 16 / sizeof(Pixel))
    _mm_storeu_si128(reinterpret_cast<__m128i*>(row + x), values);
#endif
  for (; x < count; ++x) row[x] = value;
}

template <typename Pixel>
bool FillPixels(Surface& dst, const Rect& r, uint32_t raw) {
  const Pixel value = static_cast<Pixel>(raw);
  const size_t row_bytes = static_cast<size_t>(r.Width()) * sizeof(Pixel);
  Pixel* first = PixelAt<Pixel>(dst, r.left, r.top);
  const auto low = static_cast<uint8_t>(value);
  bool uniform = true;
  for (size_t b = 1; b < sizeof(Pixel); ++b)
    uniform = uniform && static_cast<uint8_t>(value >> (8 * b)) == low;
  if (uniform) {
    for (int y = r.top; y < r.bottom; ++y)
      std::memset(PixelAt<Pixel>(dst, r.left, y), low, row_bytes);
    return true;
  }
  FillRow(first, r.Width(), value);
  for (int y = r.top + 1; y < r.bottom; ++y)
    std::memcpy(PixelAt<Pixel>(dst, r.left, y), first, row_bytes);
  return true;
}

}  // namespace

bool Copy(Surface& dst, int dst_x, int dst_y, const Surface& src, const Rect& src_rect,
          bool keyed) {
  switch (dst.Format().BytesPerPixel()) {
    case 2:
      return CopyPixels<uint16_t>(dst, dst_x, dst_y, src, src_rect, keyed);
    case 4:
      return CopyPixels<uint32_t>(dst, dst_x, dst_y, src, src_rect, keyed);
    default:
      return false;
  }
}

bool Stretch(Surface& dst, const Rect& dst_rect, const Surface& src, const Rect& src_rect,
             bool keyed) {
  switch (dst.Format().BytesPerPixel()) {
    case 2:
      return StretchPixels<uint16_t>(dst, dst_rect, src, src_rect, keyed);
    case 4:
      return StretchPixels<uint32_t>(dst, dst_rect, src, src_rect, keyed);
    default:
      return false;
  }
}

bool Fill(Surface& dst, const Rect& clipped_rect, uint32_t raw) {
  switch (dst.Format().BytesPerPixel()) {
    case 2:
      return FillPixels<uint16_t>(dst, clipped_rect, raw);
    case 4:
      return FillPixels<uint32_t>(dst, clipped_rect, raw);
    default:
      return false;
  }
}

}  // namespace platform::fast
