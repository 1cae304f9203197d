#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/runtime/runtime_fixture.h"
#include "tests/support/support.h"

namespace {

using runtime_test::RuntimeTest;

class ProgramInitTest : public RuntimeTest {};

TEST_F(ProgramInitTest, AllInitSetsEveryStartValue) {
  _ScreenNo = _LastScreenNo = _CloseEvent = _ShowDialog = 4;
  _FullScreen = _ShowMouse = Blink = 0;
  FrameTime = 3.0f;
  PushKey = MousePush = 7;
  MousePX = MouseCL = MouseDR = 1;
  std::snprintf(_CommandLine, sizeof _CommandLine, "old");
  fake_->now_ms = 123456;
  elAllInit();
  for (int v : {_ScreenNo, _LastScreenNo, _CloseEvent, _ShowDialog, MousePX, MouseCL, MouseDR})
    EXPECT_EQ(v, 0);
  EXPECT_EQ(PushKey + MousePush, 0u);
  EXPECT_EQ(_FullScreen + _ShowMouse + Blink, 3);
  EXPECT_EQ(FrameTime, 0.0f);
  EXPECT_EQ(_WaitTime, 123456u);
  EXPECT_EQ(_BlinkTime, 124456u);
  EXPECT_STREQ(_CommandLine, "");
}

TEST_F(ProgramInitTest, SecondInstanceIsRefused) {
  test_support::TempFolder locks;
  platform::SetInstanceLockFolder(locks.Path().string());
  EXPECT_EQ(elMutexCheck(kApplicationName), 1);
  EXPECT_NE(_Mutex, 0u);
  const uintptr_t held = _Mutex;
  EXPECT_EQ(elMutexCheck(kApplicationName), 0);
  EXPECT_EQ(_Mutex, held);
  platform::ReleaseInstanceLock();
  _Mutex = 0;
  EXPECT_EQ(elMutexCheck(kApplicationName), 1);
  platform::ReleaseInstanceLock();
  _Mutex = 0;
}

TEST_F(ProgramInitTest, AWindowThatCannotOpenLeavesTheNextStartFree) {
  test_support::TempFolder locks;
  platform::SetInstanceLockFolder(locks.Path().string());
  fake_->window_fails = true;
  EXPECT_EQ(WinMain(1, 0, "", 1), 0);
  EXPECT_EQ(_Mutex, 0u);
  EXPECT_EQ(elMutexCheck(kApplicationName), 1);
  platform::ReleaseInstanceLock();
  _Mutex = 0;
}

TEST(CommandLineCopy, KeepsShortLinesAndConvertsToShiftJis) {
  runtime::CopyCommandLine("--window game");
  EXPECT_STREQ(_CommandLine, "--window game");
  runtime::CopyCommandLine("ゲーム");
  EXPECT_EQ(std::string(_CommandLine), test_support::Sjis("ゲーム"));
  runtime::CopyCommandLine(
      "a\xF0\x9F\x98\x80ゲ\xFF"
      "b\xE3"
      "z");
  EXPECT_EQ(std::string(_CommandLine), "a?" + test_support::Sjis("ゲ") + "?b?z");
  runtime::CopyCommandLine("");
  EXPECT_STREQ(_CommandLine, "");
}

TEST(CommandLineCopy, CutsLongLinesAtACharacterBoundary) {
  struct Case {
    std::string line;
    size_t expected_length;
  };
  const std::string kana = "あ";  // two bytes in Shift-JIS, three in UTF-8
  std::string all_kana;
  for (int i = 0; i < 200; ++i) all_kana += kana;
  const std::string emoji = "\xF0\x9F\x98\x80";  // no Shift-JIS form
  std::string all_emoji;
  for (int i = 0; i < 100; ++i) all_emoji += emoji;
  const Case cases[] = {
      {std::string(255, 'a'), 255},
      {std::string(256, 'a'), 255},
      {std::string(5000, 'a'), 255},
      {std::string(254, 'a') + kana, 254},  // the two-byte character does not fit
      {std::string(253, 'a') + kana, 255},
      {all_kana, 254},
      {all_emoji, 100},
      {std::string(253, 'a') + emoji + kana, 254},
  };
  for (const Case& c : cases) {
    runtime::CopyCommandLine(c.line);
    EXPECT_EQ(std::strlen(_CommandLine), c.expected_length);
  }
}

}  // namespace
