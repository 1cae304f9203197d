// The 2:1 filter of the anti-aliased text: the clip of its area and the
// plain loop that defines it (the fast rows are in aa_filter_rows.cpp).
#include "engine/font/internal/aa_filter.h"

#include "engine/font/internal/aa_filter_context.h"

namespace el::font {

bool g_reference_filter = false;

bool ClipFilterArea(int px, int py, int x1, int y1, int x2, int y2, const Box& view,
                    FilterArea* area) {
  int ex = (x2 - x1) / 2;
  int ey = (y2 - y1) / 2;
  if (px + ex > view.x2) ex = view.x2 - px;
  if (py + ey > view.y2) ey = view.y2 - py;
  if (px < view.x1) {
    const int cut = view.x1 - px;
    px = view.x1;
    x1 += 2 * cut;
    ex -= cut;
  }
  if (py < view.y1) {
    const int cut = view.y1 - py;
    py = view.y1;
    y1 += 2 * cut;
    ey -= cut;
  }
  if (ex < 0 || ey < 0) return false;
  *area = {px, py, ex, ey, {x1, y1, x2, y2}};
  return true;
}

void FilterHalfReference(const PixelPlane& source, const PixelPlane& output,
                         const PixelPlane& background, const FilterArea& area,
                         const ChannelShifts& shifts) {
  const FilterContext context(source, output, background, area, shifts);
  for (int v = 0; v < area.ey; ++v)
    for (int u = 0; u < area.ex; ++u) context.Pixel(u, v);
}

}  // namespace el::font
