#include <gtest/gtest.h>

#include <algorithm>

#include "engine/el.h"
#include "tests/engine/system_fixture.h"

namespace {

// The start and stop hooks and the pointer confinement they use, which
// follows the display's size.
class SystemHooks : public test_support::SystemTest {
 protected:
  void SetUp() override {
    SystemTest::SetUp();
    elDraw::Width = 640;
    elDraw::Height = 480;
  }
};

TEST_F(SystemHooks, MoveIsRelativeToTheWindow) {
  _WindowX = 100;
  _WindowY = 50;
  elSystem::MouseMove(10, 20);
  EXPECT_EQ(fake->warp_x, 110);
  EXPECT_EQ(fake->warp_y, 70);
}

TEST_F(SystemHooks, ConfinementFollowsTheDisplayMode) {
  _WindowX = 30;
  _WindowY = 40;
  _FullScreen = 1;
  elSystem::WindowMouseArea();
  EXPECT_EQ(fake->confined, (platform::Rect{0, 0, 640, 480}));
  EXPECT_EQ(elSystem::GetMouseArea(), 1);
  _FullScreen = 0;
  elSystem::WindowMouseArea();
  EXPECT_EQ(fake->confined, (platform::Rect{30, 40, 670, 520}));
  elSystem::ClearMouseArea();
  EXPECT_FALSE(fake->confined.has_value());
  EXPECT_EQ(elSystem::GetMouseArea(), 0);
}

TEST_F(SystemHooks, InitUnlocksFiltersSystemKeysAndConfinesInFullScreen) {
  elSystem::KeyboardLock = 1;
  PushKey = 'A';
  elSystem::SystemKeyCheck = 2;
  SetClock(12345);
  EXPECT_EQ(elSystem::Init(), 1);
  EXPECT_EQ(elDraw::FpsTime, 12345u);  // the frame-rate display measures from here
  EXPECT_EQ(elSystem::KeyboardLock, 0);
  EXPECT_EQ(PushKey, 0u);
  EXPECT_EQ(elSystem::SystemKeyCheck, 0);
  EXPECT_EQ(fake->confined, (platform::Rect{0, 0, 640, 480}));
  elSystem::DestroyObject();
  EXPECT_FALSE(fake->confined.has_value());

  _FullScreen = 0;
  elSystem::Init();
  EXPECT_FALSE(fake->confined.has_value());
}

TEST_F(SystemHooks, AfterInitEverySlotReadsAsClearedUntilTheClockReachesIt) {
  elSystem::SetWait(4, 1);
  elSystem::Stop(1);
  elSystem::Init();
  EXPECT_EQ(elSystem::WaitTime[10], 999999999u);  // the stop entry too
  SetClock(999999998);
  for (int no = 1; no <= 10; ++no) EXPECT_EQ(elSystem::Wait(no), 0) << no;
  SetClock(999999999);
  for (int no = 1; no <= 10; ++no) EXPECT_EQ(elSystem::Wait(no), 1) << no;
}

}  // namespace
