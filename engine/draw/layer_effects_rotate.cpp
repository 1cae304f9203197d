// Displacement by a source map, and rotated (tiled, zoomed) copies drawn by
// inverse mapping in fixed point with scale 360.
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "engine/draw/internal/draw.h"
#include "engine/draw/internal/layer_frame.h"
#include "engine/draw/internal/layer_math.h"
#include "engine/draw/internal/layer_rotation.h"

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
  const el::draw::Span2D picture = el::draw::PictureArea(source, x1, y1, x2, y2);
  if (picture.Width() <= 0 || picture.Height() <= 0) return 1;
  const auto sw = static_cast<int>(picture.Width()), sh = static_cast<int>(picture.Height());
  const int64_t w = int64_t{px2} - px1, h = int64_t{py2} - py1;
  const float zoom = style.zoom.value_or(1.0f);
  const auto scaled = [&](int size) {
    return style.zoom ? static_cast<int64_t>(static_cast<float>(size) * zoom) : int64_t{size};
  };
  const el::draw::InverseRotation rotation(w, h, (w - scaled(sw)) >> 1, (h - scaled(sh)) >> 1,
                                           angle);
  const el::draw::Span2D area = el::draw::WritableArea(back, px1, py1, px2, py2);
  for (int64_t y = area.top; y < area.bottom; ++y) {
    const int64_t r = y - py1;
    uint16_t* dst = back.Row(static_cast<int>(y));
    for (int64_t x = area.left; x < area.right; ++x) {
      const int64_t c = x - px1;
      std::optional<int64_t> u = rotation.U(c, r), v = rotation.V(c, r);
      // A tiny zoom sends the position beyond any picture.
      if (style.zoom) {
        u = el::draw::Truncated(static_cast<float>(*u) / zoom);
        v = el::draw::Truncated(static_cast<float>(*v) / zoom);
        if (!u || !v) continue;
      }
      const auto su = Fold(*u, sw, style.tiled), sv = Fold(*v, sh, style.tiled);
      if (!su || !sv) continue;
      const uint16_t p =
          source.At(static_cast<int>(picture.left) + *su, static_cast<int>(picture.top) + *sv);
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
