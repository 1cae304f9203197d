#include "platform/sdl/viewport.h"

#include <algorithm>
#include <cstdint>

namespace platform::sdl {

Viewport ComputeViewport(int output_width, int output_height, int source_width, int source_height,
                         ScaleMode mode) {
  if (output_width <= 0 || output_height <= 0 || source_width <= 0 || source_height <= 0)
    return {0, 0, std::max(output_width, 0), std::max(output_height, 0)};
  if (mode == ScaleMode::kStretch) return {0, 0, output_width, output_height};
  int width = 0;
  int height = 0;
  const int whole = std::min(output_width / source_width, output_height / source_height);
  if (mode == ScaleMode::kInteger && whole >= 1) {
    width = source_width * whole;
    height = source_height * whole;
  } else {
    // Compare the aspect ratios in integers: output wider than the picture
    // means the height decides.
    const int64_t wide = static_cast<int64_t>(output_width) * source_height;
    const int64_t tall = static_cast<int64_t>(output_height) * source_width;
    if (wide >= tall) {
      height = output_height;
      width = static_cast<int>(tall / source_height);
    } else {
      width = output_width;
      height = static_cast<int>(wide / source_width);
    }
  }
  return {(output_width - width) / 2, (output_height - height) / 2, width, height};
}

void WindowToDisplay(const Viewport& viewport, int source_width, int source_height, int window_x,
                     int window_y, int* display_x, int* display_y) {
  const auto map = [](int value, int origin, int extent, int size) {
    if (extent <= 0) return 0;
    const int64_t offset = static_cast<int64_t>(value) - origin;
    const int64_t mapped = offset < 0 ? -1 : offset * size / extent;
    return static_cast<int>(std::clamp<int64_t>(mapped, 0, size - 1));
  };
  *display_x = map(window_x, viewport.x, viewport.width, source_width);
  *display_y = map(window_y, viewport.y, viewport.height, source_height);
}

void DisplayToWindow(const Viewport& viewport, int source_width, int source_height, int display_x,
                     int display_y, int* window_x, int* window_y) {
  const auto map = [](int value, int origin, int extent, int size) {
    if (size <= 0) return origin;
    return origin + static_cast<int>(static_cast<int64_t>(value) * extent / size);
  };
  *window_x = map(display_x, viewport.x, viewport.width, source_width);
  *window_y = map(display_y, viewport.y, viewport.height, source_height);
}

}  // namespace platform::sdl
