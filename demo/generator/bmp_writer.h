// Writes Windows BMP files as the player reads them: a 14-byte file header,
// a 40-byte information header, an optional colour table and uncompressed
// rows from the bottom up, each padded to a multiple of 4 bytes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "demo/generator/image.h"
#include "platform/bmp_writer.h"

namespace demo {

struct BmpOptions {
  // The image size field may be 0 for uncompressed pictures; readers then
  // work it out from the width, height and depth. Writing 0 exercises that.
  bool write_image_size = true;
  // Colour-table entries written for paletted pictures: the palette's own
  // length (stated in the "colours used" field) or the full table for the
  // depth (the field then reads 0).
  bool full_colour_table = false;
};

// Bytes of one stored row, padded to 4.
using platform::BmpRowBytes;

std::vector<uint8_t> EncodeBmp24(const Image& image, const BmpOptions& options = {});
// `bits_per_pixel` is 4 or 8; the palette must fit the depth and every index
// must lie inside the palette.
std::vector<uint8_t> EncodeBmpPaletted(const PalettedImage& image, int bits_per_pixel,
                                       const BmpOptions& options = {});
// 32-bit pixels in blue, green, red, alpha order; `alpha` holds one byte a
// pixel, rows from the top.
std::vector<uint8_t> EncodeBmp32(const Image& image, std::span<const uint8_t> alpha);

}  // namespace demo
