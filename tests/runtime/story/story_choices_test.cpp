// The choice box: its row rectangles to the pixel, the highlight under the
// pointer, the box itself, and the pick of a row.
#include "tests/runtime/story_fixture.h"

namespace {

using story_test::StoryTest;
namespace field = project::field;
namespace slot = project::slot;

// Rows of s = 20 at (100, 300): row k spans x 100..499, y 320 + 20k..339 + 20k.
constexpr int kBoxX = 100, kBoxY = 300, kSize = 20;

class StoryChoicesTest : public StoryTest {
 protected:
  void SetUp() override {
    StoryTest::SetUp();
    SetLines(0, {"ask"});
    SetField(0, field::kEndType, project::end_type::kChoice);
    const char* texts[] = {"first", "second", "", "fourth"};
    for (int k = 0; k < 4; ++k) {
      SetText(0, 10 + k, texts[k]);
      SetField(0, field::kChoiceTarget0 + k, 11 + k);
    }
    Slot(str6, slot::kChoiceBox, kBoxX, kBoxY, kSize, 10);
    ShowChoices();
  }
  void ShowChoices() {
    Frame();
    Click();
    ASSERT_EQ(selectflug, 1);
  }
  // Row `k`'s band of the back buffer.
  static int RowPixels(int k, uint32_t color_ref) {
    const int top = kBoxY + (k + 1) * kSize;
    return CountShown(kBoxX, top, kBoxX + 20 * kSize, top + kSize, color_ref);
  }
};

TEST_F(StoryChoicesTest, RowRectanglesIncludeTheirTopLeftAndExcludeTheirBottomRight) {
  SCREENPRM box;
  box.x = kBoxX, box.y = kBoxY, box.sizex = kSize;
  struct Case {
    int x, y, row;  // row -1: in no row
  };
  const Case cases[] = {
      {100, 320, 0},  {499, 339, 0}, {500, 330, -1}, {99, 330, -1},  {100, 319, -1},
      {100, 300, -1}, {100, 340, 1}, {250, 399, 3},  {250, 400, -1}, {100, 360, 2},
  };
  for (const Case& c : cases)
    for (int row = 0; row < 4; ++row)
      EXPECT_EQ(runtime::PointInChoiceRow(box, row, c.x, c.y), row == c.row)
          << "(" << c.x << ", " << c.y << ") row " << row;
  EXPECT_FALSE(runtime::PointInChoiceRow(box, 4, 250, 420));
  EXPECT_FALSE(runtime::PointInChoiceRow(box, -1, 250, 300));
}

TEST_F(StoryChoicesTest, HugeLayoutNumbersGiveNoRowRatherThanAnOverflow) {
  SCREENPRM box;
  box.x = INT32_MAX - 5, box.y = INT32_MAX - 5, box.sizex = INT32_MAX;
  EXPECT_FALSE(runtime::PointInChoiceRow(box, 0, 100, 100));
  box.sizex = -20;
  box.x = 100, box.y = 300;
  EXPECT_FALSE(runtime::PointInChoiceRow(box, 0, 100, 280));
}

TEST_F(StoryChoicesTest, AClickPicksTheRowUnderThePointerOnly) {
  struct Case {
    int x, y, page;  // page 0: nothing picked
  };
  // The edges of the rows are pinned by PointInChoiceRow above.
  for (const Case& c : {Case{500, 330, 0}, Case{100, 320, 11}, Case{300, 385, 14}}) {
    TearDown();  // a fresh story and display for each click
    SetUp();
    Click(c.x, c.y);
    EXPECT_EQ(sinariono, c.page) << "(" << c.x << ", " << c.y << ")";
    EXPECT_EQ(selectflug, c.page == 0 ? 1 : 0);
  }
}

TEST_F(StoryChoicesTest, AnEmptyChoiceIsNeitherDrawnNorPickable) {
  MousePX = 300, MousePY = 365;  // row 2, empty with a target
  Frame();
  EXPECT_EQ(RowPixels(2, story_test::kRed) + RowPixels(2, story_test::kGrey), 0);
  Click(300, 365);
  EXPECT_EQ(sinariono, 0);
  EXPECT_EQ(selectflug, 1);
}

TEST_F(StoryChoicesTest, TheRowUnderThePointerIsRedAndTheOthersGrey) {
  MousePX = 300, MousePY = 345;  // row 1
  Frame();
  EXPECT_GT(RowPixels(1, story_test::kRed), 0);
  EXPECT_EQ(RowPixels(1, story_test::kGrey), 0);
  for (int k : {0, 3}) {
    EXPECT_GT(RowPixels(k, story_test::kGrey), 0) << k;
    EXPECT_EQ(RowPixels(k, story_test::kRed), 0) << k;
  }
  // In the free band above the rows nothing is red.
  MousePX = 300, MousePY = 310;
  Frame();
  for (int k = 0; k < 4; ++k) EXPECT_EQ(RowPixels(k, story_test::kRed), 0) << k;
}

TEST_F(StoryChoicesTest, TheBoxIsFilledWithItsColourNumberAndOutlinedInBlack) {
  Frame();
  // The box spans (95, 315) to (505, 405).
  EXPECT_EQ(Shown(96, 317), Raw(story_test::kLightGrey));
  EXPECT_EQ(Shown(95, 317), Raw(story_test::kBlack));
  EXPECT_EQ(Shown(94, 317), Raw(story_test::kBlack));
  EXPECT_EQ(Shown(300, 403), Raw(story_test::kLightGrey));
  EXPECT_EQ(Shown(503, 317), Raw(story_test::kLightGrey));
  EXPECT_EQ(Shown(300, 313), Raw(story_test::kBlack));
}

TEST_F(StoryChoicesTest, WithTheBoxHiddenTheRowsAreStillDrawnAndPickable) {
  str6[slot::kChoiceBox].show = 0;
  Frame();
  EXPECT_EQ(Shown(96, 317), Raw(story_test::kBlack));
  EXPECT_GT(RowPixels(0, story_test::kGrey), 0);
  Click(120, 325);
  EXPECT_EQ(sinariono, 11);
}

TEST_F(StoryChoicesTest, APageOfItsOwnLayoutMovesTheHighlightAndTheClick) {
  pagescrinf[0] = str6;
  pagescrinf[0][slot::kChoiceBox].x = 300;
  pagescrinf[0][slot::kChoiceBox].y = 100;
  pagescrinf[0][slot::kChoiceBox].sizex = 10;
  pagescrused[0] = 1;
  MousePX = 310, MousePY = 125;  // row 1 of the page's own box
  Frame();
  EXPECT_GT(CountShown(300, 120, 500, 130, story_test::kRed), 0);
  Click(150, 330);  // row 0 of the default box: nothing there now
  EXPECT_EQ(sinariono, 0);
  Click(310, 115);
  EXPECT_EQ(sinariono, 11);
}

TEST_F(StoryChoicesTest, AChoiceLeadingOutsideThePagesKeepsTheChoicesShown) {
  SetField(0, field::kChoiceTarget0, 1000);
  Click(120, 325);
  EXPECT_EQ(sinariono, 0);
  EXPECT_EQ(selectflug, 1);
  Click(120, 345);
  EXPECT_EQ(sinariono, 12);
}

TEST_F(StoryChoicesTest, PickingAChoiceComposesTheTargetPagesFirstLineOnTheNextFrame) {
  SetLines(12, {"there"});
  MousePX = 120, MousePY = 345;
  Button(platform::msg::kLButtonDown, MousePX, MousePY);
  Frame();
  EXPECT_EQ(sinariono, 12);
  EXPECT_EQ(soundflug, 0);
  Frame();
  EXPECT_EQ(soundflug, 1);
  // The box is gone with the choices.
  EXPECT_EQ(Shown(96, 317), Raw(story_test::kBlack));
}

}  // namespace
