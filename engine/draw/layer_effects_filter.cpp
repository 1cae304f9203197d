// Effects that read a neighbourhood of the source: the box blur and the
// softened outline.
#include <algorithm>

#include "engine/draw/internal/layer_frame.h"

namespace {

using el::draw::LayerFrame;
using pixel16::Channels;

// Sums of the 5-bit channels over the rows [top, bottom) and columns
// [left, right) of the drawn area's source.
Channels WindowSum(LayerFrame& frame, int left, int top, int right, int bottom) {
  Channels sum{0, 0, 0};
  for (int y = top; y < bottom; ++y) {
    const uint16_t* row = frame.Src(y);
    for (int x = left; x < right; ++x) {
      const Channels c = pixel16::Five(row[x]);
      sum.r += c.r, sum.g += c.g, sum.b += c.b;
    }
  }
  return sum;
}

}  // namespace

int elDraw::ShadeLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Shade) {
  LayerFrame frame(Px, Py, ObjDD, X1, Y1, X2, Y2);
  if (!frame.Ready()) return frame.Result();
  // A window needs a side of at least one pixel; a window larger than the
  // area is cut by it, the missing pixels counting as black.
  if (Shade < 1) return 1;
  const int64_t divisor = int64_t{Shade} * Shade;
  for (int y = 0; y < frame.Height(); ++y) {
    const int top = std::max(0, std::min(y, frame.Height() - Shade));
    const int bottom = std::min(frame.Height(), top + Shade);
    const uint16_t* src = frame.Src(y);
    uint16_t* dst = frame.Dst(y);
    for (int x = 0; x < frame.Width(); ++x) {
      if (src[x] == 0) continue;
      const int left = std::max(0, std::min(x, frame.Width() - Shade));
      const Channels sum =
          WindowSum(frame, left, top, std::min(frame.Width(), left + Shade), bottom);
      dst[x] =
          pixel16::PackFive(static_cast<int>(sum.r / divisor), static_cast<int>(sum.g / divisor),
                            static_cast<int>(sum.b / divisor));
    }
  }
  return 1;
}

int elDraw::EdgeBlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2) {
  LayerFrame frame(Px, Py, ObjDD, X1, Y1, X2, Y2);
  if (!frame.Ready()) return frame.Result();
  const int w = frame.Width(), h = frame.Height();
  for (int y = 0; y < h; ++y) {
    const uint16_t* src = frame.Src(y);
    for (int x = 0; x < w; ++x) {
      if (src[x] == 0) continue;
      Channels sum = pixel16::Five(src[x]);
      int count = 1;
      // Transparent neighbours inside the area let the background in.
      const auto take = [&](int nx, int ny) {
        if (nx < 0 || ny < 0 || nx >= w || ny >= h || frame.Src(ny)[nx] != 0) return;
        const Channels c = pixel16::Five(frame.Dst(ny)[nx]);
        sum.r += c.r, sum.g += c.g, sum.b += c.b;
        ++count;
      };
      take(x - 1, y), take(x + 1, y), take(x, y - 1), take(x, y + 1);
      frame.Dst(y)[x] =
          count > 1 ? pixel16::PackFive(sum.r / count, sum.g / count, sum.b / count) : src[x];
    }
  }
  return 1;
}
