// The timed reveal's counting, on a table of cells.
#include <gtest/gtest.h>

#include <vector>

#include "engine/font/internal/reveal.h"

namespace {

struct Reveal {
  // Room for the longest reveal a test asks for; the cells past 3 stay empty.
  elFont::_textpos cells[128] = {{0, 0, 64, 16}, {0, 0, 16, 16}, {16, 0, 32, 16}, {32, 0, 48, 16}};
  int font_count = 4;  // three cells
  int show_count = 0;
  float show_wait = 0.0f;
  std::vector<int> copied_x2;  // right edge of each copied rectangle
  int Step(float wait, float frame_time) {
    copied_x2.clear();
    return el::font::RevealStep(wait, frame_time, font_count, cells, &show_count, &show_wait,
                                [&](const elFont::_textpos& r) { copied_x2.push_back(r.X2); });
  }
};

TEST(FontReveal, WaitZeroShowsEverythingAtOnce) {
  Reveal r;
  EXPECT_EQ(r.Step(0.0f, 0.016f), 1);
  EXPECT_EQ(r.copied_x2, std::vector<int>{64});
  EXPECT_EQ(r.show_count, 5);
}

TEST(FontReveal, ThreeCellsAreShownOneByOneThenTheWholeBox) {
  Reveal r;
  const std::vector<std::vector<int>> shown = {{}, {}, {16}, {16, 32}, {16, 32, 48}};
  for (const auto& expected : shown) {
    EXPECT_EQ(r.Step(0.1f, 0.1f), 0);
    EXPECT_EQ(r.copied_x2, expected);
  }
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(r.Step(0.1f, 0.1f), 1);
    EXPECT_EQ(r.copied_x2, std::vector<int>{64});
  }
}

TEST(FontReveal, OneCellEverySixOrSevenFramesAtSixtyHertz) {
  Reveal r;
  r.font_count = 100;
  int last_change = 0, previous = r.show_count;
  for (int frame = 1; frame <= 120; ++frame) {
    r.Step(0.1f, 1.0f / 60.0f);
    if (r.show_count != previous) {
      if (previous > 0) {
        EXPECT_TRUE(frame - last_change == 6 || frame - last_change == 7) << frame;
      }
      last_change = frame;
      previous = r.show_count;
    }
  }
  EXPECT_GE(r.show_count, 17);
}

TEST(FontReveal, AtMostOneCellPerFrameWhenTheWaitIsShorter) {
  Reveal r;
  r.font_count = 100;
  for (int frame = 1; frame <= 10; ++frame) {
    r.Step(0.001f, 1.0f / 60.0f);
    EXPECT_EQ(r.show_count, frame);
  }
}

TEST(FontReveal, OutOfRangeStateStaysInsideTheTable) {
  Reveal r;
  r.show_count = -7;
  EXPECT_EQ(r.Step(0.1f, 0.0f), 0);
  EXPECT_TRUE(r.copied_x2.empty());
  r.font_count = 1 << 30;
  r.show_count = 1 << 30;
  EXPECT_EQ(r.Step(0.1f, 0.0f), 1);
}

}  // namespace
