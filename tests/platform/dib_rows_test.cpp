// The whole-row conversion of bitmaps against the reference loop, pixel for
// pixel: every depth, both row orders, bit fields, odd widths, clipped and
// offset copies, 16- and 32-bit surfaces.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/dib.h"
#include "tests/platform/bmp_builder.h"

namespace {

using platform::Dib;
using platform::PixelFormat;
using platform::Rect;
using platform::Surface;
using test_support::BmpSpec;

std::unique_ptr<Dib> Read(const std::string& bytes) {
  return Dib::FromFile(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

struct Shape {
  const char* name;
  int bpp;
  uint32_t compression;
  uint32_t masks[3];
};

// Random pixels of every kind, so that each palette entry and channel bit
// is exercised.
BmpSpec Noise(const Shape& shape, int width, int height) {
  BmpSpec s;
  s.width = width, s.height = height, s.bpp = shape.bpp, s.compression = shape.compression;
  s.give_image_size = true;  // top-down rows need it
  for (int c = 0; c < 3; ++c) s.masks[c] = shape.masks[c];
  std::mt19937 rng(static_cast<uint32_t>(shape.bpp * 131 + width));
  if (shape.bpp <= 8) {
    s.palette.resize(size_t{1} << shape.bpp);
    for (uint32_t& c : s.palette) c = rng() & 0xFFFFFF;
  }
  const uint32_t seed = rng();
  s.pixel = [seed](int x, int y) {
    std::minstd_rand r(seed + static_cast<uint32_t>(x * 7919 + y * 104729));
    return static_cast<uint32_t>(r()) ^ (static_cast<uint32_t>(r()) << 16);
  };
  if (shape.bpp == 24) s.pixel = [f = s.pixel](int x, int y) { return f(x, y) & 0xFFFFFF; };
  if (shape.bpp == 16) s.pixel = [f = s.pixel](int x, int y) { return f(x, y) & 0xFFFF; };
  return s;
}

void ExpectSamePixels(const Surface& fast, const Surface& slow, const std::string& what) {
  for (int y = 0; y < fast.Height(); ++y)
    for (int x = 0; x < fast.Width(); ++x)
      ASSERT_EQ(fast.GetPixel(x, y), slow.GetPixel(x, y)) << what << " at " << x << "," << y;
}

TEST(DibRows, UnscaledCopiesGiveTheReferencePixels) {
  const Shape shapes[] = {
      {"1 bit", 1, 0, {}},
      {"4 bits", 4, 0, {}},
      {"8 bits", 8, 0, {}},
      {"16 bits 5-5-5", 16, 0, {}},
      {"16 bits 5-6-5 fields", 16, 3, {0xF800, 0x07E0, 0x001F}},
      {"16 bits 4-4-4 fields, no blue", 16, 3, {0x0F00, 0x00F0, 0}},
      {"24 bits", 24, 0, {}},
      {"32 bits", 32, 0, {}},
      {"32 bits 10-10-10 fields", 32, 3, {0x3FF00000, 0x000FFC00, 0x000003FF}},
      {"32 bits swapped fields", 32, 3, {0x000000FF, 0x0000FF00, 0x00FF0000}},
  };
  const PixelFormat formats[] = {PixelFormat::Rgb565(), PixelFormat::Rgb555(),
                                 PixelFormat::Xrgb8888()};
  // Surface-sized, shifted and clipped on every side, reaching past the
  // bitmap, and away from it.
  const Rect places[][2] = {
      {{0, 0, 13, 9}, {0, 0, 13, 9}},    {{3, 2, 16, 11}, {0, 0, 13, 9}},
      {{-4, -3, 9, 6}, {0, 0, 13, 9}},   {{5, 4, 17, 12}, {2, 1, 14, 9}},
      {{0, 0, 13, 9}, {-2, -1, 11, 8}},  {{0, 0, 13, 9}, {4, 3, 17, 12}},
      {{20, 20, 33, 29}, {0, 0, 13, 9}},
  };
  for (const Shape& shape : shapes) {
    for (int width : {13, 1, 31}) {
      for (int height : {9, -9}) {
        const auto dib = Read(test_support::MakeBmp(Noise(shape, width, height)));
        ASSERT_NE(dib, nullptr) << shape.name;
        for (const PixelFormat& format : formats) {
          for (const auto& place : places) {
            Surface fast(15, 11, format);
            Surface slow(15, 11, format);
            fast.Fill(fast.Bounds(), 0x1234);
            slow.Fill(slow.Bounds(), 0x1234);
            platform::DrawDib(fast, place[0], *dib, place[1]);
            platform::reference::DrawDib(slow, place[0], *dib, place[1]);
            ExpectSamePixels(fast, slow,
                             std::string(shape.name) + " width " + std::to_string(width) +
                                 " height " + std::to_string(height) + " bpp " +
                                 std::to_string(format.bits_per_pixel));
          }
        }
      }
    }
  }
}

TEST(DibRows, EveryPaletteIndexAndTwentyFourBitValueConvertsLikeTheReference) {
  BmpSpec s;
  s.width = 256, s.height = 1, s.bpp = 8;
  for (uint32_t i = 0; i < 256; ++i) s.palette.push_back(i * 0x010101u ^ (i << 3));
  s.pixel = [](int x, int) { return static_cast<uint32_t>(x); };
  BmpSpec t;
  t.width = 256, t.height = 3, t.bpp = 24;  // each channel through all 256 values
  t.pixel = [](int x, int y) { return static_cast<uint32_t>(x) << (8 * y); };
  for (const BmpSpec& spec : {s, t}) {
    const auto dib = Read(test_support::MakeBmp(spec));
    ASSERT_NE(dib, nullptr);
    Surface fast(256, 3, PixelFormat::Rgb565());
    Surface slow(256, 3, PixelFormat::Rgb565());
    platform::DrawDib(fast, fast.Bounds(), *dib, {0, 0, 256, 3});
    platform::reference::DrawDib(slow, slow.Bounds(), *dib, {0, 0, 256, 3});
    ExpectSamePixels(fast, slow, spec.bpp == 8 ? "palette" : "channels");
  }
}

}  // namespace
