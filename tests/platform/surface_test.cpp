// The surface blits: the fast paths give the reference loops' pixels, and the
// checks every blit makes (inside, same format, not lost).
#include "platform/surface.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using platform::BltResult;
using platform::PixelFormat;
using platform::Rect;
using platform::Surface;

void Scribble(Surface& s, std::mt19937& rng, uint32_t key_value, int key_percent) {
  const uint32_t all =
      s.Format().bits_per_pixel >= 32 ? 0x00FFFFFF : (uint32_t{1} << s.Format().bits_per_pixel) - 1;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      s.SetPixel(x, y, static_cast<int>(rng() % 100) < key_percent ? key_value : rng() & all);
}

bool SamePixels(const Surface& a, const Surface& b) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) return false;
  return true;
}

Rect RandomRect(std::mt19937& rng, int width, int height) {
  const int x = static_cast<int>(rng() % width), y = static_cast<int>(rng() % height);
  return {x, y, x + static_cast<int>(rng() % (width - x + 1)),
          y + static_cast<int>(rng() % (height - y + 1))};
}

class SurfaceFormats : public ::testing::TestWithParam<PixelFormat> {};

TEST_P(SurfaceFormats, CopiesMatchTheReferenceLoopPixelForPixel) {
  std::mt19937 rng(7);
  for (int round = 0; round < 300; ++round) {
    const bool same_surface = round % 3 == 0;
    const bool keyed = round % 2 == 0;
    const int w = 1 + static_cast<int>(rng() % 37), h = 1 + static_cast<int>(rng() % 23);
    Surface src(w, h, GetParam()), fast(w + 5, h + 3, GetParam()), ref(w + 5, h + 3, GetParam());
    Scribble(src, rng, 0x1234, 40);
    src.SetColorKey(0x1234);
    Scribble(fast, rng, 0, 0);
    for (int y = 0; y < fast.Height(); ++y)
      for (int x = 0; x < fast.Width(); ++x) ref.SetPixel(x, y, fast.GetPixel(x, y));
    fast.SetColorKey(0x1234);
    ref.SetColorKey(0x1234);
    const Surface& from_fast = same_surface ? fast : src;
    const Surface& from_ref = same_surface ? ref : src;
    const Rect r = RandomRect(rng, from_fast.Width(), from_fast.Height());
    const int dx = static_cast<int>(rng() % (fast.Width() - r.Width() + 1));
    const int dy = static_cast<int>(rng() % (fast.Height() - r.Height() + 1));
    ASSERT_EQ(fast.BltFast(dx, dy, from_fast, r, keyed), BltResult::kOk);
    platform::reference::Copy(ref, dx, dy, from_ref, r, keyed);
    ASSERT_TRUE(SamePixels(fast, ref)) << "round " << round;
  }
}

TEST_P(SurfaceFormats, StretchesAndFillsMatchTheReferenceLoop) {
  std::mt19937 rng(11);
  for (int round = 0; round < 200; ++round) {
    const bool keyed = round % 2 == 0;
    Surface src(13, 9, GetParam()), fast(40, 30, GetParam()), ref(40, 30, GetParam());
    Scribble(src, rng, 0x00F0, 30);
    src.SetColorKey(0x00F0);
    const Rect from = RandomRect(rng, 13, 9), to = RandomRect(rng, 40, 30);
    ASSERT_EQ(fast.BltStretch(to, src, from, keyed), BltResult::kOk);
    if (!from.Empty() && !to.Empty()) platform::reference::Stretch(ref, to, src, from, keyed);
    ASSERT_TRUE(SamePixels(fast, ref)) << "stretch round " << round;

    const uint32_t value = round % 4 == 0 ? 0xFFFFFFFF : rng();
    const Rect area = RandomRect(rng, 40, 30);
    fast.Fill(area, value);
    if (!area.Empty()) platform::reference::Fill(ref, area, value);
    ASSERT_TRUE(SamePixels(fast, ref)) << "fill round " << round;
  }
}

// Rows of key runs and opaque runs of every length, so that whole blocks of
// key, whole opaque blocks and mixed ones all meet the fast rows.
void RunsOfKey(Surface& s, std::mt19937& rng, uint32_t key_value) {
  const uint32_t all = s.Format().bits_per_pixel >= 32 ? 0x00FFFFFF : 0xFFFF;
  bool keyed = false;
  int left = 0;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) {
      if (left-- <= 0) keyed = !keyed, left = static_cast<int>(rng() % 40);
      s.SetPixel(x, y, keyed ? key_value : (rng() & all) | 1);
    }
}

TEST_P(SurfaceFormats, LongKeyRunsAndDoubledStretchesMatchTheReferenceLoop) {
  std::mt19937 rng(23);
  for (int round = 0; round < 60; ++round) {
    const bool keyed = round % 3 != 0;
    const int w = 1 + static_cast<int>(rng() % 90), h = 1 + static_cast<int>(rng() % 12);
    Surface src(w, h, GetParam()), fast(2 * w + 7, 2 * h + 5, GetParam()),
        ref(2 * w + 7, 2 * h + 5, GetParam());
    RunsOfKey(src, rng, 0x0842);
    src.SetColorKey(0x0842);
    Scribble(fast, rng, 0, 0);
    for (int y = 0; y < fast.Height(); ++y)
      for (int x = 0; x < fast.Width(); ++x) ref.SetPixel(x, y, fast.GetPixel(x, y));
    const Rect part = RandomRect(rng, w, h);
    const int dx = static_cast<int>(rng() % 8), dy = static_cast<int>(rng() % 6);
    ASSERT_EQ(fast.BltFast(dx, dy, src, part, keyed), BltResult::kOk);
    platform::reference::Copy(ref, dx, dy, src, part, keyed);
    ASSERT_TRUE(SamePixels(fast, ref)) << "copy round " << round;
    // Twice the size, the whole source and a part of it, at odd places.
    for (const Rect& from : {src.Bounds(), part}) {
      if (from.Empty()) continue;
      const Rect to{dx, dy, dx + 2 * from.Width(), dy + 2 * from.Height()};
      ASSERT_EQ(fast.BltStretch(to, src, from, keyed), BltResult::kOk);
      platform::reference::Stretch(ref, to, src, from, keyed);
      ASSERT_TRUE(SamePixels(fast, ref)) << "stretch round " << round;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, SurfaceFormats,
                         ::testing::Values(PixelFormat::Rgb565(), PixelFormat::Rgb555(),
                                           PixelFormat::Xrgb8888()));

TEST(Surface, KeyedCopyLeavesKeyPixelsAndTakesTheRest) {
  Surface src(3, 1, PixelFormat::Rgb565()), dst(3, 1, PixelFormat::Rgb565());
  src.SetPixel(0, 0, 0xFFFF), src.SetPixel(1, 0, 0x1234), src.SetPixel(2, 0, 0xFFFF);
  src.SetColorKey(0xFFFF);
  dst.Fill(dst.Bounds(), 0x0001);
  ASSERT_EQ(dst.BltFast(0, 0, src, src.Bounds(), true), BltResult::kOk);
  EXPECT_EQ(dst.GetPixel(0, 0), 0x0001u);
  EXPECT_EQ(dst.GetPixel(1, 0), 0x1234u);
  EXPECT_EQ(dst.GetPixel(2, 0), 0x0001u);
  // A key no 16-bit pixel can have makes nothing transparent.
  src.SetColorKey(0xFFFFFFFF);
  ASSERT_EQ(dst.BltFast(0, 0, src, src.Bounds(), true), BltResult::kOk);
  EXPECT_EQ(dst.GetPixel(0, 0), 0xFFFFu);
}

TEST(Surface, RefusesRectanglesOutsideEitherSurfaceAndOtherFormats) {
  Surface src(4, 4, PixelFormat::Rgb565()), dst(4, 4, PixelFormat::Rgb565());
  src.Fill(src.Bounds(), 0x1111);
  EXPECT_EQ(dst.BltFast(1, 0, src, {0, 0, 4, 1}, false), BltResult::kInvalidRect);
  EXPECT_EQ(dst.BltFast(0, 0, src, {-1, 0, 2, 1}, false), BltResult::kInvalidRect);
  EXPECT_EQ(dst.BltStretch({0, 0, 5, 4}, src, src.Bounds(), false), BltResult::kInvalidRect);
  Surface other(4, 4, PixelFormat::Rgb555());
  EXPECT_EQ(dst.BltFast(0, 0, other, other.Bounds(), false), BltResult::kInvalidRect);
  EXPECT_EQ(dst.GetPixel(0, 0), 0u);
  EXPECT_EQ(dst.BltFast(0, 0, src, {2, 2, 2, 3}, false), BltResult::kOk);  // empty: nothing
}

TEST(Surface, LostSurfacesRefuseBlitsAndLocksUntilRestored) {
  Surface a(2, 2, PixelFormat::Rgb565()), b(2, 2, PixelFormat::Rgb565());
  platform::MarkAllSurfacesLost();
  EXPECT_TRUE(a.IsLost());
  EXPECT_EQ(a.BltFast(0, 0, b, b.Bounds(), false), BltResult::kSurfaceLost);
  EXPECT_EQ(a.Fill(a.Bounds(), 1), BltResult::kSurfaceLost);
  EXPECT_EQ(a.Lock(), nullptr);
  a.Restore();
  EXPECT_EQ(a.BltFast(0, 0, b, b.Bounds(), false), BltResult::kSurfaceLost);  // b still lost
  b.Restore();
  EXPECT_EQ(a.BltFast(0, 0, b, b.Bounds(), false), BltResult::kOk);
  // A surface made after the loss is not lost.
  Surface c(1, 1, PixelFormat::Rgb565());
  EXPECT_FALSE(c.IsLost());
}

// Every way in to write moves the write count (a lock on both ends, since
// writes through it come between); reading, also as a blit's source, does
// not; surfaces have identities of their own.
TEST(Surface, TheWriteCountMovesWithEveryWayToWrite) {
  Surface a(4, 4, PixelFormat::Rgb565()), b(4, 4, PixelFormat::Rgb565());
  EXPECT_NE(a.Identity(), b.Identity());
  const auto moves = [&a](auto write) {
    const uint64_t before = a.WriteCount();
    write();
    return a.WriteCount() != before;
  };
  EXPECT_TRUE(moves([&] { a.Lock(); }));
  EXPECT_TRUE(moves([&] { a.Unlock(); }));
  EXPECT_TRUE(moves([&] { a.Row(1)[0] = 1; }));
  EXPECT_TRUE(moves([&] { a.Bytes()[0] = 1; }));
  EXPECT_TRUE(moves([&] { a.SetPixel(1, 1, 2); }));
  EXPECT_TRUE(moves([&] { a.Fill({0, 0, 2, 2}, 3); }));
  EXPECT_TRUE(moves([&] { a.BltFast(0, 0, b, {0, 0, 2, 2}, false); }));
  EXPECT_TRUE(moves([&] { a.BltStretch({0, 0, 4, 4}, b, {0, 0, 2, 2}, false); }));
  const Surface& read = a;
  EXPECT_FALSE(moves([&] { (void)read.GetPixel(1, 1), (void)read.Row(2), (void)read.Bytes(); }));
  EXPECT_FALSE(moves([&] { b.BltFast(0, 0, a, {0, 0, 2, 2}, false); }));
}

TEST(Surface, CreateRefusesSizesTheDriverRefuses) {
  EXPECT_EQ(Surface::Create(0, 10, PixelFormat::Rgb565()), nullptr);
  EXPECT_EQ(Surface::Create(10, -1, PixelFormat::Rgb565()), nullptr);
  EXPECT_EQ(Surface::Create(Surface::kMaxSidePx + 1, 1, PixelFormat::Rgb565()), nullptr);
  const auto s = Surface::Create(3, 2, PixelFormat::Rgb565());
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->PitchBytes(), 8);
}

TEST(Surface, ColourReferencesKeepTheTopBitsAndReadBackWithLowBitsZero) {
  const PixelFormat f565 = PixelFormat::Rgb565();
  EXPECT_EQ(platform::ColorRefToPixel(f565, 0xFFFFFF), 0xFFFFu);
  EXPECT_EQ(platform::ColorRefToPixel(f565, 0x0000FF), 0xF800u);  // red
  EXPECT_EQ(platform::ColorRefToPixel(f565, 0x563412), 0x11AAu);  // 12,34,56 -> 2,13,10
  EXPECT_EQ(platform::PixelToColorRef(f565, 0xFFFF), 0xF8FCF8u);
  EXPECT_EQ(platform::ColorRefToPixel(PixelFormat::Rgb555(), 0xFFFFFF), 0x7FFFu);
  EXPECT_EQ(platform::ColorRefToPixel(PixelFormat::Xrgb8888(), 0x563412), 0x123456u);
}

}  // namespace
