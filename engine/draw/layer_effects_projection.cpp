// Projections of a sprite: the rotation whose zoom grows row by row (tiled
// and tinted), and the point mesh of a rippled height field.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/draw/internal/draw.h"
#include "engine/draw/internal/layer_math.h"
#include "engine/draw/internal/layer_rotation.h"

namespace {

using el::draw::Span2D;

// A 5-bit channel scaled by a tint, truncated and held to 0..31 so that it
// cannot spill into its neighbour.
int Tint(int channel, float factor) {
  const float v = static_cast<float>(channel) * factor;
  if (!(v > 0)) return 0;  // also not a number
  return v >= 31 ? 31 : static_cast<int>(v);
}

// A zoomed source position folded into the picture, or nothing when the
// zoom sends it beyond all measure.
std::optional<int> ZoomedFold(int64_t p, float zoom, int size) {
  const float q = static_cast<float>(p) / zoom;
  // Positions within the picture's reach take the quick 32-bit remainder.
  if (std::fabs(q) < 2147483648.0f) {
    const auto v = static_cast<uint32_t>(std::abs(static_cast<int>(q)));
    return static_cast<int>(v < static_cast<uint32_t>(size) ? v : v % static_cast<uint32_t>(size));
  }
  const auto whole = el::draw::Truncated(q);
  if (!whole) return std::nullopt;
  return static_cast<int>(std::llabs(*whole) % size);
}

// The first multiple of `step` (>= 1) at or after `from`, not below 0.
int64_t FirstStep(int64_t from, int64_t step) {
  return from <= 0 ? 0 : (from + step - 1) / step * step;
}

}  // namespace

int elDraw::MysteryLayer(int Px1, int Py1, int Px2, int Py2, int ObjDD, int X1, int Y1, int X2,
                         int Y2, int Angle, float ZoomStartX, float ZoomAddX, float ZoomStartY,
                         float ZoomAddY, float Red, float Green, float Blue) {
  pixel16::Lock source(el::draw::SurfaceOf(ObjDD));
  if (!source.Ok()) return 0;
  pixel16::Lock back(DDBack.get());
  if (!back.Ok()) return 0;
  const Span2D picture = el::draw::PictureArea(source, X1, Y1, X2, Y2);
  if (picture.Width() <= 0 || picture.Height() <= 0) return 1;
  const auto sw = static_cast<int>(picture.Width()), sh = static_cast<int>(picture.Height());
  const int64_t w = int64_t{Px2} - Px1, h = int64_t{Py2} - Py1;
  const el::draw::InverseRotation rotation(w, h, (w - sw) >> 1, (h - sh) >> 1, Angle);
  const Span2D area = el::draw::WritableArea(back, Px1, Py1, Px2, Py2);
  if (area.Width() <= 0 || area.Height() <= 0) return 1;
  // The zooms grow after each destination row; rows above the screen are
  // passed over in one step.
  const auto passed = static_cast<float>(area.top - Py1);
  float zoom_x = ZoomStartX + ZoomAddX * passed, zoom_y = ZoomStartY + ZoomAddY * passed;
  for (int64_t y = area.top; y < area.bottom; ++y, zoom_x += ZoomAddX, zoom_y += ZoomAddY) {
    const int64_t r = y - Py1;
    uint16_t* dst = back.Row(static_cast<int>(y));
    for (int64_t x = area.left; x < area.right; ++x) {
      const int64_t c = x - Px1;
      const auto su = ZoomedFold(rotation.U(c, r), zoom_x, sw);
      const auto sv = ZoomedFold(rotation.V(c, r), zoom_y, sh);
      if (!su || !sv) continue;
      const uint16_t p =
          source.At(static_cast<int>(picture.left) + *su, static_cast<int>(picture.top) + *sv);
      if (p == 0) continue;
      const pixel16::Channels ch = pixel16::Five(p);
      dst[x] = pixel16::PackFive(Tint(ch.r, Red), Tint(ch.g, Green), Tint(ch.b, Blue));
    }
  }
  return 1;
}

int elDraw::MeshLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float WaveSize,
                      float WaveCount, int Step, float Zoom, float Angle) {
  pixel16::Lock source(el::draw::SurfaceOf(ObjDD));
  if (!source.Ok()) return 0;
  pixel16::Lock back(DDBack.get());
  if (!back.Ok()) return 0;
  const int64_t w = int64_t{X2} - X1, h = int64_t{Y2} - Y1;
  if (Step < 1 || w <= 0 || h <= 0) return 1;  // no mesh without a step or an area
  const Span2D screen =
      el::draw::WritableArea(back, std::numeric_limits<int>::min(), std::numeric_limits<int>::min(),
                             std::numeric_limits<int>::max(), std::numeric_limits<int>::max());
  // Only the points the sprite has; the field is still laid over the whole
  // area.
  const int64_t x_last = std::min<int64_t>(w, int64_t{source.Width()} - X1);
  const int64_t y_last = std::min<int64_t>(h, int64_t{source.Height()} - Y1);
  for (int64_t y = FirstStep(-int64_t{Y1}, Step); y < y_last; y += Step) {
    const double zz = static_cast<double>(y) * 2 / static_cast<double>(h) - 1;
    for (int64_t x = FirstStep(-int64_t{X1}, Step); x < x_last; x += Step) {
      const double xx = static_cast<double>(x) * 2 / static_cast<double>(w) - 1;
      const double height =
          WaveSize *
          (std::cos(WaveCount * std::sqrt(xx * xx + zz * zz)) * std::exp(zz * zz - xx * xx) + 1) /
          2;
      const auto tx = el::draw::Truncated((static_cast<double>(x) + y * Angle) * Zoom);
      const auto ty = el::draw::Truncated((static_cast<double>(y) + height) * Zoom);
      if (!tx || !ty) continue;
      const int64_t dx = Px + *tx, dy = Py + *ty;
      if (dx < screen.left || dx >= screen.right || dy < screen.top || dy >= screen.bottom)
        continue;
      back.At(static_cast<int>(dx), static_cast<int>(dy)) =
          source.At(static_cast<int>(X1 + x), static_cast<int>(Y1 + y));
    }
  }
  return 1;
}
