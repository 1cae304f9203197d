#include <gtest/gtest.h>

#include "engine/el.h"
#include "tests/engine/system_fixture.h"
#include "tests/support/support.h"

namespace {

using test_support::Sjis;

class FrameClock : public test_support::SystemTest {
 protected:
  void SetUp() override {
    SystemTest::SetUp();
    std::fill(std::begin(elSystem::WaitTime), std::end(elSystem::WaitTime), 999999999u);
  }
};

TEST_F(FrameClock, SlotNumbersOutsideOneToTenAreReportedAndChangeNothing) {
  struct Case {
    int no;
    int expected;
  } cases[] = {{0, 0}, {11, 0}, {-1, 0}, {1, 1}, {10, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.no);
    fake->boxes.clear();
    uint32_t before[11];
    std::copy(std::begin(elSystem::WaitTime), std::end(elSystem::WaitTime), before);
    EXPECT_EQ(elSystem::SetWait(c.no, 500), c.expected);
    EXPECT_EQ(elSystem::InitWait(c.no), c.expected);
    if (c.expected == 0) {
      ASSERT_EQ(fake->boxes.size(), 2u);
      EXPECT_EQ(fake->boxes[0].caption, Sjis("エラー発生"));
      EXPECT_EQ(fake->boxes[0].text, Sjis("System::SetWait : ウェイトNoが範囲外です"));
      EXPECT_EQ(fake->boxes[1].text, Sjis("System::InitWait : ウェイトNoが範囲外です"));
      EXPECT_TRUE(std::equal(std::begin(before), std::end(before), elSystem::WaitTime));
    } else {
      EXPECT_TRUE(fake->boxes.empty());
    }
  }
}

TEST_F(FrameClock, ArmedSlotIsReachedAtItsDeadlineAndStaysReached) {
  SetClock(5000);
  ASSERT_EQ(elSystem::SetWait(3, 200), 1);
  EXPECT_EQ(elSystem::WaitTime[2], 5200u);
  SetClock(5199);
  EXPECT_EQ(elSystem::Wait(3), 0);
  SetClock(5200);
  EXPECT_EQ(elSystem::Wait(3), 1);
  SetClock(90000);
  EXPECT_EQ(elSystem::Wait(3), 1);  // polling does not disarm
  elSystem::InitWait(3);
  EXPECT_EQ(elSystem::Wait(3), 0);
}

TEST_F(FrameClock, ZeroAndNegativeWaitsAreReachedAtOnce) {
  SetClock(7000);
  elSystem::SetWait(1, 0);
  EXPECT_EQ(elSystem::Wait(1), 1);
  elSystem::SetWait(2, -50);
  EXPECT_EQ(elSystem::WaitTime[1], 6950u);
  EXPECT_EQ(elSystem::Wait(2), 1);
}

TEST_F(FrameClock, WaitOutsideTheSlotsReadsNothingAndIsNotReached) {
  SetClock(0xFFFFFFF0u);  // every real slot would read as reached
  for (int no : {0, -1, 11, 1000, INT32_MIN, INT32_MAX}) EXPECT_EQ(elSystem::Wait(no), 0) << no;
}

TEST_F(FrameClock, StopWaitsPastItsDeadlineAndRestartsTheFrameClock) {
  SetClock(1000);
  FrameTime = 0.5f;
  elSystem::Stop(0);
  EXPECT_GE(fake->now_ms, 1001u);
  EXPECT_EQ(FrameTime, 0.0f);
  EXPECT_EQ(_WaitTime, fake->now_ms);

  elSystem::Stop(250);
  EXPECT_EQ(elSystem::WaitTime[10], 1001u + 250u);
  EXPECT_EQ(fake->now_ms, 1252u);
}

TEST_F(FrameClock, StopAcrossTheClockWrapLastsItsFullTime) {
  SetClock(0xFFFFFF00u);
  elSystem::Stop(1000);
  EXPECT_EQ(fake->now_ms, 0xFFFFFF00u + 1000u + 1u);
}

TEST_F(FrameClock, FrameTimeIsTheTimeSinceTheLastUpdateAcrossTheWrap) {
  struct Case {
    uint32_t start, end;
    float seconds;
  } cases[] = {{1000, 1020, 0.02f}, {0xFFFFFFF6u, 10, 0.02f}, {500, 3500, 3.0f}, {42, 42, 0.0f}};
  for (const Case& c : cases) {
    SetClock(c.start);
    elSystem::InitFrame();
    EXPECT_EQ(FrameTime, 0.0f);
    SetClock(c.end);
    elSystem::UpdateFrame();
    EXPECT_FLOAT_EQ(FrameTime, c.seconds) << c.start;
    EXPECT_EQ(_WaitTime, c.end);
  }
}

}  // namespace
