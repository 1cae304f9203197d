// Whole rows of the 50 % blend and of the wash.
#include "engine/draw/internal/blend_rows.h"

#include <cstddef>

#include "engine/draw/internal/layer_frame.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace el::draw {

bool g_reference_layer_loops = false;

namespace {

uint16_t Half(uint16_t p, uint16_t mask) {
  return static_cast<uint16_t>((p >> 1) & mask);
}

#if defined(__SSE2__)
constexpr int kLanes = 8;

__m128i Load(const uint16_t* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
void Store(uint16_t* p, __m128i v) {
  _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}
__m128i Half(__m128i v, __m128i mask) {
  return _mm_and_si128(_mm_srli_epi16(v, 1), mask);
}
#endif

}  // namespace

void Blend50Row(uint16_t* __restrict dst, const uint16_t* __restrict src, int width,
                uint16_t mask) {
  int x = 0;
#if defined(__SSE2__)
  const __m128i masks = _mm_set1_epi16(static_cast<int16_t>(mask));
  const __m128i zero = _mm_setzero_si128();
  for (; x + kLanes <= width; x += kLanes) {
    const __m128i s = Load(src + x), d = Load(dst + x);
    const __m128i blend = _mm_add_epi16(Half(s, masks), Half(d, masks));
    const __m128i hole = _mm_cmpeq_epi16(s, zero);
    Store(dst + x, _mm_or_si128(_mm_and_si128(hole, d), _mm_andnot_si128(hole, blend)));
  }
#endif
  for (; x < width; ++x)
    if (src[x] != 0) dst[x] = static_cast<uint16_t>(Half(src[x], mask) + Half(dst[x], mask));
}

void WashRow(uint16_t* row, int width, uint16_t mask, uint16_t half) {
  int x = 0;
#if defined(__SSE2__)
  const __m128i masks = _mm_set1_epi16(static_cast<int16_t>(mask));
  const __m128i halves = _mm_set1_epi16(static_cast<int16_t>(half));
  for (; x + kLanes <= width; x += kLanes)
    Store(row + x, _mm_add_epi16(Half(Load(row + x), masks), halves));
#endif
  for (; x < width; ++x) row[x] = static_cast<uint16_t>(Half(row[x], mask) + half);
}

}  // namespace el::draw
