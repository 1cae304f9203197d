// The whole-row conversion of a bitmap onto a 16- or 32-bit surface: what
// depends only on the two formats (the colour table as surface pixels, each
// target channel as a table of its 256 values, the source masks' shifts) is
// worked out once per copy, then every row is converted in one pass. It
// gives the pixels of the reference loop in dib.cpp, which converts each
// pixel to a colour reference and back.
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

#include "platform/dib.h"

namespace platform {
namespace {

// One 8-bit channel into the target's mask, by the surface's own packing.
std::array<uint32_t, 256> PackTable(uint32_t mask) {
  std::array<uint32_t, 256> table{};
  const PixelFormat only_this{32, mask, 0, 0};
  for (uint32_t v = 0; v < 256; ++v) table[v] = ColorRefToPixel(only_this, v);
  return table;
}

// A source channel of 16- or 32-bit pixels read as 8 bits: its top bits, or
// its bits moved up when it has fewer than eight.
struct SourceChannel {
  explicit SourceChannel(uint32_t m)
      : mask(m),
        low(m == 0 ? 0 : std::countr_zero(m)),
        narrow(std::max(std::popcount(m) - 8, 0)),
        widen(m == 0 ? 0 : std::max(8 - std::popcount(m), 0)) {}
  uint32_t Read(uint32_t pixel) const { return (((pixel & mask) >> low) >> narrow) << widen; }
  uint32_t mask;
  int low, narrow, widen;
};

class RowConverter {
 public:
  RowConverter(const Dib& dib, const PixelFormat& target)
      : dib_(dib),
        r_(PackTable(target.r_mask)),
        g_(PackTable(target.g_mask)),
        b_(PackTable(target.b_mask)),
        source_{SourceChannel(dib.Masks()[0]), SourceChannel(dib.Masks()[1]),
                SourceChannel(dib.Masks()[2])} {
    for (uint32_t ref : dib.Palette())
      palette_.push_back(r_[ref & 0xFF] | g_[(ref >> 8) & 0xFF] | b_[(ref >> 16) & 0xFF]);
  }

  template <typename Out>
  void Convert(int y, int x, int count, Out* out) const {
    const uint8_t* row = dib_.RowBits(y);
    switch (dib_.BitsPerPixel()) {
      case 1:
        for (int i = 0, px = x; i < count; ++i, ++px)
          out[i] = static_cast<Out>(palette_[(row[px >> 3] >> (7 - (px & 7))) & 1]);
        break;
      case 4:
        for (int i = 0, px = x; i < count; ++i, ++px)
          out[i] = static_cast<Out>(palette_[(row[px >> 1] >> ((px & 1) ? 0 : 4)) & 0xF]);
        break;
      case 8:
        for (int i = 0; i < count; ++i) out[i] = static_cast<Out>(palette_[row[x + i]]);
        break;
      case 24:
        row += static_cast<size_t>(x) * 3;
        for (int i = 0; i < count; ++i, row += 3)
          out[i] = static_cast<Out>(b_[row[0]] | g_[row[1]] | r_[row[2]]);
        break;
      case 16:
        for (int i = 0; i < count; ++i) {
          uint16_t v;
          std::memcpy(&v, row + static_cast<size_t>(x + i) * 2, 2);
          out[i] = static_cast<Out>(FromFields(v));
        }
        break;
      default:
        for (int i = 0; i < count; ++i) {
          uint32_t v;
          std::memcpy(&v, row + static_cast<size_t>(x + i) * 4, 4);
          out[i] = static_cast<Out>(FromFields(v));
        }
    }
  }

 private:
  uint32_t FromFields(uint32_t v) const {
    return r_[source_[0].Read(v)] | g_[source_[1].Read(v)] | b_[source_[2].Read(v)];
  }

  const Dib& dib_;
  std::array<uint32_t, 256> r_, g_, b_;
  SourceChannel source_[3];
  std::vector<uint32_t> palette_;  // the colour table as target pixels
};

// An unscaled copy: row `y` of the surface shows row `y + dy` of the bitmap.
bool DrawUnscaled(Surface& surface, const Rect& dst, const Dib& dib, const Rect& src) {
  const int bytes = surface.Format().BytesPerPixel();
  if (bytes != 2 && bytes != 4) return false;
  const int dx = src.left - dst.left;
  const int dy = src.top - dst.top;
  const int left = std::max({dst.left, 0, -dx});
  const int right = std::min({dst.right, surface.Width(), dib.Width() - dx});
  const int top = std::max({dst.top, 0, -dy});
  const int bottom = std::min({dst.bottom, surface.Height(), dib.Height() - dy});
  if (left >= right) return true;
  const RowConverter converter(dib, surface.Format());
  for (int y = top; y < bottom; ++y) {
    uint8_t* out = surface.Row(y) + static_cast<size_t>(left) * bytes;
    if (bytes == 2) {
      converter.Convert(y + dy, left + dx, right - left, reinterpret_cast<uint16_t*>(out));
    } else {
      converter.Convert(y + dy, left + dx, right - left, reinterpret_cast<uint32_t*>(out));
    }
  }
  return true;
}

}  // namespace

void DrawDib(Surface& surface, const Rect& dst, const Dib& dib, const Rect& src) {
  if (dst.Empty() || src.Empty()) return;
  if (dst.Width() == src.Width() && dst.Height() == src.Height() &&
      DrawUnscaled(surface, dst, dib, src))
    return;
  reference::DrawDib(surface, dst, dib, src);
}

}  // namespace platform
