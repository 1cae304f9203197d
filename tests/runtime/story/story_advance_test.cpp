// The advance rules of the story screen: clicks in manual mode, the auto
// timer in the automatic modes and on auto pages, and the right button.
#include "tests/runtime/story_fixture.h"

namespace {

using story_test::StoryTest;
namespace field = project::field;
namespace end_type = project::end_type;

class StoryAdvanceTest : public StoryTest {
 protected:
  void SetUp() override {
    StoryTest::SetUp();
    // Page 0: ten lines, then on to page 0 again.
    SetLines(0, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    SetField(0, field::kNextPage, 0);
  }
  // Page `page` as an auto page with a delay of `tenths` x 100 ms.
  static void AutoPage(int page, int tenths) {
    SetField(page, field::kAutoPage, 1);
    SetField(page, field::kAutoDelay, tenths);
  }
};

TEST_F(StoryAdvanceTest, RightClicksCycleTheModeAndNeverAdvance) {
  elSystem::SetWait(1, 100000);  // no automatic advance during the test
  Frame();
  for (int expected : {1, 2, 3, 0}) {
    RightClick();
    EXPECT_EQ(autoflug, expected);
  }
  EXPECT_EQ(gyou, 0);
}

TEST_F(StoryAdvanceTest, ALeftClickInTheFrameOfARightClickIsNotActedOn) {
  Frame();
  MousePX = story_test::kIdleX, MousePY = story_test::kIdleY;
  Button(platform::msg::kLButtonDown, MousePX, MousePY);
  Button(platform::msg::kRButtonDown, MousePX, MousePY);
  Frame();
  EXPECT_EQ(autoflug, 1);
  EXPECT_EQ(gyou, 0);
}

TEST_F(StoryAdvanceTest, AnAutomaticModeAdvancesAtOnceWhenTheTimerHadElapsedThenByItsDelay) {
  struct Case {
    int mode;
    uint32_t delay_ms;
  };
  for (const Case& c : {Case{1, 4000}, Case{2, 2000}, Case{3, 500}}) {
    ResetStory();
    SetLines(0, {"0", "1", "2", "3"});
    autoflug = c.mode;
    Frame();
    EXPECT_EQ(gyou, 1) << "mode " << c.mode;
    Pass(c.delay_ms - 1);
    Frames(2);
    EXPECT_EQ(gyou, 1) << "mode " << c.mode;
    Pass(1);
    Frame();
    EXPECT_EQ(gyou, 2) << "mode " << c.mode;
  }
}

TEST_F(StoryAdvanceTest, ClicksAreIgnoredInAnAutomaticMode) {
  autoflug = 1;
  Frame();  // advances, arms 4000 ms
  ASSERT_EQ(gyou, 1);
  Click();
  Click();
  EXPECT_EQ(gyou, 1);
}

TEST_F(StoryAdvanceTest, ManualModeLeavesTheTimerAlone) {
  elSystem::SetWait(1, 700);
  Frame();
  Click();
  EXPECT_EQ(gyou, 1);
  EXPECT_EQ(elSystem::WaitTime[0], fake_->now_ms + 700);
}

TEST_F(StoryAdvanceTest, AnAutoPageReachedByAClickWaitsItsOwnDelayAndIgnoresClicks) {
  sinariono = 5;
  LinkPage(5, 1);
  SetLines(1, {"a", "b", "c"});
  AutoPage(1, 15);
  Frame();
  Click();  // to page 1; its delay starts
  ASSERT_EQ(sinariono, 1);
  Pass(1499);
  Click();
  EXPECT_EQ(gyou, 0);
  Pass(1);
  Frame();
  EXPECT_EQ(gyou, 1);
  Pass(1499);
  Frame();
  EXPECT_EQ(gyou, 1);
  Pass(1);
  Frame();
  EXPECT_EQ(gyou, 2);
}

TEST_F(StoryAdvanceTest, AnAutoPagesOwnDelayWinsOverTheModesDelay) {
  SetLines(0, {"a", "b", "c"});
  AutoPage(0, 3);
  autoflug = 1;
  Frame();  // the timer had elapsed: advance, then 300 ms
  ASSERT_EQ(gyou, 1);
  Pass(300);
  Frame();
  EXPECT_EQ(gyou, 2);
}

TEST_F(StoryAdvanceTest, ANegativeAutoDelayCountsAsNone) {
  SetLines(0, {"a", "b", "c"});
  AutoPage(0, -5);
  Frame();
  ASSERT_EQ(gyou, 1);
  Frame();
  EXPECT_EQ(gyou, 2);
}

class StoryAutoChoiceTest : public StoryTest {
 protected:
  void SetUp() override {
    StoryTest::SetUp();
    SetLines(0, {"ask"});
    SetField(0, field::kEndType, end_type::kChoice);
    SetText(0, 10, "go");
    SetField(0, field::kChoiceTarget0, 6);
    Slot(str6, project::slot::kChoiceBox, 100, 300, 20, 10);
    autoflug = 2;
    Frame();  // the timer had elapsed: the choices show, 2000 ms
    ASSERT_EQ(selectflug, 1);
  }
  static constexpr int kRowX = 150, kRowY = 330;
};

TEST_F(StoryAutoChoiceTest, AClickOnAChoiceWaitsForTheTimerThenPicks) {
  Click(kRowX, kRowY);
  EXPECT_EQ(sinariono, 0);
  Pass(2000);
  Click(kRowX, kRowY);
  EXPECT_EQ(sinariono, 6);
  EXPECT_EQ(selectflug, 0);
}

TEST_F(StoryAutoChoiceTest, AClickBesideTheChoicesStillRearmsTheTimer) {
  Pass(2000);
  Click();  // hits no row
  EXPECT_EQ(selectflug, 1);
  Pass(1999);
  Click(kRowX, kRowY);
  EXPECT_EQ(sinariono, 0);
  Pass(1);
  Click(kRowX, kRowY);
  EXPECT_EQ(sinariono, 6);
}

TEST_F(StoryAutoChoiceTest, WithoutAClickTheChoicesStayWhateverTheTimerSays) {
  Pass(10000);
  Frames(3);
  EXPECT_EQ(selectflug, 1);
  EXPECT_EQ(sinariono, 0);
}

}  // namespace
