#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/el.h"
#include "platform/joystick.h"
#include "tests/engine/system_fixture.h"

namespace {

using platform::JoystickPosition;
using platform::JoystickResult;

// Two joysticks whose positions and buttons the test sets; every query is
// recorded with its flags.
class FakeJoysticks final : public platform::JoystickSource {
 public:
  struct Device {
    bool plugged = true;
    uint32_t x = 32767;
    uint32_t y = 32767;
    uint32_t buttons = 0;
  };

  JoystickResult GetPosition(unsigned id, uint32_t flags, JoystickPosition* out) override {
    queries.push_back({id, flags});
    if (id >= 2 || !devices[id].plugged) return JoystickResult::kUnplugged;
    if (flags & platform::joy::kReturnX) out->x = devices[id].x;
    if (flags & platform::joy::kReturnY) out->y = devices[id].y;
    if (flags & platform::joy::kReturnButtons) out->buttons = devices[id].buttons;
    return JoystickResult::kOk;
  }
  void ConfigChanged() override { ++config_changes; }

  struct Query {
    unsigned id;
    uint32_t flags;
  };
  Device devices[2];
  std::vector<Query> queries;
  int config_changes = 0;
};

class Joystick : public test_support::SystemTest {
 protected:
  void SetUp() override {
    SystemTest::SetUp();
    auto source = std::make_unique<FakeJoysticks>();
    joy = source.get();
    platform::SetJoystickSource(std::move(source));
    elJoystick::Init();
    joy->queries.clear();
  }
  void TearDown() override {
    platform::SetJoystickSource(nullptr);
    SystemTest::TearDown();
  }

  FakeJoysticks* joy = nullptr;
};

TEST_F(Joystick, InitRefreshesTheConfigurationAndReadsBothCentres) {
  joy->devices[0].x = 30000;
  joy->devices[0].y = 34000;
  joy->devices[1].plugged = false;
  elJoystick::Analog[0].X = 50.0f;
  elJoystick::Analog[1].InfoB[2] = 3;
  elJoystick::Analog[1].DefAddB = 9.0f;
  const int changes = joy->config_changes;
  elJoystick::Init();
  EXPECT_EQ(joy->config_changes, changes + 1);
  ASSERT_EQ(joy->queries.size(), 2u);
  EXPECT_EQ(joy->queries[0].flags, 0x8FFu);
  int x = -1, y = -1;
  elJoystick::CenterPos(0, &x, &y);
  EXPECT_EQ(x, 30000);
  EXPECT_EQ(y, 34000);
  elJoystick::CenterPos(1, &x, &y);  // unreadable at Init
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(elJoystick::Analog[0].X, 0.0f);
  EXPECT_EQ(elJoystick::Analog[1].InfoB[2], 0);
  EXPECT_EQ(elJoystick::Analog[1].DefAddB, 0.0f);
}

TEST_F(Joystick, DirectionsUseHalfAndOneAndAHalfTimesTheCentre) {
  struct Case {
    int center;
    uint32_t position;
    int direction;
  } cases[] = {
      {32767, 0, -1},    {32767, 16383, -1}, {32767, 16384, 0}, {32767, 32767, 0},
      {32767, 49149, 0}, {32767, 49150, 1},  {32767, 65535, 1}, {1001, 500, -1},
      {1001, 501, 0},    {1001, 1500, 0},    {1001, 1501, 1},   {0, 0, -1},  // a centre never read
      {0, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "centre " << c.center << " at " << c.position);
    elJoystick::CenterX[0] = elJoystick::CenterY[0] = c.center;
    joy->devices[0].x = c.position;
    joy->devices[0].y = static_cast<uint32_t>(c.center);  // Y at rest
    int x = 9, y = 9;
    elJoystick::Stick(0, &x, &y);
    EXPECT_EQ(x, c.direction);
    joy->devices[0].x = static_cast<uint32_t>(c.center);
    joy->devices[0].y = c.position;
    elJoystick::Stick(0, &x, &y);
    EXPECT_EQ(y, c.direction);
  }
  EXPECT_EQ(joy->queries.back().flags, 0x803u);
  joy->devices[0].x = 123;  // StickPos answers the raw reading
  joy->devices[0].y = 65535;
  int raw_x = 0, raw_y = 0;
  elJoystick::StickPos(0, &raw_x, &raw_y);
  EXPECT_EQ(raw_x, 123);
  EXPECT_EQ(raw_y, 65535);
}

TEST_F(Joystick, TenkeyFollowsTheNumericKeypadLayout) {
  elJoystick::CenterX[0] = elJoystick::CenterY[0] = 32767;
  const uint32_t low = 0, mid = 32767, high = 65535;
  struct Case {
    uint32_t x, y;
    int key;
  } cases[] = {{low, low, 7},  {mid, low, 8},  {high, low, 9}, {low, mid, 4},  {mid, mid, 5},
               {high, mid, 6}, {low, high, 1}, {mid, high, 2}, {high, high, 3}};
  for (const Case& c : cases) {
    joy->devices[0].x = c.x;
    joy->devices[0].y = c.y;
    EXPECT_EQ(elJoystick::StickTenkey(0), c.key) << c.x << "," << c.y;
  }
  joy->devices[0].plugged = false;
  EXPECT_EQ(elJoystick::StickTenkey(0), 5);
}

TEST_F(Joystick, UnreadableOrUnknownJoysticksGiveNeutralResults) {
  joy->devices[1].plugged = false;
  for (int no : {1, 2, -1, 1000}) {
    SCOPED_TRACE(no);
    int x = 7, y = 7;
    elJoystick::StickPos(no, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    x = y = 7;
    elJoystick::Stick(no, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    x = y = 7;
    elJoystick::AnalogStick(no, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(elJoystick::StickTenkey(no), 5);
    EXPECT_EQ(elJoystick::Button(no, 1), 0);
    EXPECT_EQ(elJoystick::ButtonInfo(no, 1), 0);
    EXPECT_EQ(elJoystick::AnalogButton(no, 1), 0);
    int b[4] = {7, 7, 7, 7};
    elJoystick::ButtonsInfo(no, &b[0], &b[1], &b[2], &b[3]);
    EXPECT_EQ(b[0] + b[1] + b[2] + b[3], 0);
    elJoystick::CenterPos(no, &x, &y);
    elJoystick::SetAnalog(no, 1.0f, 1.0f);
  }
}

TEST_F(Joystick, AnalogStickRampsWhileHeldAndReturnsAtTheSameSpeed) {
  elJoystick::CenterX[0] = elJoystick::CenterY[0] = 32767;
  elJoystick::SetAnalog(0, 200.0f, 0.0f);
  FrameTime = 0.02f;  // 50 frames a second
  joy->devices[0].x = 65535;
  joy->devices[0].y = 0;
  int x = 0, y = 0;
  for (int frame = 1; frame <= 30; ++frame) {
    elJoystick::AnalogStick(0, &x, &y);
    EXPECT_EQ(x, std::min(4 * frame, 100)) << frame;
    EXPECT_EQ(y, -std::min(4 * frame, 100)) << frame;
  }
  joy->devices[0].x = joy->devices[0].y = 32767;
  for (int frame = 1; frame <= 30; ++frame) {
    elJoystick::AnalogStick(0, &x, &y);
    EXPECT_EQ(x, std::max(100 - 4 * frame, 0)) << frame;
    EXPECT_EQ(y, -std::max(100 - 4 * frame, 0)) << frame;
  }
  // A failed reading answers 0 but keeps the ramp where it was.
  joy->devices[0].x = 65535;
  elJoystick::AnalogStick(0, &x, &y);
  joy->devices[0].plugged = false;
  elJoystick::AnalogStick(0, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(elJoystick::Analog[0].X, 4.0f);
}

TEST_F(Joystick, ButtonLevelsComeFromTheBitMask) {
  joy->devices[0].buttons = 0b1010 | (1u << 31);
  EXPECT_EQ(elJoystick::Button(0, 1), 0);
  EXPECT_EQ(elJoystick::Button(0, 2), 1);
  EXPECT_EQ(elJoystick::Button(0, 4), 1);
  EXPECT_EQ(elJoystick::Button(0, 32), 1);
  for (int outside : {0, -1, 33, 1000}) EXPECT_EQ(elJoystick::Button(0, outside), 0) << outside;
  EXPECT_EQ(joy->queries.back().flags, 0x80u);
  int b[4] = {9, 9, 9, 9};
  elJoystick::Buttons(0, &b[0], &b[1], &b[2], &b[3]);
  EXPECT_EQ(std::vector<int>(b, b + 4), (std::vector<int>{0, 1, 0, 1}));
  joy->devices[0].plugged = false;
  elJoystick::Buttons(0, &b[0], &b[1], &b[2], &b[3]);
  EXPECT_EQ(std::vector<int>(b, b + 4), (std::vector<int>{0, 0, 0, 0}));
}

// One poll of button 1: held or not, what withholds input, and the result.
struct EdgePoll {
  bool down;
  enum Withheld { kNone, kFade, kHelp, kLock } withheld;
  int expected;
};

TEST_F(Joystick, ButtonEdgesFollowTheKeyPollingScheme) {
  using enum EdgePoll::Withheld;
  const std::vector<EdgePoll> sequences[] = {
      {{true, kNone, 1}, {true, kNone, 3}, {true, kNone, 3}, {false, kNone, 2}, {false, kNone, 0}},
      {{true, kNone, 1}, {false, kNone, 2}, {true, kNone, 3}},
      // Locked while held: nothing, and the first poll after unlocking is a press.
      {{true, kLock, 0}, {true, kLock, 0}, {true, kNone, 1}, {true, kNone, 3}},
      {{true, kNone, 1}, {true, kFade, 0}, {true, kNone, 1}},
      {{true, kNone, 1}, {true, kHelp, 0}, {false, kNone, 0}},
  };
  for (const auto& sequence : sequences) {
    elJoystick::Analog[0].InfoB[0] = 0;
    int index = 0;
    for (const EdgePoll& poll : sequence) {
      joy->devices[0].buttons = poll.down ? 1u : 0u;
      elDraw::FadeNo = poll.withheld == kFade ? 1 : 0;
      elDraw::HelpOn = poll.withheld == kHelp ? 1 : 0;
      if (poll.withheld == kLock) {
        elSystem::LockKey();
      } else {
        elSystem::UnlockKey();
      }
      EXPECT_EQ(elJoystick::ButtonInfo(0, 1), poll.expected) << "poll " << index;
      EXPECT_EQ(elJoystick::Analog[0].InfoB[0], poll.expected) << "poll " << index;
      ++index;
    }
  }
}

TEST_F(Joystick, ButtonEdgesStayWhenTheReadingFailsOrTheButtonIsUnknown) {
  joy->devices[0].buttons = 1;
  EXPECT_EQ(elJoystick::ButtonInfo(0, 1), 1);
  joy->devices[0].plugged = false;
  EXPECT_EQ(elJoystick::ButtonInfo(0, 1), 0);
  EXPECT_EQ(elJoystick::Analog[0].InfoB[0], 1);
  int b[4] = {7, 7, 7, 7};
  elJoystick::ButtonsInfo(0, &b[0], &b[1], &b[2], &b[3]);
  EXPECT_EQ(b[0], 0);
  EXPECT_EQ(elJoystick::Analog[0].InfoB[0], 1);
  joy->devices[0].plugged = true;
  EXPECT_EQ(elJoystick::ButtonInfo(0, 1), 3);
  EXPECT_EQ(elJoystick::ButtonInfo(0, 0), 0);
  EXPECT_EQ(elJoystick::ButtonInfo(0, 5), 0);
  // All four edges come from one reading.
  joy->queries.clear();
  joy->devices[0].buttons = 0b0110;
  elJoystick::ButtonsInfo(0, &b[0], &b[1], &b[2], &b[3]);
  EXPECT_EQ(joy->queries.size(), 1u);
  EXPECT_EQ(std::vector<int>(b, b + 4), (std::vector<int>{2, 1, 1, 0}));
}

TEST_F(Joystick, AnalogButtonRampsToAHundredAndDropsAtOnce) {
  elJoystick::SetAnalog(0, 0.0f, 100.0f);
  FrameTime = 0.02f;
  joy->devices[0].buttons = 1;
  int value = 0;
  for (int frame = 1; frame <= 50; ++frame) value = elJoystick::AnalogButton(0, 1);
  EXPECT_EQ(value, 100);
  EXPECT_EQ(elJoystick::AnalogButton(0, 1), 100);
  joy->devices[0].buttons = 0;
  EXPECT_EQ(elJoystick::AnalogButton(0, 1), 0);
  joy->devices[0].buttons = 1;
  EXPECT_EQ(elJoystick::AnalogButton(0, 1), 2);
  joy->devices[0].plugged = false;  // a failed reading counts as released
  EXPECT_EQ(elJoystick::AnalogButton(0, 1), 0);
  EXPECT_EQ(elJoystick::Analog[0].B[0], 0.0f);
  EXPECT_EQ(elJoystick::AnalogButton(0, 0), 0);
  EXPECT_EQ(elJoystick::AnalogButton(0, 5), 0);
}

TEST_F(Joystick, AnalogButtonsRampTogetherAndKeepValuesWhenTheReadingFails) {
  elJoystick::SetAnalog(0, 0.0f, 10.0f);
  FrameTime = 0.5f;
  joy->devices[0].buttons = 0b1001;
  int b[4] = {};
  elJoystick::AnalogButtons(0, &b[0], &b[1], &b[2], &b[3]);
  elJoystick::AnalogButtons(0, &b[0], &b[1], &b[2], &b[3]);
  EXPECT_EQ(std::vector<int>(b, b + 4), (std::vector<int>{10, 0, 0, 10}));
  joy->devices[0].plugged = false;
  elJoystick::AnalogButtons(0, &b[0], &b[1], &b[2], &b[3]);
  EXPECT_EQ(std::vector<int>(b, b + 4), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(elJoystick::Analog[0].B[0], 10.0f);
  EXPECT_EQ(elJoystick::Analog[0].B[3], 10.0f);
}

TEST_F(Joystick, InitAnalogRestartsTheRampsButKeepsSpeedsAndEdges) {
  elJoystick::SetAnalog(1, 3.0f, 4.0f);
  elJoystick::Analog[1].X = 5.0f;
  elJoystick::Analog[1].Y = -5.0f;
  elJoystick::Analog[1].B[2] = 7.0f;
  elJoystick::Analog[1].InfoB[2] = 3;
  elJoystick::InitAnalog();
  EXPECT_EQ(elJoystick::Analog[1].X, 0.0f);
  EXPECT_EQ(elJoystick::Analog[1].Y, 0.0f);
  EXPECT_EQ(elJoystick::Analog[1].B[2], 0.0f);
  EXPECT_EQ(elJoystick::Analog[1].DefAddXY, 3.0f);
  EXPECT_EQ(elJoystick::Analog[1].DefAddB, 4.0f);
  EXPECT_EQ(elJoystick::Analog[1].InfoB[2], 3);
}

}  // namespace
