// Effects that move pixels: mirrored copies and the smear of one column or
// row.
#include <algorithm>

#include "engine/draw/internal/layer_frame.h"

namespace {

using el::draw::LayerFrame;

void PutOpaque(uint16_t& dst, uint16_t s) {
  if (s != 0) dst = s;
}

// Modes 0 and 1: columns right (or left) of `start` repeat column `start`;
// mode 1 also fills the back surface from its left edge up to the area.
void PickColumns(LayerFrame& frame, int mode, int start) {
  for (int y = 0; y < frame.Height(); ++y) {
    const uint16_t* src = frame.Src(y);
    uint16_t* dst = frame.Dst(y);
    const uint16_t picked = src[start];
    for (int x = 0; x < frame.Width(); ++x) {
      const bool smeared = mode == 0 ? x > start : x < start;
      PutOpaque(dst[x], smeared ? picked : src[x]);
    }
    if (mode == 1) std::fill_n(frame.BackRow(frame.DestY() + y), frame.DestX(), picked);
  }
}

// Modes 2 and 3: rows below (or above) `start` repeat row `start`; mode 3
// also fills the back surface from its top edge down to the area.
void PickRows(LayerFrame& frame, int mode, int start) {
  const uint16_t* picked = frame.Src(start);
  for (int y = 0; y < frame.Height(); ++y) {
    const bool smeared = mode == 2 ? y > start : y < start;
    const uint16_t* src = smeared ? picked : frame.Src(y);
    uint16_t* dst = frame.Dst(y);
    for (int x = 0; x < frame.Width(); ++x) PutOpaque(dst[x], src[x]);
  }
  if (mode != 3) return;
  for (int y = 0; y < frame.DestY(); ++y)
    std::copy_n(picked, frame.Width(), frame.BackRow(y) + frame.DestX());
}

}  // namespace

int elDraw::MirrorLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Mirror) {
  LayerFrame frame(Px, Py, ObjDD, X1, Y1, X2, Y2);
  if (!frame.Ready()) return frame.Result();
  const bool flip_x = (Mirror & 1) != 0, flip_y = (Mirror & 2) != 0;
  for (int y = 0; y < frame.Height(); ++y) {
    const uint16_t* row = frame.SpriteRow(y, flip_y);
    uint16_t* dst = frame.Dst(y);
    if (flip_x) {
      for (int x = 0; x < frame.Width(); ++x) PutOpaque(dst[x], row[frame.SpriteColumn(x, true)]);
    } else {
      const uint16_t* src = row + frame.SpriteColumn(0, false);
      for (int x = 0; x < frame.Width(); ++x) PutOpaque(dst[x], src[x]);
    }
  }
  return 1;
}

int elDraw::PickLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Mode,
                      int Start) {
  LayerFrame frame(Px, Py, ObjDD, X1, Y1, X2, Y2);
  if (!frame.Ready()) return frame.Result();
  if (frame.Width() == 0 || frame.Height() == 0) return 1;
  // The picked column or row is kept inside the drawn area.
  if (Mode == 0 || Mode == 1)
    PickColumns(frame, Mode, std::clamp(Start, 0, frame.Width() - 1));
  else if (Mode == 2 || Mode == 3)
    PickRows(frame, Mode, std::clamp(Start, 0, frame.Height() - 1));
  return 1;
}
