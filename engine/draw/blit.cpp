// Composing a frame on the back surface: fills, sprite copies clipped by the
// virtual screen, stretched copies, the screen capture and the 50 % wash.
#include <algorithm>
#include <limits>

#include "engine/draw/internal/blend_rows.h"
#include "engine/draw/internal/draw.h"
#include "platform/gdi.h"

namespace {

using el::draw::SurfaceOf;

bool FitsInt(int64_t v) {
  return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
}

void CopyLayer(platform::Surface* target, int px, int py, int sprite, int x1, int y1, int x2,
               int y2, bool keyed) {
  const auto clipped = el::draw::ClipLayer(px, py, x1, y1, x2, y2, el::draw::VirtualRect());
  const platform::Surface* source = SurfaceOf(sprite);
  if (!clipped || target == nullptr || source == nullptr) return;
  el::draw::AfterBlit(target->BltFast(clipped->px, clipped->py, *source, clipped->source, keyed));
}

void StretchCopy(int px, int py, int sprite, int x1, int y1, int x2, int y2, int sx, int sy,
                 bool keyed) {
  const platform::Surface* source = SurfaceOf(sprite);
  if (!DDBack || source == nullptr) return;
  const int64_t right = int64_t{px} + sx;
  const int64_t bottom = int64_t{py} + sy;
  if (!FitsInt(right) || !FitsInt(bottom)) return;
  const platform::Rect from{x1, y1, x2, y2};
  if (elDraw::UseStretch == 1) {
    const platform::Rect to{px, py, static_cast<int>(right), static_cast<int>(bottom)};
    el::draw::AfterBlit(DDBack->BltStretch(to, *source, from, keyed));
    return;
  }
  // Without a stretching blitter the picture is stretched by the drawing
  // context into the Buffer sprite and laid from there, keyed by its white.
  platform::Surface* buffer = SurfaceOf(0);
  if (buffer == nullptr) return;
  {
    platform::DrawingContext dc(*buffer);
    dc.StretchBlt({0, 0, sx, sy}, *source, from);
  }
  if (keyed)
    elDraw::Layer(px, py, 0, 0, 0, sx, sy);
  else
    elDraw::DirectLayer(px, py, 0, 0, 0, sx, sy);
}

// One colour-fill blit; a rectangle reaching outside the surface is refused
// as the blitter refuses it.
void FillRect(platform::Surface* target, int x1, int y1, int x2, int y2, uint32_t raw) {
  if (target == nullptr) return;
  const platform::Rect r{x1, y1, x2, y2};
  if (r.left < 0 || r.top < 0 || r.right > target->Width() || r.bottom > target->Height()) return;
  target->Fill(r, raw);
}

}  // namespace

namespace el::draw {

platform::Rect VirtualRect() {
  return {elDraw::Vx1, elDraw::Vy1, elDraw::Vx2, elDraw::Vy2};
}

// The virtual-screen clip of the layer copies, in its order: the right and
// bottom edges shorten the source, the left and top edges move the point and
// the source's start. Nothing is drawn when the source turned inside out
// (or the numbers left the range of a coordinate).
std::optional<ClippedLayer> ClipLayer(int64_t px, int64_t py, int64_t x1, int64_t y1, int64_t x2,
                                      int64_t y2, const platform::Rect& bounds) {
  if (px + (x2 - x1) > bounds.right) x2 -= px + (x2 - x1) - bounds.right;
  if (py + (y2 - y1) > bounds.bottom) y2 -= py + (y2 - y1) - bounds.bottom;
  if (px < bounds.left) x1 += bounds.left - px, px = bounds.left;
  if (py < bounds.top) y1 += bounds.top - py, py = bounds.top;
  if (x2 < x1 || y2 < y1) return std::nullopt;
  for (int64_t v : {px, py, x1, y1, x2, y2})
    if (!FitsInt(v)) return std::nullopt;
  return ClippedLayer{
      static_cast<int>(px),
      static_cast<int>(py),
      {static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2), static_cast<int>(y2)}};
}

void AfterBlit(platform::BltResult result) {
  if (result == platform::BltResult::kSurfaceLost) elDraw::ReloadObject();
}

}  // namespace el::draw

void elDraw::Clear() {
  FillRect(DDBack.get(), 0, 0, Width, Height, 0);
}

void elDraw::SpriteClear(int ObjDD) {
  const _sprite* entry = el::draw::Entry(ObjDD);
  if (entry) FillRect(entry->Object.get(), 0, 0, entry->SizeX, entry->SizeY, 0);
}

void elDraw::ClearArea(int X1, int Y1, int X2, int Y2) {
  FillRect(DDBack.get(), X1, Y1, X2, Y2, 0);
}

void elDraw::ClearFrame(int X1, int Y1, int X2, int Y2) {
  platform::Surface* back = DDBack.get();
  FillRect(back, X1, Y1, X2, Y1 + 1, 0);
  FillRect(back, X1, Y2 - 1, X2, Y2, 0);
  FillRect(back, X1, Y1, X1 + 1, Y2, 0);
  FillRect(back, X2 - 1, Y1, X2, Y2, 0);
}

void elDraw::Flash() {
  FillRect(DDBack.get(), 0, 0, Width, Height, WhiteRGB);
}

void elDraw::FlashArea(int X1, int Y1, int X2, int Y2) {
  FillRect(DDBack.get(), X1, Y1, X2, Y2, WhiteRGB);
}

void elDraw::ColorFill(int X1, int Y1, int X2, int Y2, uint16_t Color) {
  FillRect(DDBack.get(), X1, Y1, X2, Y2, Color);
}

int elDraw::ColorBlend(int X1, int Y1, int X2, int Y2, uint16_t Color) {
  X2 = std::min(X2, Vx2);
  Y2 = std::min(Y2, Vy2);
  X1 = std::max(X1, Vx1);
  Y1 = std::max(Y1, Vy1);
  if (X2 < X1 || Y2 < Y1) return 1;
  if (!DDBack) return 0;
  uint8_t* pixels = DDBack->Lock();
  if (pixels == nullptr) return 0;
  // The wash works on 16-bit pixels; the rectangle is also kept inside the
  // surface, whatever the virtual screen says.
  if (DDBack->Format().bits_per_pixel == 16) {
    X1 = std::max(X1, 0), Y1 = std::max(Y1, 0);
    X2 = std::min(X2, DDBack->Width()), Y2 = std::min(Y2, DDBack->Height());
    const auto mask = static_cast<uint16_t>(MaskRGB);
    const auto half = static_cast<uint16_t>((Color >> 1) & mask);
    for (int y = Y1; y < Y2; ++y)
      el::draw::WashRow(reinterpret_cast<uint16_t*>(DDBack->Row(y)) + X1, X2 - X1, mask, half);
  }
  DDBack->Unlock();
  return 1;
}

void elDraw::Layer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2) {
  CopyLayer(DDBack.get(), Px, Py, ObjDD, X1, Y1, X2, Y2, true);
}

void elDraw::DirectLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2) {
  CopyLayer(DDBack.get(), Px, Py, ObjDD, X1, Y1, X2, Y2, false);
}

void elDraw::SpriteLayer(int ObjDD1, int Px, int Py, int ObjDD2, int X1, int Y1, int X2, int Y2) {
  CopyLayer(SurfaceOf(ObjDD1), Px, Py, ObjDD2, X1, Y1, X2, Y2, true);
}

void elDraw::DirectSpriteLayer(int ObjDD1, int Px, int Py, int ObjDD2, int X1, int Y1, int X2,
                               int Y2) {
  CopyLayer(SurfaceOf(ObjDD1), Px, Py, ObjDD2, X1, Y1, X2, Y2, false);
}

void elDraw::StretchLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Sx,
                          int Sy) {
  StretchCopy(Px, Py, ObjDD, X1, Y1, X2, Y2, Sx, Sy, true);
}

void elDraw::DirectStretchLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Sx,
                                int Sy) {
  StretchCopy(Px, Py, ObjDD, X1, Y1, X2, Y2, Sx, Sy, false);
}

void elDraw::SpriteScreen(int ObjDD, int X1, int Y1, int X2, int Y2) {
  platform::Surface* target = SurfaceOf(ObjDD);
  if (!DDBack || target == nullptr) return;
  el::draw::AfterBlit(target->BltFast(0, 0, *DDBack, {X1, Y1, X2, Y2}, false));
}
