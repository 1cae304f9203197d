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

// Eight pixels a step in 16-bit lanes. Widening a channel by repeating its
// top bits is a multiplication: with the channel at the top of the lane
// (5 bits at 11, 6 bits at 10), r8 = (r5 * 33) >> 2 and g8 = (g6 * 65) >> 4
// are the high halves of the products with 264 and 8320 (the high product
// of the 6-bit one taken from bits 5..10). Green and blue make the low half
// of each output pixel, 0xFF and red the high half.
void Rgb565ToXrgb8888Row(const uint16_t* src, uint32_t* dst, int count) {
  int i = 0;
#if defined(__SSE2__)
  const __m128i red_mask = _mm_set1_epi16(static_cast<short>(0xF800));
  const __m128i green_mask = _mm_set1_epi16(0x07E0);
  const __m128i widen5 = _mm_set1_epi16(264);
  const __m128i widen6 = _mm_set1_epi16(8320);
  const __m128i alpha = _mm_set1_epi16(static_cast<short>(0xFF00));
  for (; i + 8 <= count; i += 8) {
    const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    const __m128i r8 = _mm_mulhi_epu16(_mm_and_si128(p, red_mask), widen5);
    const __m128i g8 = _mm_mulhi_epu16(_mm_and_si128(p, green_mask), widen6);
    const __m128i b8 = _mm_mulhi_epu16(_mm_slli_epi16(p, 11), widen5);
    const __m128i low = _mm_or_si128(_mm_slli_epi16(g8, 8), b8);
    const __m128i high = _mm_or_si128(alpha, r8);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_unpacklo_epi16(low, high));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 4), _mm_unpackhi_epi16(low, high));
  }
#endif
  reference::Rgb565ToXrgb8888Row(src + i, dst + i, count - i);
}

}  // namespace platform
