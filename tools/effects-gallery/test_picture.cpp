// The gallery's test picture and cell background.
#include "tools/effects-gallery/test_picture.h"

#include <algorithm>
#include <cmath>

#include "engine/el.h"
#include "platform/surface.h"

namespace gallery {

namespace {

constexpr int kCornerRadius = 18;
constexpr int kCheckerSide = 10;

// Hue 0..360 at full saturation, scaled by `value` 0..1.
uint16_t Rainbow(double hue, double value) {
  const double h = std::fmod(hue, 360.0) / 60.0;
  const double x = 1.0 - std::fabs(std::fmod(h, 2.0) - 1.0);
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(h)) {
    case 0:
      r = 1, g = x;
      break;
    case 1:
      r = x, g = 1;
      break;
    case 2:
      g = 1, b = x;
      break;
    case 3:
      g = x, b = 1;
      break;
    case 4:
      r = x, b = 1;
      break;
    default:
      r = 1, b = x;
      break;
  }
  const auto channel = [value](double c) { return static_cast<int>(std::lround(c * value * 255)); };
  return Rgb(channel(r), channel(g), channel(b));
}

bool OutsideRoundedCorners(int x, int y) {
  const int cx = std::clamp(x, kCornerRadius, kPictureWidth - 1 - kCornerRadius);
  const int cy = std::clamp(y, kCornerRadius, kPictureHeight - 1 - kCornerRadius);
  return std::hypot(x - cx, y - cy) > kCornerRadius;
}

uint16_t TestPixel(int x, int y) {
  if (OutsideRoundedCorners(x, y)) return 0;
  const double r = std::hypot(x - kPictureWidth / 2.0, y - kPictureHeight / 2.0);
  if (r < 10) return 0;
  if (r >= 30 && r < 35) return Rgb(255, 255, 255);
  if (x >= 110 && y >= 75 && ((x / 8 + y / 8) & 1) != 0) return Rgb(250, 250, 230);
  return Rainbow(360.0 * x / kPictureWidth, 1.0 - 0.65 * y / kPictureHeight);
}

}  // namespace

uint16_t Rgb(int r, int g, int b) {
  // Black is the effects' transparent value: a dark colour keeps one bit.
  const auto raw = static_cast<uint16_t>(platform::ColorRefToPixel(
      platform::PixelFormat::Rgb565(), static_cast<uint32_t>(r | g << 8 | b << 16)));
  return raw == 0 ? 1 : raw;
}

int CreateTestPicture() {
  elDraw::SetSpriteColor(0);  // black is the key of the row-built members too
  const int n = elDraw::CreateObject(kPictureWidth, kPictureHeight, 2);
  if (n == 0) return 0;
  platform::Surface& surface = *Sprite[n].Object;
  for (int y = 0; y < kPictureHeight; ++y)
    for (int x = 0; x < kPictureWidth; ++x) surface.SetPixel(x, y, TestPixel(x, y));
  return n;
}

void DrawCellBackground() {
  const uint16_t dark = Rgb(36, 40, 56), light = Rgb(64, 70, 92);
  for (int y = 0; y < kPictureHeight; y += kCheckerSide)
    for (int x = 0; x < kPictureWidth; x += kCheckerSide)
      elDraw::ColorFill(x, y, x + kCheckerSide, y + kCheckerSide,
                        ((x + y) / kCheckerSide) % 2 == 0 ? dark : light);
}

}  // namespace gallery
