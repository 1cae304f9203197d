#include "demo/generator/bmp_writer.h"

#include <gtest/gtest.h>

#include "tests/demo/file_probe.h"

namespace demo {
namespace {

using demo_test::BmpPixel;
using demo_test::Colour;
using demo_test::ReadBmpInfo;
using demo_test::U32;

TEST(BmpWriter, RowBytesArePaddedToFour) {
  const struct {
    int width, bits;
    uint32_t bytes;
  } cases[] = {{1, 24, 4}, {13, 24, 40}, {4, 24, 12}, {640, 24, 1920}, {3, 8, 4},   {4, 8, 4},
               {5, 8, 8},  {1, 4, 4},    {8, 4, 4},   {9, 4, 8},       {32, 4, 16}, {2, 32, 8}};
  for (const auto& c : cases) {
    EXPECT_EQ(BmpRowBytes(c.width, c.bits), c.bytes) << c.width << " x " << c.bits;
  }
}

TEST(BmpWriter, TwentyFourBitHeadersDescribeTheFile) {
  Image image(13, 3, Rgb{1, 2, 3});
  const std::vector<uint8_t> bmp = EncodeBmp24(image);
  ASSERT_EQ(bmp.size(), 54u + 40u * 3u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  // Size, reserved, pixel offset, header size, width, height (bottom-up),
  // planes and bits, compression, image size, resolutions, colours used.
  const uint32_t header[] = {174, 0, 54, 40, 13, 3, 1u | (24u << 16), 0, 120, 2835, 2835, 0};
  for (size_t i = 0; i < std::size(header); ++i) EXPECT_EQ(U32(bmp, 2 + 4 * i), header[i]) << i;
}

TEST(BmpWriter, TwentyFourBitRowsAreBottomUpBlueFirstWithZeroPadding) {
  Image image(13, 2, Rgb{10, 20, 30});
  image.Set(0, 0, Rgb{200, 100, 50});  // top-left
  image.Set(12, 1, Rgb{7, 8, 9});      // bottom-right
  const std::vector<uint8_t> bmp = EncodeBmp24(image);
  // The bottom row comes first in the file.
  EXPECT_EQ(std::vector<uint8_t>(bmp.begin() + 54 + 36, bmp.begin() + 54 + 43),
            (std::vector<uint8_t>{9, 8, 7, 0, 50, 100, 200}));  // then padding
  EXPECT_EQ(bmp[54 + 79], 0);
  EXPECT_EQ(BmpPixel(bmp, 0, 0), (Colour{200, 100, 50}));
  EXPECT_EQ(BmpPixel(bmp, 5, 1), (Colour{10, 20, 30}));
}

TEST(BmpWriter, ImageSizeFieldCanBeLeftZero) {
  const std::vector<uint8_t> bmp = EncodeBmp24(Image(5, 5), {.write_image_size = false});
  EXPECT_EQ(U32(bmp, 34), 0u);
  EXPECT_EQ(bmp.size(), 54u + 16u * 5u);
}

PalettedImage Stripes(int width, int height, int colours) {
  PalettedImage image{width, height, {}, {}};
  for (int i = 0; i < colours; ++i) {
    image.palette.push_back({static_cast<uint8_t>(i), static_cast<uint8_t>(2 * i), 255});
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.indices.push_back(static_cast<uint8_t>((x + y) % colours));
  }
  return image;
}

TEST(BmpWriter, EightBitStoresItsColourTableAndIndices) {
  const PalettedImage image = Stripes(3, 2, 5);
  const std::vector<uint8_t> bmp = EncodeBmpPaletted(image, 8);
  const auto info = ReadBmpInfo(bmp);
  EXPECT_EQ(info.bits, 8u);
  EXPECT_EQ(info.colours_used, 5u);
  EXPECT_EQ(info.pixel_offset, 54u + 5u * 4u);
  EXPECT_EQ(bmp.size(), info.pixel_offset + 4u * 2u);
  // Table entries: blue, green, red, zero.
  EXPECT_EQ(bmp[54 + 4 * 3 + 0], 255);
  EXPECT_EQ(bmp[54 + 4 * 3 + 1], 6);
  EXPECT_EQ(bmp[54 + 4 * 3 + 2], 3);
  EXPECT_EQ(bmp[54 + 4 * 3 + 3], 0);
  // Bottom row (y = 1) first: indices 1, 2, 3, then one byte of padding.
  EXPECT_EQ(bmp[info.pixel_offset + 0], 1);
  EXPECT_EQ(bmp[info.pixel_offset + 2], 3);
  EXPECT_EQ(bmp[info.pixel_offset + 3], 0);
  EXPECT_EQ(bmp[info.pixel_offset + 4], 0);
}

TEST(BmpWriter, FourBitPacksTheLeftPixelIntoTheHighNibble) {
  PalettedImage image = Stripes(5, 1, 16);
  image.indices = {1, 2, 3, 4, 15};
  const std::vector<uint8_t> bmp = EncodeBmpPaletted(image, 4);
  const auto info = ReadBmpInfo(bmp);
  ASSERT_EQ(info.pixel_offset, 54u + 16u * 4u);
  EXPECT_EQ(bmp[info.pixel_offset + 0], 0x12);
  EXPECT_EQ(bmp[info.pixel_offset + 1], 0x34);
  EXPECT_EQ(bmp[info.pixel_offset + 2], 0xF0);  // odd width: the last low nibble is 0
  EXPECT_EQ(bmp[info.pixel_offset + 3], 0x00);
  EXPECT_EQ(bmp.size(), info.pixel_offset + 4u);
  EXPECT_EQ(BmpPixel(bmp, 4, 0), (Colour{15, 30, 255}));
}

TEST(BmpWriter, FullColourTablePadsThePaletteAndStatesZeroUsed) {
  const std::vector<uint8_t> bmp =
      EncodeBmpPaletted(Stripes(4, 4, 3), 4, {.full_colour_table = true});
  const auto info = ReadBmpInfo(bmp);
  EXPECT_EQ(info.colours_used, 0u);
  EXPECT_EQ(info.pixel_offset, 54u + 16u * 4u);
  EXPECT_EQ(U32(bmp, 54 + 4 * 15), 0u);  // padding entries are black
}

TEST(BmpWriter, RefusesPalettesAndIndicesThatDoNotFit) {
  EXPECT_THROW(EncodeBmpPaletted(Stripes(2, 2, 17), 4), std::invalid_argument);
  EXPECT_THROW(EncodeBmpPaletted(Stripes(2, 2, 2), 2), std::invalid_argument);
  PalettedImage bad_index = Stripes(2, 2, 2);
  bad_index.indices[3] = 2;
  EXPECT_THROW(EncodeBmpPaletted(bad_index, 8), std::invalid_argument);
  PalettedImage short_indices = Stripes(2, 2, 2);
  short_indices.indices.pop_back();
  EXPECT_THROW(EncodeBmpPaletted(short_indices, 8), std::invalid_argument);
}

TEST(BmpWriter, ThirtyTwoBitCarriesAlphaAfterBlueGreenRed) {
  Image image(2, 1, Rgb{10, 20, 30});
  const std::vector<uint8_t> alpha = {0, 200};
  const std::vector<uint8_t> bmp = EncodeBmp32(image, alpha);
  EXPECT_EQ(ReadBmpInfo(bmp).bits, 32u);
  const std::vector<uint8_t> pixels(bmp.begin() + 54, bmp.end());
  EXPECT_EQ(pixels, (std::vector<uint8_t>{30, 20, 10, 0, 30, 20, 10, 200}));
  EXPECT_THROW(EncodeBmp32(image, std::vector<uint8_t>{1}), std::invalid_argument);
}

}  // namespace
}  // namespace demo
