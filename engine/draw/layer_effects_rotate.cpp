// Displacement by a source map, and rotated (tiled, zoomed) copies drawn by
// inverse mapping in fixed point with scale 360.
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "engine/draw/internal/draw.h"
#include "engine/draw/internal/layer_frame.h"

namespace {

struct RotateStyle {
  std::optional<float> zoom;  // none: no zoom
  bool tiled = false;
};

// The source position of a destination pixel, or nothing when it is off
// the picture (untiled).
std::optional<int> Fold(int64_t p, int size, bool tiled) {
  if (tiled) return static_cast<int>(std::llabs(p) % size);
  if (p < 0 || p >= size) return std::nullopt;
  return static_cast<int>(p);
}

int Rotate(int px1, int py1, int px2, int py2, int sprite, int x1, int y1, int x2, int y2,
           int angle, const RotateStyle& style) {
  if (style.zoom && !(*style.zoom > 0.0f)) return 1;  // nothing to show at no size
  pixel16::Lock source(el::draw::SurfaceOf(sprite));
  if (!source.Ok()) return 0;
  pixel16::Lock back(DDBack.get());
  if (!back.Ok()) return 0;
  // The picture is the part of the rectangle the sprite has.
  x1 = std::max(x1, 0), y1 = std::max(y1, 0);
  x2 = std::min(x2, source.Width()), y2 = std::min(y2, source.Height());
  const int sw = x2 - x1, sh = y2 - y1;
  if (sw <= 0 || sh <= 0) return 1;
  const int64_t w = int64_t{px2} - px1, h = int64_t{py2} - py1;
  const int64_t cx = w >> 1, cy = h >> 1;
  const float zoom = style.zoom.value_or(1.0f);
  const auto scaled = [&](int size) {
    return style.zoom ? static_cast<int64_t>(static_cast<float>(size) * zoom) : int64_t{size};
  };
  const int64_t ox = (w - scaled(sw)) >> 1, oy = (h - scaled(sh)) >> 1;
  const int a = ((angle % 360) + 360) % 360;
  const int64_t s = elDraw::RotateData[a], k = elDraw::RotateData[a + 90];
  // Only destination pixels inside the virtual screen (and the surface).
  const int64_t left = std::max<int64_t>({px1, elDraw::Vx1, 0});
  const int64_t right = std::min<int64_t>({px2, elDraw::Vx2, back.Width()});
  const int64_t top = std::max<int64_t>({py1, elDraw::Vy1, 0});
  const int64_t bottom = std::min<int64_t>({py2, elDraw::Vy2, back.Height()});
  for (int64_t y = top; y < bottom; ++y) {
    const int64_t r = y - py1;
    uint16_t* dst = back.Row(static_cast<int>(y));
    for (int64_t x = left; x < right; ++x) {
      const int64_t c = x - px1;
      int64_t u = (360 * cx + (c - cx) * k - (r - cy) * s) / 360 - ox;
      int64_t v = (360 * cy + (c - cx) * s + (r - cy) * k) / 360 - oy;
      if (style.zoom) {
        u = static_cast<int64_t>(static_cast<float>(u) / zoom);
        v = static_cast<int64_t>(static_cast<float>(v) / zoom);
      }
      const auto su = Fold(u, sw, style.tiled), sv = Fold(v, sh, style.tiled);
      if (!su || !sv) continue;
      const uint16_t p = source.At(x1 + *su, y1 + *sv);
      if (p != 0) dst[x] = p;
    }
  }
  return 1;
}

}  // namespace

int elDraw::ShiftLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float Shift) {
  el::draw::LayerFrame frame(Px, Py, ObjDD, X1, Y1, X2, Y2);
  if (!frame.Ready()) return frame.Result();
  const auto st = static_cast<int>(31.0f - 31.0f * Shift);
  for (int y = 0; y < frame.Height(); ++y) {
    const uint16_t* src = frame.Src(y);
    uint16_t* dst = frame.Dst(y);
    for (int x = 0; x < frame.Width(); ++x) {
      if (src[x] == 0) continue;
      int v = GetRGB[src[x]].r - st;
      if (v < 1 || y + v >= frame.Height()) v = 0;
      dst[x] = frame.Dst(y + v)[x];
    }
  }
  return 1;
}

int elDraw::RotateLayer(int Px1, int Py1, int Px2, int Py2, int ObjDD, int X1, int Y1, int X2,
                        int Y2, int Angle) {
  return Rotate(Px1, Py1, Px2, Py2, ObjDD, X1, Y1, X2, Y2, Angle, {});
}

int elDraw::TileRotateLayer(int Px1, int Py1, int Px2, int Py2, int ObjDD, int X1, int Y1, int X2,
                            int Y2, int Angle) {
  return Rotate(Px1, Py1, Px2, Py2, ObjDD, X1, Y1, X2, Y2, Angle, {std::nullopt, true});
}

int elDraw::ZoomRotateLayer(int Px1, int Py1, int Px2, int Py2, int ObjDD, int X1, int Y1, int X2,
                            int Y2, int Angle, float Zoom) {
  return Rotate(Px1, Py1, Px2, Py2, ObjDD, X1, Y1, X2, Y2, Angle, {Zoom, false});
}

int elDraw::TileZoomRotateLayer(int Px1, int Py1, int Px2, int Py2, int ObjDD, int X1, int Y1,
                                int X2, int Y2, int Angle, float Zoom) {
  return Rotate(Px1, Py1, Px2, Py2, ObjDD, X1, Y1, X2, Y2, Angle, {Zoom, true});
}
