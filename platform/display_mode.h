// The display-mode rule both backends follow: our display is RGB565, so only
// a 16-bit mode is accepted; once set, the desktop reports that depth.
#pragma once

namespace platform {

class DisplayModeState {
 public:
  static constexpr int kDisplayBitsPerPixel = 16;

  bool Set(int width_px, int height_px, int bits_per_pixel) {
    if (bits_per_pixel != kDisplayBitsPerPixel || width_px <= 0 || height_px <= 0) return false;
    set_ = true;
    return true;
  }
  void Restore() { set_ = false; }
  // The depth the desktop reports: the real one until a mode was set.
  int DesktopBitsPerPixel(int real_bits_per_pixel) const {
    return set_ ? kDisplayBitsPerPixel : real_bits_per_pixel;
  }

 private:
  bool set_ = false;
};

}  // namespace platform
