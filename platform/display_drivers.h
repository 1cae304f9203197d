// The display drivers the platform offers and what each can do. Linux has one:
// the software display every backend presents through. Its blitter stretches
// and it has no 3D hardware. Tests may install other lists.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct DisplayCaps {
  bool hardware_3d = false;  // the 3D capability of the driver
  bool stretch = false;      // stretching blits
};

struct DisplayDriverInfo {
  std::string description;
  std::string name;
  DisplayCaps driver;      // what the hardware does
  DisplayCaps emulation;   // what the driver's software emulation does
  bool device_3d = false;  // surfaces can be 3D devices
};

// The installed drivers, the primary display's first.
std::span<const DisplayDriverInfo> DisplayDrivers();
// Replaces the list (tests); an empty list means no display at all.
void SetDisplayDrivers(std::vector<DisplayDriverInfo> drivers);
// Back to the platform's own list.
void ResetDisplayDrivers();

// Whether the window system's video driver `driver` (null: none started)
// shows a window to anyone: the offscreen and dummy drivers, which SDL falls
// back to when there is no desktop, only when `requested` (SDL_VIDEODRIVER,
// null when unset; it may list several, comma-separated) asks for them.
bool VideoDriverAcceptable(const char* driver, const char* requested);

}  // namespace platform
