// A device-independent bitmap: the parsed information header, its colour
// table and its pixel bits, as a BMP file or a bitmap resource carries them,
// and their conversion onto a surface the way the window system's drawing
// converts them (each channel keeps its top bits).
//
// Accepted: information headers of 40, 52, 56, 108 and 124 bytes; 1, 4, 8,
// 16, 24 and 32 bits per pixel; uncompressed or bit-field pixels; colour
// tables of any length up to the format's (missing entries read black);
// bottom-up rows, and top-down rows when the image size is given. Anything
// else, and every size or offset the bytes cannot back, is refused.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace platform {

class Dib {
 public:
  // The largest side accepted, in pixels.
  static constexpr int kMaxSidePx = Surface::kMaxSidePx;

  // A whole BMP file ("BM", file header, information block, pixels).
  static std::unique_ptr<Dib> FromFile(std::span<const uint8_t> file);
  // A BMP file read in two parts, so that only what the header can need is
  // read: `head`, the file's first bytes (at least kHeadBytes when the file
  // has them), and `pixels`, the bytes of PixelRange(). `file_bytes` is the
  // whole file's size. The result is the one FromFile gives for the file.
  static std::unique_ptr<Dib> FromFileParts(std::span<const uint8_t> head,
                                            std::span<const uint8_t> pixels, uint64_t file_bytes);
  // The file header, the largest information header, its masks and the
  // largest colour table: all a BMP file needs before its pixels.
  static constexpr size_t kHeadBytes = 14 + 124 + 12 + 256 * 4;
  struct Range {
    uint64_t offset = 0;
    size_t bytes = 0;
  };
  // Where the pixels a file's head declares lie, clipped to the file: at
  // most the rows of a kMaxSidePx-square picture. Nothing for a head the
  // reader refuses anyway.
  static std::optional<Range> PixelRange(std::span<const uint8_t> head, uint64_t file_bytes);
  // A packed bitmap as a resource holds it: information header, colour table,
  // pixels, without the file header. Resources that are whole BMP files
  // (starting with "BM") are accepted too.
  static std::unique_ptr<Dib> FromResource(std::span<const uint8_t> data);

  int Width() const { return width_px_; }
  int Height() const { return height_px_; }
  int BitsPerPixel() const { return bits_per_pixel_; }
  bool TopDown() const { return top_down_; }
  int StrideBytes() const { return stride_bytes_; }

  // Colour references (0x00BBGGRR) of `count` pixels of row `y` (0 = top)
  // from column `x`; the range must lie inside the bitmap.
  void ReadRow(int y, int x, int count, uint32_t* out) const;
  uint32_t ColorRefAt(int x, int y) const;

  // What the whole-row conversion reads: the stored bits of row `y` (0 =
  // top), the colour table (2^bpp entries when indexed), and the red, green
  // and blue masks of 16- and 32-bit pixels.
  const uint8_t* RowBits(int y) const {
    return bits_.data() + static_cast<size_t>(top_down_ ? y : height_px_ - 1 - y) * stride_bytes_;
  }
  const std::vector<uint32_t>& Palette() const { return palette_; }
  const uint32_t* Masks() const { return masks_; }

 private:
  Dib() = default;
  // `after_bytes`: how many bytes follow the information block in the file
  // (at least after.size()).
  static std::unique_ptr<Dib> Parse(std::span<const uint8_t> info, std::span<const uint8_t> after,
                                    uint64_t after_bytes);

  int width_px_ = 0;
  int height_px_ = 0;
  int bits_per_pixel_ = 0;
  bool top_down_ = false;
  bool bit_fields_ = false;
  int stride_bytes_ = 0;
  uint32_t masks_[3] = {};         // red, green, blue of 16- and 32-bit pixels
  std::vector<uint32_t> palette_;  // colour references, 2^bpp entries when indexed
  std::vector<uint8_t> bits_;      // stride x height, zero where the file gave less
};

// Reads a BMP file from disk; null when it cannot be opened or is refused.
// A BMP file as the player reads one: a regular file only, and no more of it
// than its header declares (see Dib::PixelRange). Nothing for a missing,
// unreadable or refused file.
std::unique_ptr<Dib> ReadBmpFile(const std::string& path);

// Copies `src` of the bitmap onto `dst` of the surface, stretched by nearest
// sample, converting each pixel to the surface's format. Rectangles are
// clipped to the bitmap and the surface. An unscaled copy onto a 16- or
// 32-bit surface converts whole rows; everything else takes the reference
// loop, which gives the same pixels.
void DrawDib(Surface& surface, const Rect& dst, const Dib& dib, const Rect& src);

namespace reference {
void DrawDib(Surface& surface, const Rect& dst, const Dib& dib, const Rect& src);
}  // namespace reference

}  // namespace platform
