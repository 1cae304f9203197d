// The overlay's shading: the display's fast 5-6-5 loop gives the plain
// loop's pixels, and the plain loop mixes each channel at its own depth.
#include "runtime/comforts/painter.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(ComfortPainter, FastShadeEqualsThePlainLoopPixelForPixel) {
  platform::Surface plain(67, 9, platform::PixelFormat::Rgb565());
  platform::Surface fast(67, 9, platform::PixelFormat::Rgb565());
  uint32_t seed = 12345;
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 67; ++x) {
      seed = seed * 1103515245u + 12345u;
      plain.SetPixel(x, y, seed >> 16);
      fast.SetPixel(x, y, seed >> 16);
    }
  }
  for (const int alpha : {0, 1, 100, 255, 256}) {
    for (const uint32_t color : {0x000000u, 0xFFFFFFu, 0xFF0000u, 0x123456u}) {
      comforts::ShadeReference(plain, {3, 1, 66, 8}, color, alpha);
      comforts::ShadeRgb565(fast, {3, 1, 66, 8}, color, alpha);
      for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 67; ++x)
          ASSERT_EQ(fast.GetPixel(x, y), plain.GetPixel(x, y)) << x << "," << y << " " << alpha;
    }
  }
}

TEST(ComfortPainter, ShadingMixesEachChannelAtItsDepth) {
  platform::Surface frame(2, 1, platform::PixelFormat::Xrgb8888());
  frame.SetPixel(0, 0, 0x804020);
  comforts::Painter(frame).Shade({0, 0, 1, 1}, 0xFFFFFF, 128);  // white, half
  EXPECT_EQ(frame.GetPixel(0, 0), 0xBF9F8Fu);
  EXPECT_EQ(frame.GetPixel(1, 0), 0u) << "outside the area";
  comforts::Painter(frame).Shade({-5, -5, 50, 50}, 0x0000FF, 256);  // red, whole, clipped
  EXPECT_EQ(frame.GetPixel(1, 0), 0xFF0000u);
}

}  // namespace
