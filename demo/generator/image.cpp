#include "demo/generator/image.h"

#include <cmath>
#include <stdexcept>

namespace demo {
namespace {

uint8_t Channel(float v) {
  return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  return {Channel(a.r + (b.r - a.r) * t), Channel(a.g + (b.g - a.g) * t),
          Channel(a.b + (b.b - a.b) * t)};
}

Rgb Scale(Rgb c, float factor) {
  return {Channel(c.r * factor), Channel(c.g * factor), Channel(c.b * factor)};
}

Rgb Add(Rgb a, Rgb b, float amount) {
  return {Channel(a.r + b.r * amount), Channel(a.g + b.g * amount), Channel(a.b + b.b * amount)};
}

Image::Image(int width_px, int height_px, Rgb fill) : width_px_(width_px), height_px_(height_px) {
  if (width_px <= 0 || height_px <= 0) throw std::invalid_argument("empty picture");
  pixels_.assign(static_cast<size_t>(width_px) * static_cast<size_t>(height_px), fill);
}

}  // namespace demo
