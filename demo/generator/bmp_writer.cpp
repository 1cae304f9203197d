#include "demo/generator/bmp_writer.h"

#include <functional>
#include <stdexcept>

#include "demo/generator/byte_writer.h"

namespace demo {
namespace {

constexpr int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

struct Layout {
  int width_px;
  int height_px;
  int bits_per_pixel;
  uint32_t colours_used;   // the "colours used" field
  uint32_t table_entries;  // entries actually written
  bool write_image_size;
};

void WriteHeaders(ByteWriter& out, const Layout& layout) {
  const uint32_t row_bytes = BmpRowBytes(layout.width_px, layout.bits_per_pixel);
  const uint32_t image_bytes = row_bytes * static_cast<uint32_t>(layout.height_px);
  const uint32_t pixel_offset =
      platform::kBmpFileHeaderBytes + platform::kBmpInfoHeaderBytes + 4 * layout.table_entries;
  platform::AppendBmpFileHeader(out.Buffer(), pixel_offset + image_bytes, pixel_offset);
  platform::BmpInfoHeader info;
  info.width_px = layout.width_px;
  info.height_px = layout.height_px;  // positive: rows stored bottom-up
  info.bits_per_pixel = static_cast<uint16_t>(layout.bits_per_pixel);
  info.image_bytes = layout.write_image_size ? image_bytes : 0;
  info.x_pixels_per_metre = info.y_pixels_per_metre = kPixelsPerMetre;
  info.colours_used = layout.colours_used;
  platform::AppendBmpInfoHeader(out.Buffer(), info);
}

// Writes the rows bottom-up; `row` appends the packed pixels of row y.
void WriteRows(ByteWriter& out, const Layout& layout,
               const std::function<void(ByteWriter&, int)>& row) {
  const uint32_t row_bytes = BmpRowBytes(layout.width_px, layout.bits_per_pixel);
  for (int y = layout.height_px - 1; y >= 0; --y) {
    const size_t start = out.Size();
    row(out, y);
    out.Zeros(row_bytes - (out.Size() - start));
  }
}

// A colour as BMP files store it: blue, green, red.
void WriteBgr(ByteWriter& out, Rgb c) {
  out.U8(c.b);
  out.U8(c.g);
  out.U8(c.r);
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const Image& image, const BmpOptions& options) {
  const Layout layout{image.Width(), image.Height(), 24, 0, 0, options.write_image_size};
  ByteWriter out;
  WriteHeaders(out, layout);
  WriteRows(out, layout, [&](ByteWriter& w, int y) {
    for (int x = 0; x < image.Width(); ++x) WriteBgr(w, image.Get(x, y));
  });
  return out.Take();
}

std::vector<uint8_t> EncodeBmpPaletted(const PalettedImage& image, int bits_per_pixel,
                                       const BmpOptions& options) {
  if (bits_per_pixel != 4 && bits_per_pixel != 8) throw std::invalid_argument("depth 4 or 8");
  const uint32_t capacity = 1u << bits_per_pixel;
  const auto used = static_cast<uint32_t>(image.palette.size());
  if (used == 0 || used > capacity) throw std::invalid_argument("palette does not fit the depth");
  if (image.indices.size() !=
      static_cast<size_t>(image.width_px) * static_cast<size_t>(image.height_px)) {
    throw std::invalid_argument("index count does not match the size");
  }
  for (uint8_t index : image.indices) {
    if (index >= used) throw std::invalid_argument("index outside the palette");
  }
  const Layout layout{image.width_px,
                      image.height_px,
                      bits_per_pixel,
                      options.full_colour_table ? 0 : used,
                      options.full_colour_table ? capacity : used,
                      options.write_image_size};
  ByteWriter out;
  WriteHeaders(out, layout);
  for (uint32_t i = 0; i < layout.table_entries; ++i) {
    WriteBgr(out, i < used ? image.palette[i] : Rgb{});
    out.U8(0);
  }
  WriteRows(out, layout, [&](ByteWriter& w, int y) {
    const size_t base = static_cast<size_t>(y) * static_cast<size_t>(image.width_px);
    for (int x = 0; x < image.width_px; x += (bits_per_pixel == 8 ? 1 : 2)) {
      if (bits_per_pixel == 8) {
        w.U8(image.indices[base + x]);
        continue;
      }
      // Two pixels a byte, the left one in the high nibble.
      const uint32_t left = image.indices[base + x];
      const uint32_t right = x + 1 < image.width_px ? image.indices[base + x + 1] : 0;
      w.U8((left << 4) | right);
    }
  });
  return out.Take();
}

std::vector<uint8_t> EncodeBmp32(const Image& image, std::span<const uint8_t> alpha) {
  if (alpha.size() != image.Pixels().size()) throw std::invalid_argument("alpha size");
  const Layout layout{image.Width(), image.Height(), 32, 0, 0, true};
  ByteWriter out;
  WriteHeaders(out, layout);
  WriteRows(out, layout, [&](ByteWriter& w, int y) {
    for (int x = 0; x < image.Width(); ++x) {
      WriteBgr(w, image.Get(x, y));
      w.U8(alpha[static_cast<size_t>(y) * static_cast<size_t>(image.Width()) + x]);
    }
  });
  return out.Take();
}

}  // namespace demo
