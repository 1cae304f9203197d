// Helpers of the row-built layer effects, and the animation state they keep.
#include "engine/draw/internal/layer_rows.h"

#include <algorithm>
#include <cmath>

#include "engine/draw/internal/layer_animation.h"
#include "engine/draw/internal/layer_math.h"
#include "engine/el.h"
#include "platform/surface.h"

namespace el::draw {

namespace {

LayerAnimation g_animation;

}  // namespace

LayerAnimation& Animation() {
  return g_animation;
}

void ResetLayerAnimation() {
  g_animation = LayerAnimation{};
}

RowRange ReachableRows() {
  if (!DDBack) return {};
  return {std::max(elDraw::Vy1, 0), std::min(elDraw::Vy2, DDBack->Height())};
}

RowRange ReachableSourceRows(int64_t py, int64_t y1, int64_t y2) {
  const RowRange rows = ReachableRows();
  return {std::max(y1, y1 + rows.first - py), std::min(y2, y1 + rows.last - py)};
}

void DrawRow(int64_t px, int64_t py, int sprite, int x1, int64_t y, int x2, bool keyed) {
  if (!FitsInt(px) || !FitsInt(py) || !FitsInt(y) || !FitsInt(y + 1)) return;
  const auto at_x = static_cast<int>(px), at_y = static_cast<int>(py);
  const auto row = static_cast<int>(y);
  if (keyed)
    elDraw::Layer(at_x, at_y, sprite, x1, row, x2, row + 1);
  else
    elDraw::DirectLayer(at_x, at_y, sprite, x1, row, x2, row + 1);
}

int64_t WaveOffset(int width, int64_t n, int angle) {
  const double degrees = static_cast<double>(n + angle);
  // |width x cos| never exceeds |width|, so the truncation always fits.
  return static_cast<int64_t>(width * std::cos(degrees * PAI / 180.0));
}

}  // namespace el::draw
