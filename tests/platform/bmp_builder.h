// Builds BMP files for the tests: any header size, depth, compression, colour
// table and row order, with the raw stored value of each pixel given by a
// function of its position (x, y from the top-left).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/bmp_writer.h"

namespace test_support {

struct BmpSpec {
  int header_size = 40;
  int width = 4;
  int height = 4;  // negative: rows stored top-down
  int bpp = 24;
  uint32_t compression = 0;
  bool give_image_size = false;   // else the image size field is 0
  std::vector<uint32_t> palette;  // 0x00RRGGBB, stored blue, green, red, 0
  uint32_t colors_used = 0;
  uint32_t masks[3] = {0, 0, 0};  // bit-field masks (red, green, blue)
  // Raw value stored for pixel (x, y): an index, a 16- or 32-bit word, or
  // 0x00RRGGBB for 24 bits.
  std::function<uint32_t(int, int)> pixel = [](int, int) { return 0u; };
};

inline int BmpStride(const BmpSpec& s) {
  return static_cast<int>(platform::BmpRowBytes(s.width, s.bpp));
}

inline std::string BmpPixels(const BmpSpec& s) {
  const int rows = s.height < 0 ? -s.height : s.height;
  std::string data;
  for (int r = 0; r < rows; ++r) {
    const int y = s.height < 0 ? r : rows - 1 - r;
    std::string row(static_cast<size_t>(BmpStride(s)), '\0');
    for (int x = 0; x < s.width; ++x) {
      const uint32_t v = s.pixel(x, y);
      switch (s.bpp) {
        case 1:
          row[x / 8] = static_cast<char>(row[x / 8] | ((v & 1) << (7 - x % 8)));
          break;
        case 4:
          row[x / 2] = static_cast<char>(row[x / 2] | ((v & 15) << (x % 2 ? 0 : 4)));
          break;
        case 8:
          row[x] = static_cast<char>(v);
          break;
        default:
          for (int b = 0; b < s.bpp / 8; ++b)
            row[static_cast<size_t>(x) * (s.bpp / 8) + b] =
                static_cast<char>((v >> (8 * b)) & 0xFF);
      }
    }
    data += row;
  }
  return data;
}

// The information block: header, masks after a 40-byte header when bit
// fields are used, colour table.
inline std::string BmpInfo(const BmpSpec& s, uint32_t image_size) {
  std::string info;
  platform::BmpInfoHeader header;
  header.header_bytes = static_cast<uint32_t>(s.header_size);
  header.width_px = s.width;
  header.height_px = s.height;
  header.bits_per_pixel = static_cast<uint16_t>(s.bpp);
  header.compression = s.compression;
  header.image_bytes = image_size;
  header.x_pixels_per_metre = header.y_pixels_per_metre = 2834;
  header.colours_used = s.colors_used;
  platform::AppendBmpInfoHeader(info, header);
  for (int i = 0; i < 3; ++i) platform::AppendLe32(info, s.masks[i]);  // header fields or the masks
  if (s.header_size > 40) {
    info.resize(static_cast<size_t>(s.header_size), '\0');
  } else if (s.compression != 3) {
    info.resize(40);
  }
  for (uint32_t c : s.palette) platform::AppendLe32(info, c);
  return info;
}

inline std::string MakeBmp(const BmpSpec& s) {
  const std::string pixels = BmpPixels(s);
  const std::string info = BmpInfo(s, s.give_image_size ? static_cast<uint32_t>(pixels.size()) : 0);
  std::string file;
  const auto pixel_offset = static_cast<uint32_t>(platform::kBmpFileHeaderBytes + info.size());
  platform::AppendBmpFileHeader(file, static_cast<uint32_t>(pixel_offset + pixels.size()),
                                pixel_offset);
  return file + info + pixels;
}

}  // namespace test_support
