// The picture type the generator paints into: 8-bit RGB pixels, rows from the
// top, plus the small colour helpers every painter uses.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

namespace demo {

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour that every keyed picture of the game treats as transparent.
inline constexpr Rgb kKeyWhite{255, 255, 255};
// Near-white for visible highlights inside keyed pictures, which must never
// hit the key by accident.
inline constexpr Rgb kPaper{248, 246, 240};

// a + (b - a) * t, per channel, rounded; t is clamped to 0..1.
Rgb Mix(Rgb a, Rgb b, float t);
// Each channel multiplied by `factor` (above 1 lightens), clamped.
Rgb Scale(Rgb c, float factor);
// Channel-wise sum, clamped: for glows and light.
Rgb Add(Rgb a, Rgb b, float amount);

class Image {
 public:
  Image(int width_px, int height_px, Rgb fill = {});

  int Width() const { return width_px_; }
  int Height() const { return height_px_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_px_ && y < height_px_; }

  Rgb Get(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, Rgb c) {
    if (Contains(x, y)) pixels_[Index(x, y)] = c;
  }
  // Mixes `c` over the pixel with the given opacity (0..1).
  void Blend(int x, int y, Rgb c, float opacity) {
    if (Contains(x, y)) pixels_[Index(x, y)] = Mix(pixels_[Index(x, y)], c, opacity);
  }
  std::span<const Rgb> Pixels() const { return pixels_; }

 private:
  size_t Index(int x, int y) const {
    return static_cast<size_t>(y) * static_cast<size_t>(width_px_) + static_cast<size_t>(x);
  }

  int width_px_;
  int height_px_;
  std::vector<Rgb> pixels_;
};

// A picture with a colour table: one index a pixel, rows from the top.
struct PalettedImage {
  int width_px = 0;
  int height_px = 0;
  std::vector<Rgb> palette;
  std::vector<uint8_t> indices;
};

}  // namespace demo
