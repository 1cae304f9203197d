#include "demo/generator/palette.h"

#include <gtest/gtest.h>

namespace demo {
namespace {

TEST(ExactPalette, NumbersColoursInOrderOfFirstAppearance) {
  Image image(3, 2, Rgb{9, 9, 9});
  image.Set(1, 0, Rgb{1, 2, 3});
  image.Set(2, 1, Rgb{1, 2, 3});
  image.Set(0, 1, kKeyWhite);
  const auto paletted = ExactPalette(image, 16);
  ASSERT_TRUE(paletted.has_value());
  EXPECT_EQ(paletted->palette, (std::vector<Rgb>{{9, 9, 9}, {1, 2, 3}, kKeyWhite}));
  EXPECT_EQ(paletted->indices, (std::vector<uint8_t>{0, 1, 0, 2, 0, 1}));
}

TEST(ExactPalette, RefusesPicturesWithMoreColoursThanAllowed) {
  Image image(5, 1);
  for (int x = 0; x < 5; ++x) image.Set(x, 0, Rgb{static_cast<uint8_t>(x), 0, 0});
  EXPECT_TRUE(ExactPalette(image, 5).has_value());
  EXPECT_FALSE(ExactPalette(image, 4).has_value());
}

TEST(DitherToCube, KeepsBlackAndWhiteExact) {
  Image image(8, 8, kKeyWhite);
  for (int x = 0; x < 8; ++x) image.Set(x, 3, Rgb{0, 0, 0});
  const PalettedImage paletted = DitherToCube(image);
  EXPECT_EQ(paletted.palette.size(), 252u);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const Rgb c = paletted.palette[paletted.indices[static_cast<size_t>(y * 8 + x)]];
      EXPECT_EQ(c, (y == 3 ? Rgb{0, 0, 0} : kKeyWhite)) << x << "," << y;
    }
  }
}

TEST(DitherToCube, AveragesToTheOriginalColourOverATile) {
  // A colour between cube levels comes out as a mix of its neighbours whose
  // average over a 4 x 4 tile is close to the original.
  const Rgb original{100, 150, 37};
  const PalettedImage paletted = DitherToCube(Image(4, 4, original));
  float r = 0, g = 0, b = 0;
  for (uint8_t index : paletted.indices) {
    r += paletted.palette[index].r;
    g += paletted.palette[index].g;
    b += paletted.palette[index].b;
  }
  EXPECT_NEAR(r / 16, original.r, 4);
  EXPECT_NEAR(g / 16, original.g, 4);
  EXPECT_NEAR(b / 16, original.b, 4);
}

}  // namespace
}  // namespace demo
