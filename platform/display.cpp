// The display mode and the pace of presentation, forwarded to the backend
// (the presentation itself, with the overlay, is present_overlay.cpp).
#include "platform/platform.h"

namespace platform {

bool SetDisplayMode(int width_px, int height_px, int bits_per_pixel) {
  return CurrentBackend().SetDisplayMode(width_px, height_px, bits_per_pixel);
}

void RestoreDisplayMode() {
  CurrentBackend().RestoreDisplayMode();
}

int DesktopBitsPerPixel() {
  return CurrentBackend().DesktopBitsPerPixel();
}

bool WaitVerticalBlank() {
  return CurrentBackend().WaitVerticalBlank();
}

void EndFrame() {
  CurrentBackend().EndFrame();
}

}  // namespace platform
