// The 2:1 filter of the anti-aliased text on synthetic pixel buffers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <random>
#include <vector>

#include "engine/font/internal/aa_filter.h"

namespace {

using el::font::FilterArea;
using el::font::PixelPlane;

struct Buffer {
  Buffer(int w, int h, int bytes) : data(static_cast<size_t>(w) * h * bytes), plane{} {
    plane = {data.data(), w * bytes, w, h, bytes};
  }
  void Set(int x, int y, uint32_t v) {
    std::memcpy(&data[static_cast<size_t>(y) * plane.pitch_bytes + x * plane.bytes_per_pixel], &v,
                plane.bytes_per_pixel);
  }
  uint32_t Get(int x, int y) const {
    uint32_t v = 0;
    std::memcpy(&v, &data[static_cast<size_t>(y) * plane.pitch_bytes + x * plane.bytes_per_pixel],
                plane.bytes_per_pixel);
    return v;
  }
  void Fill(uint32_t v) {
    for (int y = 0; y < plane.height_px; ++y)
      for (int x = 0; x < plane.width_px; ++x) Set(x, y, v);
  }
  std::vector<uint8_t> data;
  PixelPlane plane;
};

constexpr el::font::ChannelShifts k565{11, 6, 0};

// Filters the whole 8 x 8 source into a 4 x 4 output at (0, 0).
void Filter(const Buffer& source, Buffer& output, const Buffer& background) {
  const FilterArea area{0, 0, 4, 4, {0, 0, 8, 8}};
  el::font::FilterHalf(source.plane, output.plane, background.plane, area, k565);
}

struct ChannelCase {
  const char* name;
  int bytes;
  uint32_t sample;  // the colour of the samples set
  int samples;      // how many of the nine around output pixel (1, 1)
  uint32_t background;
  uint32_t expected;
};

TEST(FontFilter, ChannelArithmetic) {
  const ChannelCase cases[] = {
      {"no sample keeps the transparent colour", 4, 0xFFFFFF, 0, 0x505050, 0},
      {"one white sample over black, 32-bit", 4, 0xFFFFFF, 1, 0, 0x3F3F3F},
      {"one white sample over black, 24-bit", 3, 0xFFFFFF, 1, 0, 0x3F3F3F},
      {"nine white samples saturate", 4, 0xFFFFFF, 9, 0, 0xFFFFFF},
      {"four samples blend with the background", 4, 0xFFFFFF, 4, 0x505050, 0xC7C7C7},
      {"channels stay apart", 4, 0x0000FF, 1, 0x800000, 0x8F1F3F},
      {"one white sample over black, 16-bit", 2, 0xFFFF, 1, 0, (7u << 11) | (7u << 6) | 7u},
      {"eight samples ignore the background, 16-bit", 2, 0xFFFF, 8, 0xFFFF,
       (31u << 11) | (31u << 6) | 31u},
  };
  // Sample positions around source pixel (2, 2), the centre of output (1, 1).
  const int offsets[9][2] = {{0, 0}, {-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                             {1, 0}, {-1, 1},  {0, 1},  {1, 1}};
  for (const auto& c : cases) {
    Buffer source(8, 8, c.bytes), output(4, 4, c.bytes), background(4, 4, c.bytes);
    background.Fill(c.background);
    for (int i = 0; i < c.samples; ++i) source.Set(2 + offsets[i][0], 2 + offsets[i][1], c.sample);
    Filter(source, output, background);
    EXPECT_EQ(output.Get(1, 1), c.expected) << c.name;
  }
}

TEST(FontFilter, SamplesOutsideTheSourceRectangleAreNotTaken) {
  Buffer source(8, 8, 4), output(4, 4, 4), background(4, 4, 4);
  source.Set(2, 0, 0xFFFFFF);  // right of the rectangle (0, 0)-(2, 2)
  const FilterArea area{0, 0, 1, 1, {0, 0, 2, 2}};
  el::font::FilterHalf(source.plane, output.plane, background.plane, area, k565);
  EXPECT_EQ(output.Get(0, 0), 0u);
  source.Set(1, 1, 0xFFFFFF);
  el::font::FilterHalf(source.plane, output.plane, background.plane, area, k565);
  EXPECT_EQ(output.Get(0, 0), 0x3F3F3Fu);
}

TEST(FontFilter, ClippingToTheVirtualScreen) {
  FilterArea area;
  // Right and bottom edges shorten the output.
  ASSERT_TRUE(el::font::ClipFilterArea(630, 470, 0, 0, 40, 40, {0, 0, 640, 480}, &area));
  EXPECT_EQ(area.ex, 10);
  EXPECT_EQ(area.ey, 10);
  // A cut at the left moves the source two pixels per output pixel.
  ASSERT_TRUE(el::font::ClipFilterArea(-5, 0, 0, 0, 40, 40, {0, 0, 640, 480}, &area));
  EXPECT_EQ(area.px, 0);
  EXPECT_EQ(area.source.x1, 10);
  EXPECT_EQ(area.ex, 15);
  // Wholly outside: nothing to draw.
  EXPECT_FALSE(el::font::ClipFilterArea(700, 0, 0, 0, 40, 40, {0, 0, 640, 480}, &area));
  EXPECT_FALSE(el::font::ClipFilterArea(-50, 0, 0, 0, 40, 40, {0, 0, 640, 480}, &area));
}

TEST(FontFilter, NeverWritesOutsideTheOutputPlane) {
  Buffer source(8, 8, 2), output(4, 4, 2), background(4, 4, 2);
  source.Fill(0xFFFF);
  const FilterArea area{2, 2, 4, 4, {0, 0, 8, 8}};  // reaches past the output
  el::font::FilterHalf(source.plane, output.plane, background.plane, area, k565);
  EXPECT_EQ(output.Get(3, 3), 0xFFDFu);
  EXPECT_EQ(output.Get(1, 1), 0u);
}

}  // namespace

namespace {

// Text-like scratch: runs of black and of ink, some of it a single colour
// (all of it with `one_ink`).
void Scribble(Buffer& b, std::mt19937& rng, std::optional<uint16_t> one_ink = {}) {
  bool ink = false;
  int left = 0;
  const uint16_t colour = one_ink ? *one_ink : static_cast<uint16_t>(rng());
  for (int y = 0; y < b.plane.height_px; ++y)
    for (int x = 0; x < b.plane.width_px; ++x) {
      if (left-- <= 0) ink = !ink, left = static_cast<int>(rng() % 12);
      const bool plain = one_ink || rng() % 3 == 0;
      b.Set(x, y, !ink ? 0 : plain ? colour : static_cast<uint16_t>(rng()));
    }
}

// One random case: areas placed off every edge of the output, source
// rectangles reaching outside the source plane, output and background planes
// of other sizes, both 16-bit layouts.
struct RandomCase {
  explicit RandomCase(std::mt19937& rng, int round)
      : source(1 + static_cast<int>(rng() % 70), 1 + static_cast<int>(rng() % 20), 2),
        fast(1 + static_cast<int>(rng() % 40), 1 + static_cast<int>(rng() % 12), 2),
        reference(fast.plane.width_px, fast.plane.height_px, 2),
        background(std::max(fast.plane.width_px + static_cast<int>(rng() % 3) - 1, 1),
                   std::max(fast.plane.height_px + static_cast<int>(rng() % 3) - 1, 1), 2),
        shifts(round % 2 == 0 ? k565 : el::font::ChannelShifts{10, 5, 0}) {
    Scribble(background, rng);
    const int x1 = static_cast<int>(rng() % 9) - 4, y1 = static_cast<int>(rng() % 7) - 3;
    area = {static_cast<int>(rng() % 12) - 6,
            static_cast<int>(rng() % 8) - 4,
            static_cast<int>(rng() % 40),
            static_cast<int>(rng() % 12),
            {x1, y1, x1 + static_cast<int>(rng() % 80), y1 + static_cast<int>(rng() % 24)}};
  }
  void FilterByReference() {
    el::font::FilterHalfReference(source.plane, reference.plane, background.plane, area, shifts);
  }
  Buffer source, fast, reference, background;
  el::font::ChannelShifts shifts;
  FilterArea area;
};

// The fast rows against the sample-by-sample loop on random scratch.
TEST(FontFilter, FastRowsMatchTheReferenceLoop) {
  std::mt19937 rng(17);
  for (int round = 0; round < 300; ++round) {
    RandomCase c(rng, round);
    Scribble(c.source, rng);
    el::font::FilterHalf(c.source.plane, c.fast.plane, c.background.plane, c.area, c.shifts);
    c.FilterByReference();
    ASSERT_EQ(c.fast.data, c.reference.data) << "round " << round;
  }
}

// A scratch in one ink, counted instead of summed: the same pixels, for inks
// whose components saturate (white), are zero in some channel, or odd.
TEST(FontFilter, OneInkRowsMatchTheReferenceLoop) {
  std::mt19937 rng(23);
  for (int round = 0; round < 300; ++round) {
    const uint16_t inks[] = {0xFFFF, 0x001F, 0xF800, 0x07E0, static_cast<uint16_t>(rng() | 1)};
    const uint16_t ink = inks[round % 5];
    RandomCase c(rng, round);
    Scribble(c.source, rng, ink);
    el::font::FilterHalfOneInk(c.source.plane, c.fast.plane, c.background.plane, c.area, c.shifts,
                               ink);
    c.FilterByReference();
    ASSERT_EQ(c.fast.data, c.reference.data) << "round " << round << " ink " << ink;
  }
}

}  // namespace
