// Wipe transitions: the virtual screen of every pattern frame by frame, the
// start and end rules, and what drawing through a running wipe presents.
#include <cstring>
#include <vector>

#include "tests/engine/draw_fixture.h"

namespace {

using platform::Rect;
using test_support::DisplayTest;

class DrawWipe : public DisplayTest {
 protected:
  static Rect Virtual() { return {elDraw::Vx1, elDraw::Vy1, elDraw::Vx2, elDraw::Vy2}; }
};

struct PatternCase {
  int in_out;
  int type;
  Rect start;               // after SetWipe
  std::vector<Rect> steps;  // after each Wipe; the last one ends the wipe
};

// Over the rectangle 0,0-100,60 (centre 50,30) with a slit of 10 and 20
// pixels per frame.
const PatternCase kPatterns[] = {
    {0, 1, {0, 60, 100, 60}, {{0, 40, 100, 60}, {0, 20, 100, 60}, {0, 0, 100, 60}}},
    {0, 2, {0, 0, 100, 0}, {{0, 0, 100, 20}, {0, 0, 100, 40}, {0, 0, 100, 60}}},
    {0,
     3,
     {100, 0, 100, 60},
     {{80, 0, 100, 60}, {60, 0, 100, 60}, {40, 0, 100, 60}, {20, 0, 100, 60}, {0, 0, 100, 60}}},
    {0,
     4,
     {0, 0, 0, 60},
     {{0, 0, 20, 60}, {0, 0, 40, 60}, {0, 0, 60, 60}, {0, 0, 80, 60}, {0, 0, 100, 60}}},
    {0, 5, {0, 30, 100, 30}, {{0, 10, 100, 50}, {0, 0, 100, 60}}},
    {0, 6, {50, 0, 50, 60}, {{30, 0, 70, 60}, {10, 0, 90, 60}, {0, 0, 100, 60}}},
    {0, 7, {50, 30, 50, 30}, {{30, 10, 70, 50}, {10, 0, 90, 60}, {0, 0, 100, 60}}},
    {0,
     8,
     {45, 30, 55, 30},
     {{45, 10, 55, 50}, {45, 0, 55, 60}, {25, 0, 75, 60}, {5, 0, 95, 60}, {0, 0, 100, 60}}},
    {0,
     9,
     {50, 25, 50, 35},
     {{30, 25, 70, 35}, {10, 25, 90, 35}, {0, 25, 100, 35}, {0, 5, 100, 55}, {0, 0, 100, 60}}},
    {1, 1, {0, 0, 100, 60}, {{0, 20, 100, 60}, {0, 40, 100, 60}, {0, 60, 100, 60}}},
    {1, 2, {0, 0, 100, 60}, {{0, 0, 100, 40}, {0, 0, 100, 20}, {0, 0, 100, 0}}},
    {1,
     3,
     {0, 0, 100, 60},
     {{20, 0, 100, 60}, {40, 0, 100, 60}, {60, 0, 100, 60}, {80, 0, 100, 60}, {100, 0, 100, 60}}},
    {1,
     4,
     {0, 0, 100, 60},
     {{0, 0, 80, 60}, {0, 0, 60, 60}, {0, 0, 40, 60}, {0, 0, 20, 60}, {0, 0, 0, 60}}},
    {1, 5, {0, 0, 100, 60}, {{0, 20, 100, 40}, {0, 40, 100, 20}}},
    {1, 6, {0, 0, 100, 60}, {{20, 0, 80, 60}, {40, 0, 60, 60}, {60, 0, 40, 60}}},
    {1, 7, {0, 0, 100, 60}, {{20, 20, 80, 40}, {40, 30, 60, 30}, {50, 30, 50, 30}}},
    {1,
     8,
     {0, 0, 100, 60},
     {{20, 0, 80, 60}, {40, 0, 60, 60}, {45, 0, 55, 60}, {45, 20, 55, 40}, {45, 40, 55, 20}}},
    {1,
     9,
     {0, 0, 100, 60},
     {{0, 20, 100, 40}, {0, 25, 100, 35}, {20, 25, 80, 35}, {40, 25, 60, 35}, {60, 25, 40, 35}}},
};

TEST_F(DrawWipe, EveryPatternMovesItsEdgesFrameByFrameToItsEnd) {
  FrameTime = 0.125f;  // 0.125 x 152 = 19, plus one: 20 pixels a frame
  for (const PatternCase& c : kPatterns) {
    SCOPED_TRACE(testing::Message() << "in_out " << c.in_out << " type " << c.type);
    elDraw::EffectOn = 0;
    elDraw::VirtualScreen(0, 0, 100, 60);
    ASSERT_EQ(elDraw::SetWipe(c.in_out, c.type, 152.0f, 10), 1);
    EXPECT_EQ(Virtual(), c.start);
    EXPECT_EQ(elDraw::EffectOn, c.in_out == 0 ? 1 : 2);
    for (size_t i = 0; i < c.steps.size(); ++i) {
      const bool last = i + 1 == c.steps.size();
      ASSERT_EQ(elDraw::Wipe(), 1);
      EXPECT_EQ(Virtual(), c.steps[i]) << "frame " << i + 1;
      EXPECT_EQ(elDraw::EffectOn, last ? (c.in_out == 0 ? 0 : -1) : (c.in_out == 0 ? 1 : 2))
          << "frame " << i + 1;
    }
    EXPECT_EQ(elDraw::WipeIn, c.in_out == 0 ? 1 : 0);
    EXPECT_EQ(elDraw::WipeOut, c.in_out == 0 ? 0 : 1);
    EXPECT_EQ(elDraw::Wipe(), 0);  // nothing runs any more
  }
}

TEST_F(DrawWipe, TheStepIsTheFrameTimesTheSpeedPlusOnePixel) {
  FrameTime = 1.0f / 60;
  ASSERT_EQ(elDraw::SetWipe(0, 4, 320.0f, 0), 1);
  for (int frame = 1; frame <= 106; ++frame) {
    elDraw::Wipe();
    ASSERT_EQ(elDraw::Vx2, 6 * frame);
  }
  EXPECT_EQ(elDraw::EffectOn, 1);
  elDraw::Wipe();
  EXPECT_EQ(Virtual(), (Rect{0, 0, 640, 480}));
  EXPECT_EQ(elDraw::WipeIn, 1);

  // No speed, a negative one or one past any screen: still a sane step.
  for (const float speed : {0.0f, -500.0f}) {
    elDraw::SetWipe(1, 1, speed, 0);
    elDraw::Wipe();
    EXPECT_EQ(elDraw::Vy1, 1) << speed;
    elDraw::EffectOn = 0;
    elDraw::VirtualScreen(0, 0, 640, 480);
  }
  elDraw::SetWipe(1, 3, 3e38f, 0);
  FrameTime = 1000.0f;
  elDraw::Wipe();
  EXPECT_EQ(elDraw::EffectOn, -1);
  EXPECT_GT(elDraw::Vx1, 640);
}

TEST_F(DrawWipe, StartingIsRefusedWhileOneRunsAndForUnknownPatterns) {
  EXPECT_EQ(elDraw::Wipe(), 0);
  for (const int type : {-1, 10}) EXPECT_EQ(elDraw::SetWipe(0, type, 100.0f, 0), 0);
  EXPECT_EQ(elDraw::EffectOn, 0);
  EXPECT_EQ(Virtual(), (Rect{0, 0, 640, 480}));

  ASSERT_EQ(elDraw::SetWipe(0, 1, 100.0f, 0), 1);
  const Rect running = Virtual();
  EXPECT_EQ(elDraw::SetWipe(1, 3, 5.0f, 7), 0);
  EXPECT_EQ(Virtual(), running);
  EXPECT_EQ(elDraw::EffectType, 1);
  EXPECT_EQ(elDraw::EffectSpeed, 100.0f);

  std::srand(7);
  for (int i = 0; i < 40; ++i) {
    elDraw::EffectOn = 0;
    ASSERT_EQ(elDraw::SetWipe(1, 0, 1.0f, 0), 1);
    EXPECT_GE(elDraw::EffectType, 1);
    EXPECT_LE(elDraw::EffectType, 9);
  }
}

TEST_F(DrawWipe, AShutScreenIsRestoredBeforeTheNextWipe) {
  elDraw::VirtualScreen(10, 20, 110, 80);
  elDraw::SetWipeOut();
  EXPECT_EQ(Virtual(), (Rect{10, 20, 10, 20}));
  EXPECT_EQ(elDraw::EffectOn, -1);
  elDraw::SetWipeOut();  // shutting twice keeps the full rectangle
  ASSERT_EQ(elDraw::SetWipe(0, 2, 0.0f, 0), 1);
  EXPECT_EQ(Virtual(), (Rect{10, 20, 110, 20}));
  elDraw::Wipe();
  EXPECT_EQ(Virtual(), (Rect{10, 20, 110, 21}));

  elDraw::SetWipeOut();  // in the middle of a wipe: the saved one stays
  EXPECT_EQ((Rect{elDraw::Wx1, elDraw::Wy1, elDraw::Wx2, elDraw::Wy2}), (Rect{10, 20, 110, 80}));
  ASSERT_EQ(elDraw::SetWipe(1, 1, 0.0f, 0), 1);
  EXPECT_EQ(Virtual(), (Rect{10, 20, 110, 80}));
}

TEST_F(DrawWipe, DrawingThroughARunningWipeShowsOnlyInsideIt) {
  WriteBmp("pic.bmp", Plain(640, 480, 0xFFFFFF, 0xFFFFFF));
  elDraw::SetSpriteColor(0);
  const int pic = elDraw::LoadObject("pic.bmp", 2);
  ASSERT_NE(pic, 0);
  elDraw::ColorFill(0, 0, 640, 480, 0);
  FrameTime = 0.0f;
  ASSERT_EQ(elDraw::SetWipe(0, 6, 99.0f, 0), 1);  // a vertical line at x 320
  elDraw::Wipe();
  elDraw::Layer(0, 0, pic, 0, 0, 640, 480);
  elDraw::Refresh();
  ASSERT_EQ(fake->last_frame.size(), 640u * 480u * 2u);
  const auto presented = [&](int x, int y) {
    uint16_t v;
    std::memcpy(&v, fake->last_frame.data() + (y * 640 + x) * 2, 2);
    return v;
  };
  EXPECT_EQ(presented(318, 240), 0);
  EXPECT_EQ(presented(319, 240), 0xFFFF);
  EXPECT_EQ(presented(320, 240), 0xFFFF);
  EXPECT_EQ(presented(321, 240), 0);
  EXPECT_EQ(elDraw::EffectOn, 1);  // Refresh neither steps nor ends the wipe
}

}  // namespace
