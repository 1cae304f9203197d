// Waves drawn row by row: rows shifted along a cosine (plain, rolled, tiled
// across the screen), and the waterfall that stretches rows along one.
#include <algorithm>
#include <cmath>

#include "engine/draw/internal/draw.h"
#include "engine/draw/internal/layer_animation.h"
#include "engine/draw/internal/layer_math.h"
#include "engine/draw/internal/layer_rows.h"

namespace {

using el::draw::Animation;
using el::draw::DrawRow;
using el::draw::LayerAnimation;
using el::draw::RowRange;
using el::draw::WaveBand;
using el::draw::WaveOffset;

// The whole-degree part of a kept angle (always within +-360).
int Degrees(float angle) {
  return static_cast<int>(angle);
}

// The roll's whole rows, inside [0, rows) whatever size it was kept for.
int64_t RolledRows(float roll, int64_t rows) {
  return el::draw::PositiveModulo(static_cast<int64_t>(roll), rows);
}

}  // namespace

void elDraw::WaveLayer(int Px, int Py, int Width, int Size, float Speed, int ObjDD, int X1, int Y1,
                       int X2, int Y2, int Mode) {
  LayerAnimation& state = Animation();
  const int angle = Degrees(state.wave_angle);
  const RowRange drawn = el::draw::ReachableSourceRows(Py, Y1, Y2);
  for (int64_t y = drawn.first; y < drawn.last; ++y) {
    int64_t dx = WaveOffset(Width, WaveBand(y, Size), angle);
    // The alternating sign runs on from the last row of the previous call.
    if (Mode != 0 && (state.wave_sign < 0) != (((y - Y1) & 1) != 0)) dx = -dx;
    DrawRow(int64_t{Px} + dx, int64_t{Py} + (y - Y1), ObjDD, X1, y, X2, true);
  }
  const int64_t rows = std::max<int64_t>(0, int64_t{Y2} - Y1);
  if (Mode != 0 && (rows & 1) != 0) state.wave_sign = -state.wave_sign;
  state.wave_angle = el::draw::AdvanceAngle(state.wave_angle, FrameTime * Speed);
}

void elDraw::RollWaveLayer(int Px, int Py, int Width, int Size, float WaveSpeed, float RollSpeed,
                           int ObjDD, int X1, int Y1, int X2, int Y2) {
  LayerAnimation& state = Animation();
  const int64_t rows = int64_t{Y2} - Y1;
  if (rows > 0) {
    const int angle = Degrees(state.roll_wave_angle);
    const int64_t roll = RolledRows(state.roll_wave_roll, rows);
    // Row y lands at Py + y: the rectangle's own top is not taken off.
    const RowRange drawn = el::draw::ReachableSourceRows(int64_t{Py} + Y1, Y1, Y2);
    for (int64_t y = drawn.first; y < drawn.last; ++y) {
      int64_t source = y + roll;
      // Rolled past the bottom, rows come back one below the top.
      if (source >= Y2) source = Y1 + 1 + (source - Y2);
      const int64_t dx = WaveOffset(Width, WaveBand(y, Size), angle);
      DrawRow(int64_t{Px} + dx, int64_t{Py} + y, ObjDD, X1, source, X2, true);
    }
  }
  state.roll_wave_angle = el::draw::AdvanceAngle(state.roll_wave_angle, FrameTime * WaveSpeed);
  state.roll_wave_roll =
      el::draw::AdvanceRoll(state.roll_wave_roll, -FrameTime * RollSpeed, static_cast<float>(rows));
}

void elDraw::TileRollWaveLayer(int Py1, int Py2, int Width, int Size, float WaveSpeed,
                               float RollSpeed, int ObjDD, int X1, int Y1, int X2, int Y2) {
  LayerAnimation& state = Animation();
  const int64_t w = int64_t{X2} - X1, h = int64_t{Y2} - Y1;
  if (w > 0 && h > 0) {
    const int angle = Degrees(state.tile_roll_wave_angle);
    const int64_t roll = RolledRows(state.tile_roll_wave_roll, h);
    const int64_t last_tile = elDraw::Width / w + 1;  // across the back surface
    const RowRange reach = el::draw::ReachableRows();
    const int64_t first = std::max<int64_t>(Py1, reach.first);
    const int64_t last = std::min<int64_t>(Py2, reach.last);
    for (int64_t i = first; i < last; ++i) {
      int64_t row = i % h + roll;
      if (row > h - 1) row -= h;
      const int64_t dx = WaveOffset(Width, WaveBand(i, Size), angle);
      for (int64_t j = 0; j <= last_tile; ++j)
        DrawRow(j * w + dx - Width, i, ObjDD, X1, Y1 + row, X2, true);
    }
  }
  state.tile_roll_wave_angle =
      el::draw::AdvanceAngle(state.tile_roll_wave_angle, FrameTime * WaveSpeed);
  state.tile_roll_wave_roll =
      el::draw::AdvanceRoll(state.tile_roll_wave_roll, -FrameTime * RollSpeed,
                            static_cast<float>(std::max<int64_t>(h, 0)));
}

void elDraw::WaterfallLayer(int Px, int Py, int Type, float Speed, int ObjDD, int X1, int Y1,
                            int X2, int Y2) {
  LayerAnimation& state = Animation();
  const int64_t h = int64_t{Y2} - Y1;
  const platform::Surface* source = el::draw::SurfaceOf(ObjDD);
  if (h > 0 && source != nullptr) {
    const int64_t half = h / 2;
    const RowRange reach = el::draw::ReachableRows();
    // Rows are counted from the sprite's top; rows past its bottom show
    // nothing, so the walk stops there.
    const int64_t rows = std::min<int64_t>(h, source->Height());
    int64_t start = 0;
    for (int64_t y = 0; y < rows; ++y) {
      // One row has no period: it is drawn once, at the top.
      const double phase = h > 1
                               ? static_cast<double>(static_cast<float>(y) + state.waterfall_roll) *
                                     (2.0 * PAI) / static_cast<double>(h - 1)
                               : 0.0;
      const auto end = static_cast<int64_t>(std::cos(phase) * static_cast<double>(half) +
                                            static_cast<double>(half));
      const int64_t top = std::max(start, reach.first - Py);
      const int64_t bottom = std::min(end, reach.last - 1 - Py);
      for (int64_t k = top; k <= bottom; ++k) DrawRow(Px, int64_t{Py} + k, ObjDD, X1, y, X2, false);
      start = end + 1;
    }
  }
  const float step = FrameTime * Speed;
  state.waterfall_roll = el::draw::AdvanceRoll(state.waterfall_roll, Type == 0 ? -step : step,
                                               static_cast<float>(std::max<int64_t>(h, 0)));
}
