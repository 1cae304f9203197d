#include "tests/support/ink.h"

#include <algorithm>

namespace test_support {

platform::Rect InkBox(const platform::Surface& surface, uint32_t background,
                      const platform::Rect& area) {
  platform::Rect box{area.right, area.bottom, area.left, area.top};
  for (int y = std::max(area.top, 0); y < std::min(area.bottom, surface.Height()); ++y)
    for (int x = std::max(area.left, 0); x < std::min(area.right, surface.Width()); ++x) {
      if (surface.GetPixel(x, y) == background) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  if (box.Empty()) return {};
  return box;
}

platform::Rect InkBox(const platform::Surface& surface, uint32_t background) {
  return InkBox(surface, background, surface.Bounds());
}

int CountPixels(const platform::Surface& surface, uint32_t value, const platform::Rect& area) {
  int count = 0;
  for (int y = std::max(area.top, 0); y < std::min(area.bottom, surface.Height()); ++y)
    for (int x = std::max(area.left, 0); x < std::min(area.right, surface.Width()); ++x)
      if (surface.GetPixel(x, y) == value) ++count;
  return count;
}

int CountPixels(const platform::Surface& surface, uint32_t value) {
  return CountPixels(surface, value, surface.Bounds());
}

}  // namespace test_support
