// Builds BMP files for the tests: any header size, depth, compression, colour
// table and row order, with the raw stored value of each pixel given by a
// function of its position (x, y from the top-left).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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

inline void PutLe(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

inline int BmpStride(const BmpSpec& s) {
  return ((s.width * s.bpp + 31) / 32) * 4;
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
  PutLe(info, static_cast<uint32_t>(s.header_size), 4);
  PutLe(info, static_cast<uint32_t>(s.width), 4);
  PutLe(info, static_cast<uint32_t>(s.height), 4);
  PutLe(info, 1, 2);
  PutLe(info, static_cast<uint32_t>(s.bpp), 2);
  PutLe(info, s.compression, 4);
  PutLe(info, image_size, 4);
  PutLe(info, 2834, 4);
  PutLe(info, 2834, 4);
  PutLe(info, s.colors_used, 4);
  PutLe(info, 0, 4);
  for (int i = 0; i < 3; ++i) PutLe(info, s.masks[i], 4);  // header fields or the masks
  if (s.header_size > 40) {
    info.resize(static_cast<size_t>(s.header_size), '\0');
  } else if (s.compression != 3) {
    info.resize(40);
  }
  for (uint32_t c : s.palette) PutLe(info, c, 4);
  return info;
}

inline std::string MakeBmp(const BmpSpec& s) {
  const std::string pixels = BmpPixels(s);
  const std::string info = BmpInfo(s, s.give_image_size ? static_cast<uint32_t>(pixels.size()) : 0);
  std::string file = "BM";
  PutLe(file, static_cast<uint32_t>(14 + info.size() + pixels.size()), 4);
  PutLe(file, 0, 4);
  PutLe(file, static_cast<uint32_t>(14 + info.size()), 4);
  return file + info + pixels;
}

}  // namespace test_support
