// The 2:1 filter's planes and its rule for one output pixel, sample by
// sample: what the fast rows of the filter are held to.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

#include "engine/font/internal/aa_filter.h"

namespace el::font {

using Components = std::array<int, 3>;

// Reads, writes and splits pixels of 2, 3 or 4 bytes.

class PixelCodec {
 public:
  PixelCodec(int bytes_per_pixel, const ChannelShifts& shifts)
      : bytes_(bytes_per_pixel), shifts_{shifts.r, shifts.g, shifts.b} {}

  int Max() const { return bytes_ == 2 ? 31 : 255; }

  uint32_t Read(const PixelPlane& plane, int x, int y) const {
    const uint8_t* p = plane.pixels + static_cast<ptrdiff_t>(y) * plane.pitch_bytes +
                       static_cast<ptrdiff_t>(x) * bytes_;
    if (bytes_ == 2) {
      uint16_t v;
      std::memcpy(&v, p, 2);
      return v;
    }
    return p[0] | (p[1] << 8) | (p[2] << 16);  // the alpha byte of 32-bit pixels is not used
  }

  void Write(const PixelPlane& plane, int x, int y, const Components& c) const {
    uint8_t* p = plane.pixels + static_cast<ptrdiff_t>(y) * plane.pitch_bytes +
                 static_cast<ptrdiff_t>(x) * bytes_;
    if (bytes_ == 2) {
      const auto v =
          static_cast<uint16_t>((c[0] << shifts_[0]) | (c[1] << shifts_[1]) | (c[2] << shifts_[2]));
      std::memcpy(p, &v, 2);
      return;
    }
    p[0] = static_cast<uint8_t>(c[0]);
    p[1] = static_cast<uint8_t>(c[1]);
    p[2] = static_cast<uint8_t>(c[2]);
    if (bytes_ == 4) p[3] = 0;
  }

  Components Split(uint32_t raw) const {
    if (bytes_ == 2)
      return {static_cast<int>((raw >> shifts_[0]) & 31),
              static_cast<int>((raw >> shifts_[1]) & 31),
              static_cast<int>((raw >> shifts_[2]) & 31)};
    return {static_cast<int>(raw & 0xFF), static_cast<int>((raw >> 8) & 0xFF),
            static_cast<int>((raw >> 16) & 0xFF)};
  }

 private:
  int bytes_;
  std::array<int, 3> shifts_;
};

inline bool Holds(const PixelPlane& plane, int x, int y) {
  return x >= 0 && y >= 0 && x < plane.width_px && y < plane.height_px;
}

// The filter's planes, the source rectangle clipped to the source plane, and
// one output pixel worked out sample by sample: the rule itself.
class FilterContext {
 public:
  FilterContext(const PixelPlane& source, const PixelPlane& output, const PixelPlane& background,
                const FilterArea& area, const ChannelShifts& shifts)
      : source_(source),
        output_(output),
        background_(background),
        area_(area),
        shifts_(shifts),
        codec_(source.bytes_per_pixel, shifts),
        clipped_{std::max(area.source.x1, 0), std::max(area.source.y1, 0),
                 std::min(area.source.x2, source.width_px),
                 std::min(area.source.y2, source.height_px)} {}

  const Box& Clipped() const { return clipped_; }
  const FilterArea& Area() const { return area_; }
  const ChannelShifts& Shifts() const { return shifts_; }
  int OutputWidth() const { return output_.width_px; }
  int OutputHeight() const { return output_.height_px; }
  int BackgroundWidth() const { return background_.width_px; }
  int BackgroundHeight() const { return background_.height_px; }
  const uint16_t* SourceRow(int y) const { return Row16(source_, y); }
  uint16_t* OutputRow(int y) const { return const_cast<uint16_t*>(Row16(output_, y)); }
  const uint16_t* BackgroundRow(int y) const { return Row16(background_, y); }

  void Pixel(int u, int v) const {
    const int max = codec_.Max();
    const Box& s = clipped_;
    const int ox = area_.px + u, oy = area_.py + v;
    if (!Holds(output_, ox, oy) || !Holds(background_, ox, oy)) return;
    const int cx = area_.source.x1 + 2 * u, cy = area_.source.y1 + 2 * v;
    int count = 0;
    Components sum{};
    for (int y = std::max(cy - 1, s.y1); y <= std::min(cy + 1, s.y2 - 1); ++y)
      for (int x = std::max(cx - 1, s.x1); x <= std::min(cx + 1, s.x2 - 1); ++x) {
        const uint32_t raw = codec_.Read(source_, x, y);
        if (raw == 0) continue;  // black: the scratch's empty colour
        ++count;
        const Components c = codec_.Split(raw);
        for (int k = 0; k < 3; ++k) sum[k] += c[k];
      }
    if (count == 0) return;  // stays transparent
    const Components back = codec_.Split(codec_.Read(background_, ox, oy));
    const int weight = count > 8 ? 0 : 8 - count;
    Components out;
    for (int k = 0; k < 3; ++k) out[k] = std::min(max, (sum[k] + max + back[k] * weight) / 8);
    codec_.Write(output_, ox, oy, out);
  }

 private:
  static const uint16_t* Row16(const PixelPlane& plane, int y) {
    return reinterpret_cast<const uint16_t*>(plane.pixels +
                                             static_cast<ptrdiff_t>(y) * plane.pitch_bytes);
  }

  const PixelPlane& source_;
  const PixelPlane& output_;
  const PixelPlane& background_;
  const FilterArea& area_;
  ChannelShifts shifts_;
  PixelCodec codec_;
  Box clipped_;
};

}  // namespace el::font
