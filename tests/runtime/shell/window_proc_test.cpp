#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "runtime/shell/input_messages.h"
#include "tests/runtime/runtime_fixture.h"

namespace {

namespace msg = platform::msg;
namespace vk = platform::vk;
using runtime_test::Calls;
using runtime_test::RuntimeTest;

class WindowProcTest : public RuntimeTest {};

// One row of the message table: the state before, the message, the result
// and the state after.
struct Row {
  const char* name;
  std::function<void()> given;
  uint32_t message;
  uint64_t wparam;
  int64_t lparam;
  int64_t result;
  std::function<void()> then;
};

void Nothing() {}

const std::vector<Row>& InputRows() {
  static const std::vector<Row> rows = {
      {"pointer move takes both halves unsigned", Nothing, msg::kMouseMove, 0,
       platform::MakePointParam(639, 479), 0,
       [] {
         EXPECT_EQ(MousePX, 639);
         EXPECT_EQ(MousePY, 479);
       }},
      {"pointer move outside the window reads as large positions", Nothing, msg::kMouseMove, 0,
       platform::MakePointParam(-1, -2), 0,
       [] {
         EXPECT_EQ(MousePX, 0xFFFF);
         EXPECT_EQ(MousePY, 0xFFFE);
       }},
      {"left down", Nothing, msg::kLButtonDown, 1, 0, 0,
       [] {
         EXPECT_EQ(MousePL, 1);
         EXPECT_EQ(MouseCL, 1);
         EXPECT_EQ(MouseLL, 1);
         EXPECT_EQ(MousePush, 1u);
         EXPECT_EQ(MouseLast, 1u);
         EXPECT_EQ(MouseMenu, 0);
       }},
      {"left down while locked sets only the menu flag", [] { elSystem::KeyboardLock = 1; },
       msg::kLButtonDown, 1, 0, 0,
       [] {
         EXPECT_EQ(MouseMenu, 1);
         EXPECT_EQ(MousePL, 0);
         EXPECT_EQ(MouseCL, 0);
         EXPECT_EQ(MousePush, 0u);
       }},
      {"left up clears its hold and the menu flag",
       [] {
         MousePL = 1;
         MousePush = 1;
         MouseMenu = 1;
         MouseCL = 1;
       },
       msg::kLButtonUp, 0, 0, 0,
       [] {
         EXPECT_EQ(MousePL, 0);
         EXPECT_EQ(MousePush, 0u);
         EXPECT_EQ(MouseMenu, 0);
         EXPECT_EQ(MouseCL, 1);  // the press of this frame stays seen
       }},
      {"left up keeps a held right button",
       [] {
         MousePush = 2;
         MousePR = 1;
       },
       msg::kLButtonUp, 0, 0, 0, [] { EXPECT_EQ(MousePush, 2u); }},
      {"left double-click", Nothing, msg::kLButtonDblClk, 1, 0, 0,
       [] {
         EXPECT_EQ(MouseDL, 1);
         EXPECT_EQ(MousePL, 0);  // arrives in place of the second press
         EXPECT_EQ(MousePush, 0u);
       }},
      {"left double-click while locked", [] { elSystem::KeyboardLock = 1; }, msg::kLButtonDblClk, 1,
       0, 0, [] { EXPECT_EQ(MouseDL, 0); }},
      {"right down", Nothing, msg::kRButtonDown, 2, 0, 0,
       [] {
         EXPECT_EQ(MousePR, 1);
         EXPECT_EQ(MouseCR, 1);
         EXPECT_EQ(MouseLR, 1);
         EXPECT_EQ(MousePush, 2u);
         EXPECT_EQ(MouseLast, 2u);
       }},
      {"right down while locked does nothing", [] { elSystem::KeyboardLock = 1; },
       msg::kRButtonDown, 2, 0, 0,
       [] {
         EXPECT_EQ(MousePR, 0);
         EXPECT_EQ(MouseMenu, 0);
         EXPECT_EQ(MousePush, 0u);
       }},
      {"right up",
       [] {
         MousePR = 1;
         MousePush = 2;
       },
       msg::kRButtonUp, 0, 0, 0,
       [] {
         EXPECT_EQ(MousePR, 0);
         EXPECT_EQ(MousePush, 0u);
       }},
      {"right up keeps a held left button", [] { MousePush = 1; }, msg::kRButtonUp, 0, 0, 0,
       [] { EXPECT_EQ(MousePush, 1u); }},
      {"right double-click without confinement", Nothing, msg::kRButtonDblClk, 2, 0, 0,
       [] {
         EXPECT_EQ(MouseDR, 1);
         EXPECT_EQ(elSystem::MouseAreaReady, 0);
       }},
      {"key down", Nothing, msg::kKeyDown, 'A', 0, 0,
       [] {
         EXPECT_EQ(PushKey, 'A');
         EXPECT_EQ(LastKey, 'A');
         EXPECT_EQ(MenuKey, 0u);
       }},
      {"key down while locked", [] { elSystem::KeyboardLock = 1; }, msg::kKeyDown, 'A', 0, 0,
       [] {
         EXPECT_EQ(MenuKey, 'A');
         EXPECT_EQ(PushKey, 0u);
         EXPECT_EQ(LastKey, 0u);
       }},
      {"key down over the help screen", [] { elDraw::HelpOn = 1; }, msg::kKeyDown, 'A', 0, 0,
       [] {
         EXPECT_EQ(HelpKey, 'A');
         EXPECT_EQ(PushKey, 0u);
       }},
      {"system key swallowed with filter 0", Nothing, msg::kSysKeyDown, vk::kF10, 0, 0,
       [] { EXPECT_EQ(PushKey, 0u); }},
      {"lone Alt swallowed with filter 2", [] { elSystem::SystemKeyCheck = 2; }, msg::kSysKeyDown,
       vk::kMenu, 0, 0, [] { EXPECT_EQ(PushKey, 0u); }},
      {"other system key recorded with filter 2", [] { elSystem::SystemKeyCheck = 2; },
       msg::kSysKeyDown, vk::kF10, 0, 0, [] { EXPECT_EQ(PushKey, vk::kF10); }},
      {"Alt recorded with filter 1", [] { elSystem::SystemKeyCheck = 1; }, msg::kSysKeyDown,
       vk::kMenu, 0, 0, [] { EXPECT_EQ(LastKey, vk::kMenu); }},
      {"system key while locked goes to the menu key",
       [] {
         elSystem::SystemKeyCheck = 1;
         elSystem::KeyboardLock = 1;
       },
       msg::kSysKeyDown, vk::kF10, 0, 0,
       [] {
         EXPECT_EQ(MenuKey, vk::kF10);
         EXPECT_EQ(PushKey, 0u);
       }},
      {"key up clears every variable holding the key",
       [] {
         PushKey = HelpKey = MenuKey = LastKey = 'B';
         _PullKey = 'B';
       },
       msg::kKeyUp, 'B', 0, 0,
       [] {
         EXPECT_EQ(PushKey, 0u);
         EXPECT_EQ(HelpKey, 0u);
         EXPECT_EQ(MenuKey, 0u);
         EXPECT_EQ(LastKey, 'B');
         EXPECT_EQ(_PullCount, 1);
       }},
      {"key up of another key leaves the held one", [] { PushKey = 'B'; }, msg::kKeyUp, 'A', 0, 0,
       [] { EXPECT_EQ(PushKey, 'B'); }},
      {"Shift up flips the toggle", [] { PushShift = 1; }, msg::kKeyUp, vk::kShift, 0, 0,
       [] { EXPECT_EQ(PushShift, 0); }},
      {"hot key BF01 is Print Screen", Nothing, msg::kHotKey, 0xBF01, 0, 0,
       [] {
         EXPECT_EQ(PushKey, vk::kSnapshot);
         EXPECT_EQ(LastKey, vk::kSnapshot);
       }},
      {"hot key BF02 is code 101", Nothing, msg::kHotKey, 0xBF02, 0, 0,
       [] { EXPECT_EQ(PushKey, 0x101u); }},
      {"other hot keys are consumed", Nothing, msg::kHotKey, 0xBF03, 0, 0,
       [] { EXPECT_EQ(PushKey, 0u); }},
      {"hot keys while locked are consumed", [] { elSystem::KeyboardLock = 1; }, msg::kHotKey,
       0xBF01, 0, 0,
       [] {
         EXPECT_EQ(PushKey, 0u);
         EXPECT_EQ(MenuKey, 0u);
       }},
      {"window move takes signed halves", Nothing, msg::kMove, 0,
       platform::MakePointParam(-20, 40000), 0,
       [] {
         EXPECT_EQ(_WindowX, -20);
         EXPECT_EQ(_WindowY, 40000 - 0x10000);
         EXPECT_EQ(elDraw::RefreshPos.left, -20);
         EXPECT_EQ(elDraw::RefreshPos.top, 40000 - 0x10000);
         EXPECT_EQ(elDraw::RefreshPos.right, -20 + 640);
         EXPECT_EQ(elDraw::RefreshPos.bottom, 40000 - 0x10000 + 480);
         EXPECT_EQ(elSystem::MouseAreaReady, 0);
       }},
  };
  return rows;
}

TEST_F(WindowProcTest, InputAndMoveRows) {
  for (const Row& row : InputRows()) {
    SCOPED_TRACE(row.name);
    SetUp();
    row.given();
    EXPECT_EQ(Send(row.message, row.wparam, row.lparam), row.result);
    row.then();
  }
}

TEST_F(WindowProcTest, PressAndReleaseOfTwoKeys) {
  Send(msg::kKeyDown, 'A');
  Send(msg::kKeyDown, 'B');
  Send(msg::kKeyUp, 'A');
  EXPECT_EQ(PushKey, 'B');
  Send(msg::kKeyUp, 'B');
  EXPECT_EQ(PushKey, 0u);
  EXPECT_EQ(LastKey, 'B');

  Send(msg::kKeyDown, 'A');
  Send(msg::kKeyDown, 'B');
  Send(msg::kKeyUp, 'B');
  EXPECT_EQ(PushKey, 0u);  // A is still down but no longer held here
}

TEST_F(WindowProcTest, PullCountAndShiftTaps) {
  _PullKey = vk::kSpace;
  for (int i = 0; i < 3; ++i) {
    Send(msg::kKeyDown, vk::kSpace);
    Send(msg::kKeyUp, vk::kSpace);
  }
  EXPECT_EQ(_PullCount, 3);
  for (int i = 0; i < 4; ++i) Send(msg::kKeyUp, vk::kShift);
  EXPECT_EQ(PushShift, 0);
}

TEST_F(WindowProcTest, AltF4IsSwallowedWithFilter0AndClosesWithFilter2) {
  Send(msg::kSysKeyDown, vk::kF4);
  EXPECT_EQ(PushKey, 0u);
  EXPECT_TRUE(fake_->has_window);
  EXPECT_EQ(Calls().shut_downs, 0);

  elSystem::SystemKeyCheck = 2;
  Send(msg::kSysKeyDown, vk::kF4);
  EXPECT_EQ(PushKey, vk::kF4);
  EXPECT_FALSE(fake_->has_window);  // the default processing asked to close
  EXPECT_EQ(Calls().shut_downs, 1);
}

TEST_F(WindowProcTest, RightDoubleClickTogglesConfinementWhenEnabled) {
  _MouseArea = 1;
  Send(msg::kRButtonDblClk, 2);
  EXPECT_EQ(elSystem::MouseAreaReady, 1);
  ASSERT_TRUE(fake_->confined.has_value());
  EXPECT_EQ(fake_->confined->right, 640);
  Send(msg::kRButtonDblClk, 2);
  EXPECT_EQ(elSystem::MouseAreaReady, 0);
  EXPECT_FALSE(fake_->confined.has_value());

  elSystem::KeyboardLock = 1;
  MouseDR = 0;
  Send(msg::kRButtonDblClk, 2);
  EXPECT_EQ(MouseDR, 0);
  EXPECT_EQ(elSystem::MouseAreaReady, 0);
}

TEST_F(WindowProcTest, WindowMoveKeepsThePointerConfinedWhenEnabled) {
  _MouseArea = 1;
  Send(msg::kMove, 0, platform::MakePointParam(0, 0));
  EXPECT_EQ(elSystem::MouseAreaReady, 1);
  EXPECT_TRUE(fake_->confined.has_value());
}

TEST_F(WindowProcTest, PointerShapeHiddenOverFullScreenUnlessADialogIsShown) {
  EXPECT_EQ(Send(msg::kSetCursor), 1);
  EXPECT_FALSE(fake_->pointer_visible);

  _ShowDialog = 1;
  Send(msg::kSetCursor);  // default processing: the arrow
  EXPECT_TRUE(fake_->pointer_visible);

  _ShowDialog = 0;
  _FullScreen = 0;
  Send(msg::kSetCursor);
  EXPECT_TRUE(fake_->pointer_visible);
}

TEST_F(WindowProcTest, DeactivationShowsThePointerAndFreesIt) {
  _WindowActive = 1;
  _ShowMouse = 0;
  platform::ShowCursor(false);
  _MouseArea = 1;
  elSystem::WindowMouseArea();
  ASSERT_FALSE(fake_->pointer_visible);

  EXPECT_EQ(Send(msg::kActivateApp, 0), 0);
  EXPECT_EQ(_WindowActive, 0);
  EXPECT_EQ(_ShowMouse, 1);
  EXPECT_TRUE(fake_->pointer_visible);
  EXPECT_FALSE(fake_->confined.has_value());
  EXPECT_EQ(elSystem::MouseAreaReady, 0);

  // A pointer already shown is not shown twice: the show count stays balanced.
  Send(msg::kActivateApp, 0);
  EXPECT_EQ(platform::ShowCursor(false), -1);
}

TEST_F(WindowProcTest, ActivationRestartsTheFrameClockAndConfinesWhenEnabled) {
  Send(msg::kActivateApp, 1);
  EXPECT_FALSE(fake_->confined.has_value());
  Send(msg::kActivateApp, 0);
  EXPECT_FALSE(fake_->confined.has_value());
  _MouseArea = 1;
  FrameTime = 5.0f;
  fake_->now_ms = 90000;
  EXPECT_EQ(Send(msg::kActivateApp, 1), 0);
  EXPECT_EQ(_WindowActive, 1);
  EXPECT_EQ(FrameTime, 0.0f);
  EXPECT_EQ(_WaitTime, 90000u);
  EXPECT_TRUE(fake_->confined.has_value());

  // The next frame after a long absence is short.
  fake_->now_ms += 16;
  runtime::RunFrame();
  EXPECT_NEAR(FrameTime, 0.016f, 1e-6);
}

TEST_F(WindowProcTest, CloseRequestShutsTheEngineDownOnceAndQuits) {
  EXPECT_EQ(Send(msg::kClose), 0);
  EXPECT_EQ(Calls().shut_downs, 1);
  EXPECT_EQ(_CloseEvent, 2);
  EXPECT_FALSE(fake_->has_window);
  platform::Message m;
  ASSERT_TRUE(platform::PeekMessage(&m));
  EXPECT_EQ(m.message, msg::kQuit);
  EXPECT_EQ(m.wparam, 0u);
  EXPECT_FALSE(platform::PeekMessage(&m));  // the engine's exit posted nothing more

  // A second request finds the engine down and the window gone.
  Send(msg::kClose);
  EXPECT_EQ(Calls().shut_downs, 1);
  EXPECT_FALSE(platform::PeekMessage(&m));
  EXPECT_EQ(Send(msg::kDestroy), 0);
  ASSERT_TRUE(platform::PeekMessage(&m));
  EXPECT_EQ(m.message, msg::kQuit);
}

TEST_F(WindowProcTest, CloseAfterTheEnginesOwnExitOnlyDestroysTheWindow) {
  _CloseEvent = 2;  // the engine's exit ran first and posted the request
  Send(msg::kClose);
  EXPECT_EQ(Calls().shut_downs, 0);
  EXPECT_FALSE(fake_->has_window);
}

TEST_F(WindowProcTest, MusicNoticeReplaysOnlyAStoppedSongAfterSuccess) {
  struct Case {
    uint64_t code;
    int playing;
    const char* mode;
    int queries;
    int replays;
  };
  const Case cases[] = {
      {platform::mci::kNotifySuccessful, 1, "stopped", 1, 1},
      {platform::mci::kNotifySuccessful, 1, "playing", 1, 0},
      {platform::mci::kNotifySuccessful, 1, "seeking", 1, 0},
      {platform::mci::kNotifySuccessful, 1, "s", 1, 0},
      {platform::mci::kNotifySuccessful, 1, "", 1, 0},
      {platform::mci::kNotifySuccessful, 0, "stopped", 0, 0},
      {platform::mci::kNotifySuperseded, 1, "stopped", 0, 0},
      {platform::mci::kNotifyAborted, 1, "stopped", 0, 0},
      {platform::mci::kNotifyFailure, 1, "stopped", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    Calls() = runtime_test::EngineCalls{};
    Calls().midi_mode = c.mode;
    elMusic::PlayMusic = c.playing;
    Send(msg::kMciNotify, c.code, 1);
    EXPECT_EQ(Calls().status_queries, c.queries);
    EXPECT_EQ(Calls().replays, c.replays);
  }
}

TEST_F(WindowProcTest, MusicStatusReplyIsKeptWithinItsBuffer) {
  Calls().midi_mode = std::string(100, 's');
  elMusic::PlayMusic = 1;
  Send(msg::kMciNotify, platform::mci::kNotifySuccessful, 1);
  EXPECT_EQ(std::string(MciBuffer), std::string(31, 's'));
}

}  // namespace
