// Effects built from whole or one-row layer copies: tiles rolling over the
// screen, row mosaic, scan lines and the random horizontal jitter.
#include <algorithm>
#include <cstdlib>

#include "engine/draw/internal/layer_animation.h"
#include "engine/draw/internal/layer_math.h"
#include "engine/draw/internal/layer_rows.h"
#include "engine/el.h"

namespace {

using el::draw::DrawRow;
using el::draw::RowRange;

// The tile offset's whole pixels, within (-size, 0] whatever size it was
// kept for.
int64_t TileOffset(float roll, int64_t size) {
  return -el::draw::PositiveModulo(-static_cast<int64_t>(roll), size);
}

// A tile offset moved by `step` and kept within (-size, 0].
float AdvanceTileRoll(float roll, float step, int64_t size) {
  return -el::draw::AdvanceRoll(-roll, -step, static_cast<float>(size));
}

}  // namespace

void elDraw::TileLayer(float PxSpeed, float PySpeed, int ObjDD, int X1, int Y1, int X2, int Y2) {
  el::draw::LayerAnimation& state = el::draw::Animation();
  const int64_t w = int64_t{X2} - X1, h = int64_t{Y2} - Y1;
  if (w > 0 && h > 0) {
    const int64_t ox = TileOffset(state.tile_roll_x, w), oy = TileOffset(state.tile_roll_y, h);
    const int64_t across = Width / w + 2, down = Height / h + 2;
    for (int64_t b = 0; b < down; ++b) {
      for (int64_t a = 0; a < across; ++a) {
        const int64_t px = a * w + ox, py = b * h + oy;
        if (el::draw::FitsInt(px) && el::draw::FitsInt(py))
          Layer(static_cast<int>(px), static_cast<int>(py), ObjDD, X1, Y1, X2, Y2);
      }
    }
  }
  state.tile_roll_x =
      AdvanceTileRoll(state.tile_roll_x, FrameTime * PxSpeed, std::max<int64_t>(w, 0));
  state.tile_roll_y =
      AdvanceTileRoll(state.tile_roll_y, FrameTime * PySpeed, std::max<int64_t>(h, 0));
}

void elDraw::MosaicLayer(int Px, int Py, int Size, int ObjDD, int X1, int Y1, int X2, int Y2) {
  // A group needs at least one row; smaller sizes draw the rows unchanged.
  const int64_t group = std::max(Size, 1);
  const RowRange drawn = el::draw::ReachableSourceRows(Py, Y1, Y2);
  for (int64_t y = drawn.first; y < drawn.last; ++y) {
    const int64_t first_of_group = Y1 + (y - Y1) / group * group;
    DrawRow(Px, int64_t{Py} + (y - Y1), ObjDD, X1, first_of_group, X2, true);
  }
}

void elDraw::LineLayer(int Px, int Py, int Size, int ObjDD, int X1, int Y1, int X2, int Y2) {
  const RowRange drawn = el::draw::ReachableSourceRows(Py, Y1, Y2);
  const auto draw = [&](int64_t y) { DrawRow(Px, int64_t{Py} + (y - Y1), ObjDD, X1, y, X2, true); };
  if (Size > 0) {
    // Every Size-th row from Y1 + Size, from the first that can show.
    const int64_t skipped = std::max<int64_t>(0, drawn.first - Y1);
    const int64_t k = std::max<int64_t>(1, (skipped + Size - 1) / Size);
    for (int64_t y = Y1 + k * Size; y < drawn.last; y += Size) draw(y);
  } else if (Size < 0) {
    const int64_t most = -int64_t{Size};
    const auto gap = [most] { return std::rand() % most + 1; };
    // Rows that cannot show are not walked one gap at a time: the walk
    // starts at most one gap above the first row that can.
    int64_t y = std::max<int64_t>(Y1, drawn.first - most) + gap();
    for (; y < drawn.last; y += gap())
      if (y >= drawn.first) draw(y);
  }
}

void elDraw::RandomLayer(int Px, int Py, int Size, int ObjDD, int X1, int Y1, int X2, int Y2) {
  if (Size < 1) {
    Layer(Px, Py, ObjDD, X1, Y1, X2, Y2);
    return;
  }
  const int64_t span = 2 * int64_t{Size};
  const RowRange drawn = el::draw::ReachableSourceRows(Py, Y1, Y2);
  for (int64_t y = drawn.first; y < drawn.last; ++y) {
    const int64_t shift = std::rand() % span - Size;
    DrawRow(int64_t{Px} + shift, int64_t{Py} + (y - Y1), ObjDD, X1, y, X2, true);
  }
}
