// The program's own resources are linked in and found by name, as the
// loaders' fallback after a file needs them.
#include <gtest/gtest.h>

#include "platform/byte_order.h"
#include "platform/resources.h"

namespace {

uint32_t U32(std::span<const uint8_t> b, size_t at) {
  return platform::LoadLe32(&b[at]);
}

TEST(ProgramResources, ClosingLogoIsA100By100Bitmap) {
  const auto logo = platform::FindResource("BITMAP", "KOVADINE2");
  ASSERT_TRUE(logo.has_value());
  ASSERT_GT(logo->size(), 54u);
  EXPECT_EQ((*logo)[0], 'B');
  EXPECT_EQ((*logo)[1], 'M');
  EXPECT_EQ(U32(*logo, 2), logo->size());
  EXPECT_EQ(U32(*logo, 18), 100u);
  EXPECT_EQ(U32(*logo, 22), 100u);
  // Names compare without regard to case, as resource names do.
  EXPECT_TRUE(platform::FindResource("bitmap", "kovadine2").has_value());
}

TEST(ProgramResources, IconIsPresentAndOnlyUnderItsOwnType) {
  const auto icon = platform::FindResource("ICON", "MAIN");
  ASSERT_TRUE(icon.has_value());
  ASSERT_GT(icon->size(), 54u);
  EXPECT_EQ(U32(*icon, 18), 64u);
  EXPECT_EQ(U32(*icon, 22), 64u);
  EXPECT_FALSE(platform::FindResource("BITMAP", "MAIN").has_value());
  EXPECT_FALSE(platform::FindResource("ICON", "KOVADINE2").has_value());
}

}  // namespace
