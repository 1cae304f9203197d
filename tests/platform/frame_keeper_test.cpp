// The kept frame: what the backends show again on expose and write as
// screenshots, and whether a new frame differs from it.
#include "platform/frame_keeper.h"

#include <gtest/gtest.h>

namespace {

using platform::PixelFormat;
using platform::Surface;

TEST(FrameKeeper, TellsWhetherTheKeptFrameChangedAndKeepsTheNewPixels) {
  Surface back(64, 48, PixelFormat::Rgb565());
  back.Fill(back.Bounds(), 0x1234);
  platform::FrameKeeper keeper;
  EXPECT_TRUE(keeper.Keep(back, back.Bounds())) << "the first frame";
  EXPECT_FALSE(keeper.Keep(back, back.Bounds())) << "the same pixels";
  back.SetPixel(63, 47, 0x4321);  // the very last pixel
  EXPECT_TRUE(keeper.Keep(back, back.Bounds()));
  EXPECT_EQ(keeper.Frame()->GetPixel(63, 47), 0x4321u);
  back.SetPixel(0, 10, 0x0001);
  back.SetPixel(5, 40, 0x0002);  // a later row after a changed one is copied too
  EXPECT_TRUE(keeper.Keep(back, back.Bounds()));
  EXPECT_EQ(keeper.Frame()->GetPixel(0, 10), 0x0001u);
  EXPECT_EQ(keeper.Frame()->GetPixel(5, 40), 0x0002u);
  EXPECT_FALSE(keeper.Keep(back, back.Bounds()));
}

TEST(FrameKeeper, AnotherRectangleOrFormatIsAChangeAndAnEmptyOneIsNot) {
  Surface back(64, 48, PixelFormat::Rgb565());
  platform::FrameKeeper keeper;
  EXPECT_TRUE(keeper.Keep(back, back.Bounds()));
  EXPECT_TRUE(keeper.Keep(back, {0, 0, 32, 48})) << "another size, even of equal pixels";
  EXPECT_EQ(keeper.Frame()->Width(), 32);
  EXPECT_FALSE(keeper.Keep(back, {100, 100, 200, 200})) << "clipped away: nothing kept";
  EXPECT_EQ(keeper.Frame()->Width(), 32);
  Surface wide(32, 48, PixelFormat::Xrgb8888());
  EXPECT_TRUE(keeper.Keep(wide, wide.Bounds())) << "another format";
  EXPECT_TRUE(keeper.Frame()->Format() == PixelFormat::Xrgb8888());
}

}  // namespace
