// Placement of the 640 x 480 picture and the pointer mapping.
#include "platform/sdl/viewport.h"

#include <gtest/gtest.h>

namespace {

using platform::ScaleMode;
using platform::sdl::ComputeViewport;
using platform::sdl::Viewport;

TEST(Viewport, PlacesThePictureByScaleMode) {
  struct Case {
    int width, height;
    ScaleMode mode;
    Viewport expected;
  };
  const Case cases[] = {
      {640, 480, ScaleMode::kFit, {0, 0, 640, 480}},
      {1920, 1080, ScaleMode::kFit, {240, 0, 1440, 1080}},
      {1280, 1024, ScaleMode::kFit, {0, 32, 1280, 960}},
      {1920, 1080, ScaleMode::kInteger, {320, 60, 1280, 960}},
      {1280, 960, ScaleMode::kInteger, {0, 0, 1280, 960}},
      {600, 400, ScaleMode::kInteger, {33, 0, 533, 400}},  // too small: fit
      {1920, 1080, ScaleMode::kStretch, {0, 0, 1920, 1080}},
      {0, 0, ScaleMode::kFit, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComputeViewport(c.width, c.height, 640, 480, c.mode), c.expected)
        << c.width << "x" << c.height << " mode " << static_cast<int>(c.mode);
  }
}

TEST(Viewport, MapsWindowPointsIntoThePictureAndBack) {
  const Viewport fit{240, 0, 1440, 1080};  // 2.25x
  int x = 0;
  int y = 0;
  platform::sdl::WindowToDisplay(fit, 640, 480, 240, 0, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  platform::sdl::WindowToDisplay(fit, 640, 480, 240 + 1439, 1079, &x, &y);
  EXPECT_EQ(x, 639);
  EXPECT_EQ(y, 479);
  platform::sdl::WindowToDisplay(fit, 640, 480, 240 + 450, 225, &x, &y);
  EXPECT_EQ(x, 200);
  EXPECT_EQ(y, 100);
  // The black bars clamp to the nearest edge.
  platform::sdl::WindowToDisplay(fit, 640, 480, 10, 2000, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 479);
  platform::sdl::DisplayToWindow(fit, 640, 480, 200, 100, &x, &y);
  EXPECT_EQ(x, 240 + 450);
  EXPECT_EQ(y, 225);
  platform::sdl::DisplayToWindow(fit, 640, 480, 640, 480, &x, &y);
  EXPECT_EQ(x, 240 + 1440);
  EXPECT_EQ(y, 1080);
}

}  // namespace
