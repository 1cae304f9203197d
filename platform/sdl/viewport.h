// Where the 640 x 480 picture lies in a window or screen of another size, and
// the mapping of window pixels to display coordinates and back.
#pragma once

#include "platform/backend.h"
#include "platform/surface.h"

namespace platform::sdl {

struct Viewport {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Viewport&) const = default;
};

// fit: the largest size with the picture's aspect ratio, centred;
// integer: the largest whole multiple, centred (fit when even 1x is too big);
// stretch: the whole output.
Viewport ComputeViewport(int output_width, int output_height, int source_width, int source_height,
                         ScaleMode mode);

// A window point to display coordinates, clamped to the picture.
void WindowToDisplay(const Viewport& viewport, int source_width, int source_height, int window_x,
                     int window_y, int* display_x, int* display_y);
// A display point to the window point of its pixel's top-left corner.
void DisplayToWindow(const Viewport& viewport, int source_width, int source_height, int display_x,
                     int display_y, int* window_x, int* window_y);

}  // namespace platform::sdl
