#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/trace.h"
#include "tests/runtime/runtime_fixture.h"
#include "tests/support/support.h"

namespace {

namespace msg = platform::msg;
using runtime_test::Calls;
using runtime_test::RuntimeTest;

// What a screen step saw when it ran.
struct Step {
  int screen;
  int change;
  float frame_time;
  int mouse_mx, mouse_my, mouse_cl;
  uint32_t now_time;
};

struct Script {
  std::vector<Step> steps;
  // Called by every screen after recording; may change screens.
  void (*action)(int screen, int step_of_screen) = nullptr;
  int steps_of[5] = {};
};

Script& Recorded() {
  static Script script;
  return script;
}

template <int kNumber>
void RecordingScreen() {
  Script& s = Recorded();
  s.steps.push_back(
      {kNumber, _ChangeScreen, FrameTime, MouseMX, MouseMY, MouseCL, elSystem::NowTime});
  const int step = ++s.steps_of[kNumber];
  if (s.action) s.action(kNumber, step);
}

constexpr runtime::ScreenTable kRecordingScreens{RecordingScreen<0>, RecordingScreen<1>,
                                                 RecordingScreen<2>, RecordingScreen<3>,
                                                 RecordingScreen<4>};

class MainLoopTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    Recorded() = Script{};
    runtime::InstallScreens(kRecordingScreens);
    _ScreenNo = 1;  // as the engine's set-up leaves it
    _LastScreenNo = 0;
    _SetWindow = 3;
  }

  void Frames(int count) {
    for (int i = 0; i < count; ++i) {
      fake_->now_ms += 16;
      runtime::RunFrame();
    }
  }

  std::vector<std::pair<int, int>> ScreensAndChanges() const {
    std::vector<std::pair<int, int>> out;
    for (const Step& s : Recorded().steps) out.emplace_back(s.screen, s.change);
    return out;
  }
};

using Pairs = std::vector<std::pair<int, int>>;

// Moves to screen `to` from within a step, as the screens do.
void Go(int to) {
  _ScreenNo = to;
  _LastScreenNo = 0;
}

TEST_F(MainLoopTest, EachScreenChangeGivesOneFirstFrameExceptIntoTheEnding) {
  struct Case {
    const char* name;
    int start;
    void (*action)(int screen, int step);
    int frames;
    Pairs expected;
  };
  const Case cases[] = {
      {"start-up", 1, nullptr, 3, {{1, 1}, {1, 0}, {1, 0}}},
      {"changes",
       1,
       [](int screen, int step) {
         if (screen == 1 && step == 2) Go(2);
         if (screen == 2) Go(3);
       },
       5,
       {{1, 1}, {1, 0}, {2, 1}, {3, 1}, {3, 0}}},
      {"zero written to the last screen restarts it",
       4,
       [](int screen, int step) {
         if (screen == 4 && step == 2) _LastScreenNo = 0;
       },
       4,
       {{4, 1}, {4, 0}, {4, 1}, {4, 0}}},
      {"into the ending",
       4,
       [](int screen, int step) {
         if (screen == 4 && step == 1) Go(0);
       },
       3,
       {{4, 1}, {0, 0}, {0, 0}}},
      {"from the ending back to a story screen",
       0,
       [](int screen, int step) {
         if (screen == 0 && step == 1) Go(3);
       },
       2,
       {{0, 0}, {3, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Recorded() = Script{};
    Recorded().action = c.action;
    _ScreenNo = c.start;
    _LastScreenNo = 0;
    Frames(c.frames);
    EXPECT_EQ(ScreensAndChanges(), c.expected);
  }
}

TEST_F(MainLoopTest, NumbersWithoutAScreenRunNoStepButKeepTheBookkeeping) {
  runtime::ScreenTable table = kRecordingScreens;
  table[2] = nullptr;
  runtime::InstallScreens(table);
  for (int number : {2, 5, -1, 1000}) {
    SCOPED_TRACE(number);
    _ScreenNo = number;
    MouseCL = MouseDR = 1;
    MousePX = 30;
    Frames(1);
    EXPECT_TRUE(Recorded().steps.empty());
    EXPECT_EQ(MouseCL, 0);
    EXPECT_EQ(MouseDR, 0);
    EXPECT_EQ(MouseLX, 30);
    EXPECT_EQ(_LastScreenNo, number);
  }
}

TEST_F(MainLoopTest, StepSeesFrameClockMovementAndTimestampThenBookkeepingRuns) {
  fake_->now_ms = 5000;
  elSystem::InitFrame();
  MousePX = 100;
  MousePY = 50;
  Frames(1);  // clock 5016
  MousePX = 110;
  MousePY = 45;
  MouseCL = 1;
  fake_->now_ms += 84;  // the clock reads 5100
  runtime::RunFrame();
  ASSERT_EQ(Recorded().steps.size(), 2u);
  const Step& step = Recorded().steps[1];
  EXPECT_NEAR(step.frame_time, 0.084f, 1e-6);
  EXPECT_EQ(step.mouse_mx, 10);
  EXPECT_EQ(step.mouse_my, -5);
  EXPECT_EQ(step.mouse_cl, 1);
  EXPECT_EQ(step.now_time, 5100u);
  // Between frames the movement variables hold the position.
  EXPECT_EQ(MouseMX, 110);
  EXPECT_EQ(MouseMY, 45);
  EXPECT_EQ(MouseLX, 110);
  EXPECT_EQ(MouseLY, 45);
  EXPECT_EQ(MouseCL, 0);
  EXPECT_EQ(_WaitTime, 5100u);
}

TEST_F(MainLoopTest, FrameClockIsRightAcrossTheClockWrap) {
  fake_->now_ms = 0xFFFFFFF0u;
  elSystem::InitFrame();
  fake_->now_ms = 0x10;  // 32 ms later
  runtime::RunFrame();
  EXPECT_NEAR(FrameTime, 0.032f, 1e-6);
}

TEST_F(MainLoopTest, DrawSkipSuppressesTheStep) {
  DrawSkip = 1;
  Frames(2);
  EXPECT_TRUE(Recorded().steps.empty());
  DrawSkip = 0;
  Frames(1);
  EXPECT_EQ(ScreensAndChanges(), (Pairs{{1, 0}}));  // its first frame went by unseen
  elDraw::FadeNo = 10;                              // a fade in keeps the screens running
  elDraw::FadeAdd = -1;
  Frames(2);
  EXPECT_EQ(Recorded().steps.size(), 3u);
}

TEST_F(MainLoopTest, FadeOutRefreshesOnlyAndThenHandsOverToTheQueuedScreen) {
  Frames(1);
  elDraw::FadeNo = 1;
  elDraw::FadeAdd = 1;
  _CallScreenNo = 3;
  int frames = 0;
  while (elDraw::FadeAdd == 1 && frames < 100) {
    Frames(1);
    ++frames;
  }
  EXPECT_EQ(frames, 10);
  EXPECT_EQ(Recorded().steps.size(), 1u);  // no screen step during the fade
  EXPECT_EQ(_ScreenNo, 3);
  Frames(2);
  EXPECT_EQ(ScreensAndChanges(), (Pairs{{1, 1}, {3, 1}, {3, 0}}));
}

TEST_F(MainLoopTest, ArmedWipeCoversTheNewScreensArea) {
  Recorded().action = [](int screen, int step) {
    if (screen == 1 && step == 2) {
      Go(2);
    }
  };
  elDraw::Vx1 = elDraw::Vy1 = 0;
  elDraw::Vx2 = 640;
  elDraw::Vy2 = 480;
  elDraw::Wx1 = 10;
  elDraw::Wy1 = 20;
  elDraw::Wx2 = 30;
  elDraw::Wy2 = 40;
  elDraw::EffectOn = 1;
  Frames(1);  // the first frame is no change: the wipe stays armed
  EXPECT_EQ(elDraw::EffectOn, 1);
  EXPECT_EQ(elDraw::Vx2, 640);
  Frames(1);
  EXPECT_EQ(elDraw::EffectOn, 0);
  EXPECT_EQ(elDraw::Vx1, 10);
  EXPECT_EQ(elDraw::Vy1, 20);
  EXPECT_EQ(elDraw::Vx2, 30);
  EXPECT_EQ(elDraw::Vy2, 40);
}

TEST_F(MainLoopTest, BlinkIsOnForASecondAndOffFor200Ms) {
  fake_->now_ms = 10000;
  elAllInit();
  _ScreenNo = 1;
  _SetWindow = 3;
  struct Tick {
    uint32_t at_ms;
    int blink;
  };
  const Tick ticks[] = {{10999, 1}, {11000, 0}, {11199, 0}, {11200, 1},
                        {12199, 1}, {12200, 0}, {12400, 1}};
  for (const Tick& t : ticks) {
    fake_->now_ms = t.at_ms;
    runtime::RunFrame();
    EXPECT_EQ(Blink, t.blink) << t.at_ms;
  }
}

class CountingBackend : public test_support::FakeBackend {
 public:
  void EndFrame() override { ++end_frames; }
  int end_frames = 0;
};

TEST_F(MainLoopTest, BackendHearsTheEndOfEveryFrame) {
  auto owned = std::make_unique<CountingBackend>();
  CountingBackend* backend = owned.get();
  platform::InstallBackend(std::move(owned));
  platform::CreateMainWindow("");
  Recorded().action = [](int, int step) {
    if (step == 3) platform::PostMessage(msg::kClose, 0, 0);
  };
  EXPECT_EQ(runtime::RunMainLoop(), 0);
  EXPECT_EQ(backend->end_frames, 3);
}

TEST_F(MainLoopTest, LoopRunsFramesWhileInactiveWithWindowOption2) {
  _WindowActive = 0;
  Recorded().action = [](int, int step) {
    if (step == 4) platform::PostMessage(msg::kClose, 0, 0);
  };
  EXPECT_EQ(runtime::RunMainLoop(), 0);
  EXPECT_EQ(Recorded().steps.size(), 4u);
  EXPECT_EQ(Calls().shut_downs, 1);
}

TEST_F(MainLoopTest, LoopWaitsForMessagesWhileInactiveWithoutWindowOption2) {
  _WindowActive = 0;
  _SetWindow = 1;
  platform::PostMessage(msg::kMouseMove, 0, platform::MakePointParam(5, 6));
  platform::PostMessage(msg::kClose, 0, 0);
  EXPECT_EQ(runtime::RunMainLoop(), 0);
  EXPECT_TRUE(Recorded().steps.empty());
  EXPECT_EQ(MousePX, 5);
}

TEST_F(MainLoopTest, MessagesAreHandledBetweenFrames) {
  Recorded().action = [](int, int step) {
    if (step == 1) {
      platform::PostMessage(msg::kLButtonDown, 1, platform::MakePointParam(7, 8));
      platform::PostMessage(msg::kMouseMove, 0, platform::MakePointParam(7, 8));
    }
    if (step == 3) platform::PostMessage(msg::kClose, 0, 0);
  };
  _WindowActive = 1;
  runtime::RunMainLoop();
  ASSERT_EQ(Recorded().steps.size(), 3u);
  EXPECT_EQ(Recorded().steps[0].mouse_cl, 0);
  EXPECT_EQ(Recorded().steps[1].mouse_cl, 1);  // the press of the previous frame's gap
  EXPECT_EQ(Recorded().steps[1].mouse_mx, 7);
  EXPECT_EQ(Recorded().steps[2].mouse_cl, 0);
}

TEST_F(MainLoopTest, EndingScreensExitEndsTheLoopThroughTheCloseSequenceOnce) {
  Recorded().action = [](int screen, int step) {
    if (screen == 1 && step == 1) {
      _ScreenNo = 0;
      _LastScreenNo = 0;
    }
    // The ending screen's click: the engine's exit, which posts the close.
    if (screen == 0 && step == 2) {
      ++Calls().shut_downs;
      if (_CloseEvent == 0) platform::PostMessage(msg::kClose, 0, 0);
      _CloseEvent = 2;
    }
  };
  EXPECT_EQ(runtime::RunMainLoop(), 0);
  EXPECT_EQ(Calls().shut_downs, 1);
  EXPECT_EQ(Recorded().steps_of[0], 2);
  EXPECT_FALSE(fake_->has_window);
}

TEST_F(MainLoopTest, TraceRecordsEachScreenNumberChange) {
  test_support::TempFolder folder;
  const std::string path = (folder.Path() / "trace.jsonl").string();
  ASSERT_TRUE(platform::OpenTrace(path));
  Recorded().action = [](int screen, int step) {
    if (screen == 1 && step == 2) {
      _ScreenNo = 2;
      _LastScreenNo = 0;
    }
    if (screen == 2) _LastScreenNo = 0;  // a restart is no change of number
    if (screen == 2 && step == 2) platform::PostMessage(msg::kClose, 0, 0);
  };
  runtime::RunMainLoop();
  platform::CloseTrace();
  std::ifstream in(path);
  std::vector<std::string> events;
  for (std::string line; std::getline(in, line);)
    if (line.find("\"ev\":\"screen\"") != std::string::npos)
      events.push_back(line.substr(line.find("\"ev\"")));
  EXPECT_EQ(events,
            (std::vector<std::string>{R"("ev":"screen","no":1})", R"("ev":"screen","no":2})"}));
}

}  // namespace
