// BMP parsing and the conversion of its pixels to colour references. Every
// size, offset and count is checked against the bytes that back it before
// anything is allocated or read.
#include "platform/dib.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/byte_order.h"
#include "platform/files.h"

namespace platform {
namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr uint32_t kCompressionRgb = 0;
constexpr uint32_t kCompressionBitFields = 3;

bool KnownHeaderSize(uint32_t size) {
  return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool KnownDepth(int bpp) {
  return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

// A mask the conversion can read: empty, or one run of set bits.
bool ContiguousMask(uint32_t mask) {
  if (mask == 0) return true;
  const uint32_t shifted = mask >> std::countr_zero(mask);
  return (shifted & (shifted + 1)) == 0;
}

// The colour table an indexed bitmap carries: `wanted` entries from `table`
// as far as the bytes reach, the rest black; always 2^bpp entries.
std::vector<uint32_t> ReadPalette(std::span<const uint8_t> table, int bpp, uint32_t wanted) {
  const size_t full = size_t{1} << bpp;
  std::vector<uint32_t> palette(full, 0);
  const size_t count = std::min<size_t>({wanted == 0 ? full : wanted, full, table.size() / 4});
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* q = &table[i * 4];  // blue, green, red, reserved
    palette[i] = q[2] | (q[1] << 8) | (q[0] << 16);
  }
  return palette;
}

struct Header {
  uint32_t size;
  int32_t width;
  int32_t height;
  int bpp;
  uint32_t compression;
  uint32_t image_size;
  uint32_t colors_used;
};

Header ReadHeader(std::span<const uint8_t> info) {
  return {LoadLe32(info.data()),
          static_cast<int32_t>(LoadLe32(info.data() + 4)),
          static_cast<int32_t>(LoadLe32(info.data() + 8)),
          LoadLe16(info.data() + 14),
          LoadLe32(info.data() + 16),
          LoadLe32(info.data() + 20),
          LoadLe32(info.data() + 32)};
}

bool AcceptableShape(const Header& h) {
  if (!KnownDepth(h.bpp)) return false;
  if (h.compression == kCompressionBitFields) {
    if (h.bpp != 16 && h.bpp != 32) return false;
  } else if (h.compression != kCompressionRgb) {
    return false;  // run-length, embedded JPEG/PNG and unknown kinds
  }
  if (h.width < 1 || h.width > Dib::kMaxSidePx) return false;
  return h.height != 0 && h.height >= -Dib::kMaxSidePx && h.height <= Dib::kMaxSidePx;
}

int64_t RowStrideBytes(const Header& h) {
  return ((static_cast<int64_t>(h.width) * h.bpp + 31) / 32) * 4;
}

// Bytes of pixel data the file claims: the image size field, or for an
// uncompressed bitmap that leaves it 0 the rows it needs (which is negative,
// and so refused, for top-down rows). Bit-field bitmaps that leave it 0 need
// their rows just the same.
int64_t DeclaredPixelBytes(const Header& h) {
  if (h.image_size != 0) return h.image_size;
  return RowStrideBytes(h) * h.height;
}

// Byte count of the information block of a packed bitmap (header, masks,
// colour table), or 0 when the header is not one this reader takes.
size_t PackedInfoBytes(std::span<const uint8_t> data) {
  if (data.size() < 40) return 0;
  const uint32_t size = LoadLe32(data.data());
  if (!KnownHeaderSize(size) || data.size() < size) return 0;
  const Header h = ReadHeader(data);
  size_t bytes = size;
  if (h.compression == kCompressionBitFields && size == 40) bytes += 12;
  if (h.bpp >= 1 && h.bpp <= 8) {
    const size_t full = size_t{1} << h.bpp;
    bytes += 4 * (h.colors_used == 0 ? full : std::min<size_t>(h.colors_used, full));
  }
  return bytes;
}

}  // namespace

std::unique_ptr<Dib> Dib::FromFile(std::span<const uint8_t> file) {
  if (file.size() < kFileHeaderBytes || file[0] != 'B' || file[1] != 'M') return nullptr;
  const uint32_t pixel_offset = LoadLe32(file.data() + 10);
  if (pixel_offset < kFileHeaderBytes || pixel_offset > file.size()) return nullptr;
  return Parse(file.subspan(kFileHeaderBytes, pixel_offset - kFileHeaderBytes),
               file.subspan(pixel_offset), file.size() - pixel_offset);
}

std::optional<Dib::Range> Dib::PixelRange(std::span<const uint8_t> head, uint64_t file_bytes) {
  if (head.size() < kFileHeaderBytes + 40 || head[0] != 'B' || head[1] != 'M') return std::nullopt;
  const uint32_t pixel_offset = LoadLe32(head.data() + 10);
  if (pixel_offset < kFileHeaderBytes || pixel_offset > file_bytes) return std::nullopt;
  const Header h = ReadHeader(head.subspan(kFileHeaderBytes));
  if (!KnownHeaderSize(h.size) || !AcceptableShape(h)) return std::nullopt;
  const auto needed =
      static_cast<uint64_t>(RowStrideBytes(h) * std::abs(static_cast<int64_t>(h.height)));
  return Range{pixel_offset, static_cast<size_t>(std::min(needed, file_bytes - pixel_offset))};
}

std::unique_ptr<Dib> Dib::FromFileParts(std::span<const uint8_t> head,
                                        std::span<const uint8_t> pixels, uint64_t file_bytes) {
  if (head.size() < kFileHeaderBytes || head[0] != 'B' || head[1] != 'M') return nullptr;
  const uint32_t pixel_offset = LoadLe32(head.data() + 10);
  if (pixel_offset < kFileHeaderBytes || pixel_offset > file_bytes) return nullptr;
  // The information block ends at the pixels; past kHeadBytes it holds
  // nothing the reader looks at.
  const size_t info_end = std::min<size_t>(pixel_offset, head.size());
  if (info_end < kFileHeaderBytes) return nullptr;
  return Parse(head.subspan(kFileHeaderBytes, info_end - kFileHeaderBytes), pixels,
               file_bytes - pixel_offset);
}

std::unique_ptr<Dib> Dib::FromResource(std::span<const uint8_t> data) {
  if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M') return FromFile(data);
  const size_t info_bytes = PackedInfoBytes(data);
  if (info_bytes == 0 || info_bytes > data.size()) return nullptr;
  return Parse(data.first(info_bytes), data.subspan(info_bytes), data.size() - info_bytes);
}

std::unique_ptr<Dib> Dib::Parse(std::span<const uint8_t> info, std::span<const uint8_t> after,
                                uint64_t after_bytes) {
  if (info.size() < 40) return nullptr;
  const Header h = ReadHeader(info);
  if (!KnownHeaderSize(h.size) || info.size() < h.size || !AcceptableShape(h)) return nullptr;

  const int64_t declared = DeclaredPixelBytes(h);
  const int64_t stride = RowStrideBytes(h);
  const int64_t needed = stride * std::abs(static_cast<int64_t>(h.height));
  const auto available = static_cast<int64_t>(after_bytes);
  if (declared <= 0 || declared > available || needed > available) return nullptr;
  if (needed > static_cast<int64_t>(after.size())) return nullptr;

  std::unique_ptr<Dib> dib(new Dib());
  dib->width_px_ = h.width;
  dib->height_px_ = std::abs(h.height);
  dib->bits_per_pixel_ = h.bpp;
  dib->top_down_ = h.height < 0;
  dib->bit_fields_ = h.compression == kCompressionBitFields;
  dib->stride_bytes_ = static_cast<int>(stride);

  size_t table_offset = h.size;
  if (dib->bit_fields_) {
    // A 40-byte header is followed by the three masks; later headers hold them.
    const size_t at = 40;
    if (info.size() < at + 12) return nullptr;
    for (int c = 0; c < 3; ++c) dib->masks_[c] = LoadLe32(info.data() + at + 4 * c);
    if (h.size == 40) table_offset += 12;
    for (uint32_t mask : dib->masks_)
      if (!ContiguousMask(mask)) return nullptr;
  } else if (h.bpp == 16) {
    dib->masks_[0] = 0x7C00, dib->masks_[1] = 0x03E0, dib->masks_[2] = 0x001F;
  } else {
    dib->masks_[0] = 0xFF0000, dib->masks_[1] = 0x00FF00, dib->masks_[2] = 0x0000FF;
  }
  if (h.bpp <= 8)
    dib->palette_ =
        ReadPalette(info.subspan(std::min(table_offset, info.size())), h.bpp, h.colors_used);

  dib->bits_.assign(static_cast<size_t>(needed), 0);
  const auto copied = static_cast<size_t>(std::min(declared, needed));
  std::memcpy(dib->bits_.data(), after.data(), copied);
  return dib;
}

void Dib::ReadRow(int y, int x, int count, uint32_t* out) const {
  const uint8_t* row = RowBits(y);
  const PixelFormat fields{bits_per_pixel_, masks_[0], masks_[1], masks_[2]};
  for (int i = 0; i < count; ++i) {
    const int px = x + i;
    switch (bits_per_pixel_) {
      case 1:
        out[i] = palette_[(row[px >> 3] >> (7 - (px & 7))) & 1];
        break;
      case 4:
        out[i] = palette_[(row[px >> 1] >> ((px & 1) ? 0 : 4)) & 0xF];
        break;
      case 8:
        out[i] = palette_[row[px]];
        break;
      case 16:
        out[i] = PixelToColorRef(fields, LoadLe16(row + static_cast<size_t>(px) * 2));
        break;
      case 24: {
        const uint8_t* p = row + static_cast<size_t>(px) * 3;
        out[i] = p[2] | (p[1] << 8) | (p[0] << 16);
        break;
      }
      default: {
        uint32_t v;
        std::memcpy(&v, row + static_cast<size_t>(px) * 4, 4);
        out[i] = PixelToColorRef(fields, v);
      }
    }
  }
}

uint32_t Dib::ColorRefAt(int x, int y) const {
  uint32_t value = 0;
  ReadRow(y, x, 1, &value);
  return value;
}

std::unique_ptr<Dib> ReadBmpFile(const std::string& path) {
  std::string error;
  const auto file = RegularFile::Open(path, &error);
  std::vector<uint8_t> head;
  if (!file || !file->ReadHead(Dib::kHeadBytes, &head, &error)) return nullptr;
  const auto range = Dib::PixelRange(head, file->Size());
  if (!range) return nullptr;
  std::vector<uint8_t> pixels(range->bytes);
  if (!file->ReadAt(range->offset, pixels.data(), pixels.size())) return nullptr;
  return Dib::FromFileParts(head, pixels, file->Size());
}

void reference::DrawDib(Surface& surface, const Rect& dst, const Dib& dib, const Rect& src) {
  if (dst.Empty() || src.Empty()) return;
  const int top = std::max(dst.top, 0);
  const int bottom = std::min(dst.bottom, surface.Height());
  const int left = std::max(dst.left, 0);
  const int right = std::min(dst.right, surface.Width());
  if (left >= right) return;
  std::vector<uint32_t> row(static_cast<size_t>(dib.Width()));
  int decoded_row = -1;
  for (int y = top; y < bottom; ++y) {
    const int sy = reference::StretchSample(src.top, src.Height(), dst.Height(), y - dst.top);
    if (sy < 0 || sy >= dib.Height()) continue;
    if (sy != decoded_row) {
      dib.ReadRow(sy, 0, dib.Width(), row.data());
      decoded_row = sy;
    }
    for (int x = left; x < right; ++x) {
      const int sx = reference::StretchSample(src.left, src.Width(), dst.Width(), x - dst.left);
      if (sx < 0 || sx >= dib.Width()) continue;
      surface.SetPixel(x, y, ColorRefToPixel(surface.Format(), row[sx]));
    }
  }
}

}  // namespace platform
