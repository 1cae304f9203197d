// The whole-row pixel conversions: the fast rows give the reference loop's
// pixels for every input value and at every length and alignment.
#include "platform/pixel_rows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(PixelRows, Rgb565ToXrgb8888MatchesTheReferenceForEveryValueLengthAndOffset) {
  std::vector<uint16_t> all(65536 + 3);
  for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<uint16_t>(i * 40503u);
  for (int offset : {0, 1, 3}) {
    for (int count : {0, 1, 7, 8, 9, 15, 17, 65536}) {
      std::vector<uint32_t> fast(count + 1, 0x12345678), slow(count + 1, 0x12345678);
      platform::Rgb565ToXrgb8888Row(all.data() + offset, fast.data(), count);
      platform::reference::Rgb565ToXrgb8888Row(all.data() + offset, slow.data(), count);
      ASSERT_EQ(fast, slow) << "offset " << offset << " count " << count;
      EXPECT_EQ(fast[count], 0x12345678u) << "wrote past the row";
    }
  }
}

TEST(PixelRows, Rgb565WidensEachChannelToFullRange) {
  const uint16_t in[] = {0x0000, 0xFFFF, 0xF800, 0x07E0, 0x001F, 0x8410};
  uint32_t out[6];
  platform::reference::Rgb565ToXrgb8888Row(in, out, 6);
  EXPECT_EQ(out[0], 0xFF000000u);
  EXPECT_EQ(out[1], 0xFFFFFFFFu);
  EXPECT_EQ(out[2], 0xFFFF0000u);
  EXPECT_EQ(out[3], 0xFF00FF00u);
  EXPECT_EQ(out[4], 0xFF0000FFu);
  EXPECT_EQ(out[5], 0xFF848284u);  // top bit of each: 10000 -> 10000100, 100000 -> 10000010
}

}  // namespace
