// The drawing context's stretch between surfaces: clipped pixel by pixel, and
// its fast path (the blitter's stretch) gives the reference loop's pixels.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/gdi.h"

namespace {

using platform::DrawingContext;
using platform::PixelFormat;
using platform::Rect;
using platform::Surface;

void Scribble(Surface& s, std::mt19937& rng) {
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) s.SetPixel(x, y, rng());
}

void CopyPixels(const Surface& from, Surface& to) {
  for (int y = 0; y < from.Height(); ++y)
    for (int x = 0; x < from.Width(); ++x) to.SetPixel(x, y, from.GetPixel(x, y));
}

// The first pixel that differs, or "".
std::string Difference(const Surface& a, const Surface& b) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.GetPixel(x, y) != b.GetPixel(x, y))
        return "at " + std::to_string(x) + "," + std::to_string(y);
  return {};
}

std::string Describe(const Rect& r) {
  return "{" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + "}";
}

TEST(GdiStretch, ClipsTheDestinationWithoutMovingTheSamples) {
  Surface src(3, 1, PixelFormat::Rgb565()), target(8, 2, PixelFormat::Rgb565());
  for (int x = 0; x < 3; ++x) src.SetPixel(x, 0, 0x100 + x);
  DrawingContext dc(target);
  // Three times as wide from x = -1: the first destination column is off the
  // surface; row 1 samples below the one-row source and stays as it was.
  dc.StretchBlt({-1, 0, 8, 2}, src, {0, 0, 3, 2});
  const uint32_t expected[] = {0x100, 0x100, 0x101, 0x101, 0x101, 0x102, 0x102, 0x102};
  for (int x = 0; x < 8; ++x) {
    EXPECT_EQ(target.GetPixel(x, 0), expected[x]) << x;
    EXPECT_EQ(target.GetPixel(x, 1), 0u) << x;
  }
}

// Odd factors, shrinking, one-pixel rectangles, clipping on either surface,
// another format and the target as its own source, on every display format:
// the context draws the reference loop's pixels, and where nothing is clipped
// or converted, the blitter's unkeyed stretch.
TEST(GdiStretch, MatchesTheReferenceLoopAndTheBlitterPixelForPixel) {
  const struct {
    Rect from, to;
  } cases[] = {
      {{1, 1, 6, 5}, {2, 3, 17, 15}},      // 3x
      {{0, 0, 8, 6}, {1, 1, 13, 10}},      // 1.5x
      {{0, 0, 13, 9}, {5, 5, 10, 8}},      // shrinking
      {{2, 1, 13, 8}, {0, 0, 40, 3}},      // wider, flatter
      {{4, 0, 5, 9}, {0, 0, 7, 20}},       // one source column
      {{0, 0, 13, 9}, {3, 2, 4, 29}},      // one destination column
      {{6, 4, 7, 5}, {0, 0, 40, 30}},      // one source pixel
      {{0, 0, 13, 9}, {-5, -3, 30, 20}},   // clipped at the top left
      {{0, 0, 13, 9}, {30, 25, 53, 43}},   // clipped at the bottom right
      {{-2, -2, 10, 12}, {4, 4, 33, 29}},  // partly off the source
      {{20, 20, 30, 30}, {0, 0, 10, 10}},  // wholly off the source
  };
  std::mt19937 rng(5);
  for (const PixelFormat format :
       {PixelFormat::Rgb565(), PixelFormat::Rgb555(), PixelFormat::Xrgb8888()}) {
    for (int round = 0; round < 3 * static_cast<int>(std::size(cases)); ++round) {
      const auto& c = cases[round % std::size(cases)];
      const int kind = round / static_cast<int>(std::size(cases));  // plain, other format, self
      const PixelFormat src_format =
          kind == 1 ? (format == PixelFormat::Xrgb8888() ? PixelFormat::Rgb565()
                                                         : PixelFormat::Xrgb8888())
                    : format;
      Surface src(13, 9, src_format), fast(40, 30, format), slow(40, 30, format),
          blit(40, 30, format);
      Scribble(src, rng);
      Scribble(fast, rng);
      CopyPixels(fast, slow);
      CopyPixels(fast, blit);
      const std::string what = Describe(c.from) + " onto " + Describe(c.to) + " kind " +
                               std::to_string(kind) + " bpp " +
                               std::to_string(format.bits_per_pixel);
      {
        DrawingContext dc(fast);
        dc.StretchBlt(c.to, kind == 2 ? fast : src, c.from);
      }
      platform::reference::StretchBlt(slow, c.to, kind == 2 ? slow : src, c.from);
      EXPECT_EQ(Difference(fast, slow), "") << what;
      if (kind == 0 && Inside(c.to, blit.Bounds()) && Inside(c.from, src.Bounds())) {
        ASSERT_EQ(blit.BltStretch(c.to, src, c.from, false), platform::BltResult::kOk);
        EXPECT_EQ(Difference(fast, blit), "") << what;
      }
    }
  }
}

}  // namespace
