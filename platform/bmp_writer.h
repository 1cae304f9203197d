// The headers of a Windows BMP file, written in one place for every writer
// of BMP bytes: the engine's SaveBitmap, the demo's asset generator and the
// tests' fixture builder. The rows themselves are each writer's own.
#pragma once

#include <cstdint>

#include "platform/byte_order.h"

namespace platform {

inline constexpr uint32_t kBmpFileHeaderBytes = 14;
inline constexpr uint32_t kBmpInfoHeaderBytes = 40;

// Bytes of one stored row: the pixels' bits rounded up to whole 32-bit words.
constexpr uint32_t BmpRowBytes(int width_px, int bits_per_pixel) {
  return ((static_cast<uint32_t>(width_px) * static_cast<uint32_t>(bits_per_pixel) + 31) / 32) * 4;
}

// The fields of the information header in file order. A positive height
// stores the rows bottom-up.
struct BmpInfoHeader {
  uint32_t header_bytes = kBmpInfoHeaderBytes;
  int32_t width_px = 0;
  int32_t height_px = 0;
  uint16_t planes = 1;
  uint16_t bits_per_pixel = 24;
  uint32_t compression = 0;  // uncompressed
  uint32_t image_bytes = 0;  // 0 is allowed for uncompressed pictures
  int32_t x_pixels_per_metre = 0;
  int32_t y_pixels_per_metre = 0;
  uint32_t colours_used = 0;
  uint32_t colours_important = 0;
};

// "BM", the size of the whole file, two reserved words and the offset of
// the pixels from the start of the file.
template <typename Bytes>
void AppendBmpFileHeader(Bytes& out, uint32_t file_bytes, uint32_t pixel_offset) {
  out.push_back('B');
  out.push_back('M');
  AppendLe32(out, file_bytes);
  AppendLe32(out, 0);
  AppendLe32(out, pixel_offset);
}

// The 40 bytes of the information header.
template <typename Bytes>
void AppendBmpInfoHeader(Bytes& out, const BmpInfoHeader& info) {
  AppendLe32(out, info.header_bytes);
  AppendLe32(out, static_cast<uint32_t>(info.width_px));
  AppendLe32(out, static_cast<uint32_t>(info.height_px));
  AppendLe16(out, info.planes);
  AppendLe16(out, info.bits_per_pixel);
  AppendLe32(out, info.compression);
  AppendLe32(out, info.image_bytes);
  AppendLe32(out, static_cast<uint32_t>(info.x_pixels_per_metre));
  AppendLe32(out, static_cast<uint32_t>(info.y_pixels_per_metre));
  AppendLe32(out, info.colours_used);
  AppendLe32(out, info.colours_important);
}

}  // namespace platform
