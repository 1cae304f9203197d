// The channel masks derived from a pixel format and the look-up tables built
// from them.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/draw/internal/draw.h"
#include "engine/el.h"

namespace {

struct FormatCase {
  platform::PixelFormat format;
  uint32_t bits[3];
  uint16_t shifts[3];
  uint16_t shifts2[3];
  uint32_t mask_rgb, mask_rgb2, white;
};

TEST(DrawPixelFormat, DerivesMasksForEveryDisplayFormat) {
  const FormatCase cases[] = {
      {platform::PixelFormat::Rgb565(),
       {31, 63, 31},
       {11, 5, 0},
       {11, 6, 0},
       0x7BEF,
       0x7BEF7BEF,
       0xFFFF},
      {platform::PixelFormat::Rgb555(),
       {31, 31, 31},
       {10, 5, 0},
       {10, 5, 0},
       0x3DEF,
       0x3DEF3DEF,
       0x7FFF},
      {platform::PixelFormat::Xrgb8888(),
       {255, 255, 255},
       {16, 8, 0},
       {16, 8, 0},
       0x7F7F7F,
       0x7F7F7F7F,
       0xFFFFFF},
  };
  for (const FormatCase& c : cases) {
    ASSERT_TRUE(el::draw::ReadPixelFormat(c.format));
    const uint32_t bits[] = {elDraw::BitR, elDraw::BitG, elDraw::BitB};
    const uint16_t shifts[] = {elDraw::ShiftR, elDraw::ShiftG, elDraw::ShiftB};
    const uint16_t shifts2[] = {elDraw::ShiftR2, elDraw::ShiftG2, elDraw::ShiftB2};
    EXPECT_TRUE(std::equal(bits, bits + 3, c.bits));
    EXPECT_TRUE(std::equal(shifts, shifts + 3, c.shifts));
    EXPECT_TRUE(std::equal(shifts2, shifts2 + 3, c.shifts2));
    EXPECT_EQ(elDraw::MaskRGB, c.mask_rgb);
    EXPECT_EQ(elDraw::MaskRGB2, c.mask_rgb2);
    EXPECT_EQ(elDraw::WhiteRGB, c.white);
    EXPECT_EQ(elDraw::MaskG, c.format.g_mask);
  }
  EXPECT_FALSE(el::draw::ReadPixelFormat({8, 0, 0, 0}));  // a palette mode
}

TEST(DrawPixelFormat, RotateDataHoldsTheTruncatedSineOfItsPrecision) {
  el::draw::FillRotateData();
  const std::pair<int, int> telling[] = {{0, 0},     {30, 179},   {90, 360},   {150, 179},
                                         {180, 0},   {210, -179}, {270, -360}, {330, -180},
                                         {390, 180}, {449, 359}};
  for (const auto& [i, value] : telling) EXPECT_EQ(elDraw::RotateData[i], value) << "entry " << i;
}

TEST(DrawPixelFormat, BlendTablesFollowTheirFormulasOnFiveSixFive) {
  ASSERT_TRUE(el::draw::ReadPixelFormat(platform::PixelFormat::Rgb565()));
  el::draw::FillSixteenBitTables();
  auto at = [](int c, int b, int i, int j) { return c * 32768 + b * 1024 + i * 32 + j; };
  // Level 0 keeps i, level 31 gives j; green lands on its top five bits.
  EXPECT_EQ(elDraw::BlendList[at(0, 0, 20, 7)], 20 << 11);
  EXPECT_EQ(elDraw::BlendList[at(1, 31, 20, 7)], 7 << 6);
  EXPECT_EQ(elDraw::BlendList[at(2, 10, 20, 25)], (10 + 4) << 0);
  EXPECT_EQ(elDraw::AddBlendList[at(0, 0, 20, 20)], 31 << 11);
  EXPECT_EQ(elDraw::AddBlendList[at(2, 5, 3, 4)], 4);
  EXPECT_EQ(elDraw::DelBlendList[1 * 1024 + 10 * 32 + 3], 7 << 6);
  EXPECT_EQ(elDraw::DelBlendList[3 * 32 + 10], 0);
  EXPECT_EQ(elDraw::GrayList[93], 31);
  EXPECT_EQ(elDraw::GrayList[5], 1);
  EXPECT_EQ(elDraw::GrayList[94], 0);
  EXPECT_EQ(elDraw::GrayList[95], 0);
  for (char v : elEffect::FireRandomList) ASSERT_TRUE(v >= 0 && v <= 2);
}

TEST(DrawPixelFormat, GetRgbReducesEveryChannelToFiveBits) {
  ASSERT_TRUE(el::draw::ReadPixelFormat(platform::PixelFormat::Rgb565()));
  el::draw::FillSixteenBitTables();
  const elDraw::_getrgb white = elDraw::GetRGB[0xFFFF];
  EXPECT_EQ(white.r, 31);
  EXPECT_EQ(white.g, 31);
  EXPECT_EQ(white.b, 31);
  const elDraw::_getrgb mixed = elDraw::GetRGB[(3 << 11) | (41 << 5) | 17];
  EXPECT_EQ(mixed.r, 3);
  EXPECT_EQ(mixed.g, 20);
  EXPECT_EQ(mixed.b, 17);

  // 5-5-5 reaches only the entries with bit 15 clear.
  for (auto& e : elDraw::GetRGB) e = {};
  ASSERT_TRUE(el::draw::ReadPixelFormat(platform::PixelFormat::Rgb555()));
  el::draw::FillSixteenBitTables();
  EXPECT_EQ(elDraw::GetRGB[0x7FFF].g, 31);
  EXPECT_EQ(elDraw::GetRGB[0x8000 | 0x7FFF].g, 0);
  EXPECT_EQ(elDraw::BlendList[1 * 32768 + 31 * 1024 + 0 * 32 + 9], 9 << 5);
}

}  // namespace
