// Page flow of the story screen: lines, the five end types, the guards for
// targets the pages do not have, items and visited pages.
#include <set>

#include "tests/runtime/story_fixture.h"

namespace {

using story_test::StoryTest;
namespace field = project::field;
namespace end_type = project::end_type;

class StoryFlowTest : public StoryTest {
 protected:
  // Page 0 of three lines ending with `type`.
  static void ThreeLinePage(int type) {
    SetLines(0, {"one", "two", "three"});
    SetField(0, field::kEndType, type);
  }
  // Reads page 0 to its end: one frame to show it, three clicks.
  void ReadPage0() {
    Frame();
    for (int i = 0; i < 3; ++i) Click();
  }
  // The generator's own formula, worked out apart from the runtime's.
  static int Draw(uint32_t* state) {
    *state = *state * 214013u + 2531011u;
    return static_cast<int>((*state >> 16) & 0x7FFF);
  }
};

TEST_F(StoryFlowTest, LinesRunToTheFirstEmptyRecordAndTheLastClickEndsThePage) {
  ThreeLinePage(end_type::kNext);
  SetField(0, field::kNextPage, 7);
  Frame();
  EXPECT_EQ(soundflug, 1);
  Click();
  EXPECT_EQ(gyou, 1);
  Click();
  EXPECT_EQ(gyou, 2);
  EXPECT_EQ(sinariono, 0);
  Click();
  EXPECT_EQ(sinariono, 7);
  EXPECT_EQ(gyou, 0);
}

TEST_F(StoryFlowTest, TenFilledLinesEndOnTheTenthClickWhateverTheChoiceTextsHold) {
  SetLines(0, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "choice"});
  SetField(0, field::kNextPage, 3);
  Frame();
  for (int i = 0; i < 9; ++i) Click();
  EXPECT_EQ(gyou, 9);
  Click();
  EXPECT_EQ(sinariono, 3);
}

TEST_F(StoryFlowTest, AnEmptyLineZeroIsStillShownAndTheFirstClickEndsThePage) {
  SetField(0, field::kNextPage, 2);
  Frame();
  EXPECT_EQ(soundflug, 1);
  Click();
  EXPECT_EQ(sinariono, 2);
}

TEST_F(StoryFlowTest, ChoiceEndShowsTheChoicesAndKeepsTheLastLine) {
  ThreeLinePage(end_type::kChoice);
  ReadPage0();
  EXPECT_EQ(selectflug, 1);
  EXPECT_EQ(sinariono, 0);
  EXPECT_EQ(gyou, 2);
  EXPECT_EQ(soundflug, 1);  // the picture stays
}

TEST_F(StoryFlowTest, RandomEndDrawsOnceWithTheGeneratorsFormula) {
  ThreeLinePage(end_type::kRandom);
  SetField(0, field::kRandomLow, 10);
  SetField(0, field::kRandomHigh, 19);
  runtime::SeedRandom(12345);
  uint32_t state = 12345;
  const int expected = 10 + Draw(&state) % 10;
  ReadPage0();
  EXPECT_EQ(sinariono, expected);
  // Exactly one number was drawn.
  EXPECT_EQ(runtime::Random(), Draw(&state));
}

TEST_F(StoryFlowTest, RandomEndStaysInsideItsRange) {
  struct Case {
    int lo, hi;
    std::set<int> pages;
  };
  for (const Case& c : {Case{5, 5, {5}}, Case{5, 7, {5, 6, 7}}}) {
    std::set<int> seen;
    for (uint32_t seed = 0; seed < 40; ++seed) {
      ResetStory();
      ThreeLinePage(end_type::kRandom);
      SetField(0, field::kRandomLow, c.lo);
      SetField(0, field::kRandomHigh, c.hi);
      runtime::SeedRandom(seed);
      ReadPage0();
      seen.insert(sinariono);
    }
    EXPECT_EQ(seen, c.pages) << c.lo << ".." << c.hi;
  }
}

TEST_F(StoryFlowTest, VisitedBranchTakesItsTargetByTheTestedPagesFlag) {
  struct Case {
    int tested;
    bool visit_first;
    int expected;
  };
  // The current page was marked in the frame it became current.
  for (const Case& c : {Case{0, false, 31}, Case{5, false, 32}, Case{5, true, 31}}) {
    ResetStory();
    ThreeLinePage(end_type::kVisited);
    SetField(0, field::kVisitedPage, c.tested);
    SetField(0, field::kVisitedTarget, 31);
    SetField(0, field::kNotVisitedTarget, 32);
    if (c.visit_first) throwflug[5] = 1;
    ReadPage0();
    EXPECT_EQ(sinariono, c.expected) << "tested page " << c.tested;
  }
}

TEST_F(StoryFlowTest, ItemBranchLooksAtTheHeldItemsOnly) {
  struct Case {
    std::vector<int> held;
    int expected;
  };
  for (const Case& c : {Case{{}, 38}, Case{{3, 9}, 37}, Case{{3}, 38}}) {
    ResetStory();
    ThreeLinePage(end_type::kItem);
    SetField(0, field::kTestedItem, 9);
    SetField(0, field::kHeldTarget, 37);
    SetField(0, field::kNotHeldTarget, 38);
    itembox[5] = 9;  // beyond the held entries: not held
    for (int item : c.held) itembox[static_cast<size_t>(itemnownum++)] = item;
    ReadPage0();
    EXPECT_EQ(sinariono, c.expected) << c.held.size() << " items";
  }
}

// A target outside the pages, an inside-out random range and an unknown end
// type all leave the story on the page's last line, however often it is
// clicked, without recomposing it.
TEST_F(StoryFlowTest, EndsThatLeadNowhereKeepThePageOnItsLastLine) {
  struct Case {
    const char* what;
    int type, index, value;
  };
  const Case cases[] = {
      {"next page 1000", end_type::kNext, field::kNextPage, 1000},
      {"next page -1", end_type::kNext, field::kNextPage, -1},
      {"random hi below lo", end_type::kRandom, field::kRandomHigh, 3},
      {"random reaching past 999", end_type::kRandom, field::kRandomHigh, 1200},
      {"visited target", end_type::kVisited, field::kVisitedTarget, 5000},
      {"held target", end_type::kItem, field::kNotHeldTarget, -7},
      {"unknown end type", 9, field::kNextPage, 4},
  };
  for (const Case& c : cases) {
    ResetStory();
    ThreeLinePage(c.type);
    SetField(0, field::kRandomLow, 4);
    SetField(0, field::kRandomHigh, 6);
    SetField(0, field::kVisitedTarget, 4);
    SetField(0, field::kNotHeldTarget, 4);
    SetField(0, c.index, c.value);
    runtime::SeedRandom(77);
    ReadPage0();
    Click();
    EXPECT_EQ(sinariono, 0) << c.what;
    EXPECT_EQ(gyou, 2) << c.what;
    EXPECT_EQ(soundflug, 1) << c.what;
    EXPECT_EQ(selectflug, 0) << c.what;
  }
  // No number was drawn for the ranges that were refused.
  uint32_t state = 77;
  EXPECT_EQ(runtime::Random(), Draw(&state));
}

TEST_F(StoryFlowTest, APageGivesItsItemOnceAndIsMarkedVisitedInTheFrameItIsReached) {
  LinkPage(0, 1);
  LinkPage(1, 0);
  SetField(1, field::kGivesItem, 1);
  SetField(1, field::kGivenItem, 250);  // kept as given, even beyond the list
  Frame();
  EXPECT_EQ(throwflug[0], 1);
  EXPECT_EQ(throwflug[1], 0);
  Click();
  EXPECT_EQ(sinariono, 1);
  EXPECT_EQ(throwflug[1], 1);
  ASSERT_EQ(itemnownum, 1);
  EXPECT_EQ(itembox[0], 250);
  Click();  // back to page 0
  Click();  // page 1 again: already visited
  EXPECT_EQ(sinariono, 1);
  EXPECT_EQ(itemnownum, 1);
}

TEST_F(StoryFlowTest, TheSameItemCanBeHeldTwiceAfterTheVisitedFlagWasCleared) {
  LinkPage(0, 0);
  SetField(0, field::kGivesItem, 1);
  SetField(0, field::kGivenItem, 4);
  Frame();
  throwflug[0] = 0;
  Frame();
  EXPECT_EQ(itemnownum, 2);
  EXPECT_EQ(itembox[1], 4);
}

TEST_F(StoryFlowTest, TwoHundredItemsAreTheMostAndAFurtherOneIsNotAdded) {
  SetField(0, field::kGivesItem, 1);
  SetField(0, field::kGivenItem, 8);
  itembox.fill(3);
  itemnownum = kMaxItems;
  Frame();
  EXPECT_EQ(itemnownum, kMaxItems);
  EXPECT_EQ(itembox[kMaxItems - 1], 3);
  EXPECT_EQ(throwflug[0], 1);
}

TEST_F(StoryFlowTest, PageLineAndChoiceChangesAreTracedOncePerChange) {
  ThreeLinePage(end_type::kChoice);
  // The trace remembers what it last wrote; start it from a known state.
  gyou = 5;
  runtime::TraceStoryState();
  gyou = 0;
  TraceLines("");
  ReadPage0();
  Frames(3);
  const auto events = TraceLines("\"ev\":\"");
  const auto count = [&](const std::string& text) {
    return std::count_if(events.begin(), events.end(),
                         [&](const std::string& e) { return e.find(text) != std::string::npos; });
  };
  EXPECT_EQ(count("\"ev\":\"page\",\"page\":0,\"line\":0"), 1);
  EXPECT_EQ(count("\"ev\":\"page\",\"page\":0,\"line\":2"), 1);
  EXPECT_EQ(count("\"ev\":\"select\",\"on\":1"), 1);
}

}  // namespace
