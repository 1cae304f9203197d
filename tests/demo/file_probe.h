// Reads back the fields the demo tests check in written BMP, WAV and MIDI
// bytes, independently of the writers.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/byte_order.h"

namespace demo_test {

inline uint32_t U16(std::span<const uint8_t> b, size_t at) {
  return platform::LoadLe16(&b[at]);
}
inline uint32_t U32(std::span<const uint8_t> b, size_t at) {
  return platform::LoadLe32(&b[at]);
}
inline int32_t I32(std::span<const uint8_t> b, size_t at) {
  return static_cast<int32_t>(U32(b, at));
}
inline uint32_t U32Be(std::span<const uint8_t> b, size_t at) {
  return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) |
         b[at + 3];
}
inline std::string Tag(std::span<const uint8_t> b, size_t at, size_t n = 4) {
  return std::string(b.begin() + static_cast<std::ptrdiff_t>(at),
                     b.begin() + static_cast<std::ptrdiff_t>(at + n));
}

struct BmpInfo {
  int32_t width = 0;
  int32_t height = 0;
  uint32_t bits = 0;
  uint32_t pixel_offset = 0;
  uint32_t colours_used = 0;
};

inline BmpInfo ReadBmpInfo(std::span<const uint8_t> b) {
  return {I32(b, 18), I32(b, 22), U16(b, 28), U32(b, 10), U32(b, 46)};
}

struct Colour {
  uint8_t r, g, b;
  bool operator==(const Colour&) const = default;
};

// Pixel (x, y), y counted from the top, of an uncompressed bottom-up BMP of
// 4, 8, 24 or 32 bits.
inline Colour BmpPixel(std::span<const uint8_t> b, int x, int y) {
  const BmpInfo info = ReadBmpInfo(b);
  const size_t row_bytes = ((static_cast<size_t>(info.width) * info.bits + 31) / 32) * 4;
  const size_t row = info.pixel_offset + row_bytes * static_cast<size_t>(info.height - 1 - y);
  size_t entry = 0;
  switch (info.bits) {
    case 24:
    case 32: {
      const size_t at = row + static_cast<size_t>(x) * (info.bits / 8);
      return {b[at + 2], b[at + 1], b[at]};
    }
    case 8:
      entry = b[row + x];
      break;
    default:
      entry = (x % 2 == 0) ? b[row + x / 2] >> 4 : b[row + x / 2] & 0x0F;
  }
  const size_t at = 54 + entry * 4;
  return {b[at + 2], b[at + 1], b[at]};
}

}  // namespace demo_test
