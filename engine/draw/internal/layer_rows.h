// Helpers of the effects drawn as one-pixel-high rows of the ordinary layer
// copies: one row, the rows that can show on the back surface, and the
// horizontal offset of a cosine wave.
#pragma once

#include <cstdint>

namespace el::draw {

// Destination rows [first, last) on the back surface that the layer copies
// can reach: inside the virtual screen and the surface. Empty without a back
// surface.
struct RowRange {
  int64_t first = 0, last = 0;
};
RowRange ReachableRows();

// The source rows [first, last) of [y1, y2) whose destination, `py` for row
// y1 and one further down for each next row, is reachable.
RowRange ReachableSourceRows(int64_t py, int64_t y1, int64_t y2);

// Copies source row `y` (columns x1 to x2) of the sprite to (px, py): keyed
// like Layer or opaque like DirectLayer. A row whose numbers are outside the
// range of a coordinate is not drawn.
void DrawRow(int64_t px, int64_t py, int sprite, int x1, int64_t y, int x2, bool keyed);

// trunc(width x cos((n + angle) degrees)).
int64_t WaveOffset(int width, int64_t n, int angle);

// The wave's row number: the row itself, or its band of `size` rows.
inline int64_t WaveBand(int64_t row, int size) {
  return size == 0 ? row : row / size;
}

}  // namespace el::draw
