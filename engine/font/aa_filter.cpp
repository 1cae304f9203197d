#include "engine/font/internal/aa_filter.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace el::font {
namespace {

using Components = std::array<int, 3>;

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

bool Holds(const PixelPlane& plane, int x, int y) {
  return x >= 0 && y >= 0 && x < plane.width_px && y < plane.height_px;
}

}  // namespace

bool ClipFilterArea(int px, int py, int x1, int y1, int x2, int y2, const Box& view,
                    FilterArea* area) {
  int ex = (x2 - x1) / 2;
  int ey = (y2 - y1) / 2;
  if (px + ex > view.x2) ex = view.x2 - px;
  if (py + ey > view.y2) ey = view.y2 - py;
  if (px < view.x1) {
    const int cut = view.x1 - px;
    px = view.x1;
    x1 += 2 * cut;
    ex -= cut;
  }
  if (py < view.y1) {
    const int cut = view.y1 - py;
    py = view.y1;
    y1 += 2 * cut;
    ey -= cut;
  }
  if (ex < 0 || ey < 0) return false;
  *area = {px, py, ex, ey, {x1, y1, x2, y2}};
  return true;
}

void FilterHalf(const PixelPlane& source, const PixelPlane& output, const PixelPlane& background,
                const FilterArea& area, const ChannelShifts& shifts) {
  const PixelCodec codec(source.bytes_per_pixel, shifts);
  const int max = codec.Max();
  const Box s{std::max(area.source.x1, 0), std::max(area.source.y1, 0),
              std::min(area.source.x2, source.width_px),
              std::min(area.source.y2, source.height_px)};
  for (int v = 0; v < area.ey; ++v) {
    for (int u = 0; u < area.ex; ++u) {
      const int ox = area.px + u, oy = area.py + v;
      if (!Holds(output, ox, oy) || !Holds(background, ox, oy)) continue;
      const int cx = area.source.x1 + 2 * u, cy = area.source.y1 + 2 * v;
      int count = 0;
      Components sum{};
      for (int y = std::max(cy - 1, s.y1); y <= std::min(cy + 1, s.y2 - 1); ++y)
        for (int x = std::max(cx - 1, s.x1); x <= std::min(cx + 1, s.x2 - 1); ++x) {
          const uint32_t raw = codec.Read(source, x, y);
          if (raw == 0) continue;  // black: the scratch's empty colour
          ++count;
          const Components c = codec.Split(raw);
          for (int k = 0; k < 3; ++k) sum[k] += c[k];
        }
      if (count == 0) continue;  // stays transparent
      const Components back = codec.Split(codec.Read(background, ox, oy));
      const int weight = count > 8 ? 0 : 8 - count;
      Components out;
      for (int k = 0; k < 3; ++k) out[k] = std::min(max, (sum[k] + max + back[k] * weight) / 8);
      codec.Write(output, ox, oy, out);
    }
  }
}

}  // namespace el::font
