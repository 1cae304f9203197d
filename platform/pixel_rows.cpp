#include "platform/pixel_rows.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {
namespace {

uint32_t Rgb565ToXrgb8888(uint32_t p) {
  const uint32_t r = (p >> 11) & 0x1F;
  const uint32_t g = (p >> 5) & 0x3F;
  const uint32_t b = p & 0x1F;
  return 0xFF000000u | (((r << 3) | (r >> 2)) << 16) | (((g << 2) | (g >> 4)) << 8) |
         ((b << 3) | (b >> 2));
}

}  // namespace

namespace reference {

void Rgb565ToXrgb8888Row(const uint16_t* src, uint32_t* dst, int count) {
  for (int i = 0; i < count; ++i) dst[i] = Rgb565ToXrgb8888(src[i]);
}

}  // namespace reference

// Eight pixels a step in 16-bit lanes: the widened green and blue make the
// low half of each output pixel, 0xFF and the widened red the high half.
void Rgb565ToXrgb8888Row(const uint16_t* src, uint32_t* dst, int count) {
  int i = 0;
#if defined(__SSE2__)
  const __m128i five_bits = _mm_set1_epi16(0x1F);
  const __m128i six_bits = _mm_set1_epi16(0x3F);
  const __m128i alpha = _mm_set1_epi16(static_cast<short>(0xFF00));
  for (; i + 8 <= count; i += 8) {
    const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    const __m128i r5 = _mm_srli_epi16(p, 11);
    const __m128i g6 = _mm_and_si128(_mm_srli_epi16(p, 5), six_bits);
    const __m128i b5 = _mm_and_si128(p, five_bits);
    const __m128i r8 = _mm_or_si128(_mm_slli_epi16(r5, 3), _mm_srli_epi16(r5, 2));
    const __m128i g8 = _mm_or_si128(_mm_slli_epi16(g6, 2), _mm_srli_epi16(g6, 4));
    const __m128i b8 = _mm_or_si128(_mm_slli_epi16(b5, 3), _mm_srli_epi16(b5, 2));
    const __m128i low = _mm_or_si128(_mm_slli_epi16(g8, 8), b8);
    const __m128i high = _mm_or_si128(alpha, r8);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_unpacklo_epi16(low, high));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 4), _mm_unpackhi_epi16(low, high));
  }
#endif
  reference::Rgb565ToXrgb8888Row(src + i, dst + i, count - i);
}

}  // namespace platform
