// The composed picture of a story line, probed in its cache (sprite 0): slot
// order, opaque and keyed pictures, stretched pictures, the items column, the
// speaker's name and the text rows; and the cache itself.
#include "tests/runtime/story_fixture.h"

namespace {

using story_test::StoryTest;
namespace field = project::field;
namespace slot = project::slot;
using namespace story_test;  // colours

class StoryComposeTest : public StoryTest {
 protected:
  // Pixels of `color_ref` in the cache's rectangle [x1,x2) x [y1,y2).
  static int CountCached(int x1, int y1, int x2, int y2, uint32_t color_ref) {
    int count = 0;
    for (int y = y1; y < y2; ++y)
      for (int x = x1; x < x2; ++x) count += Cached(x, y) == Raw(color_ref) ? 1 : 0;
    return count;
  }
  static void HideMessage() { str6[slot::kMessage].show = 0; }
};

// Each picture overlaps the one before it; the probes show which lies on top
// and whether its white corner let the lower one through.
TEST_F(StoryComposeTest, SlotsAreLaidBackToFrontOpaqueOrKeyedAsTheirRoleSays) {
  HideMessage();
  screenbmp = Picture("bback.bmp", 100, 100, 0xFF0000, true);  // red, opaque: corner stays white
  backbmp[1] = Picture("b.bmp", 30, 30, 0x00FF00);             // green
  mainbmp[1] = Picture("f.bmp", 30, 30, 0x0000FF, true);       // blue, keyed
  hitobmp[1] = Picture("p.bmp", 30, 30, 0xFFFF00, true);       // yellow, opaque
  lyoutbmp = Picture("fback.bmp", 30, 30, 0x808080, true);     // grey, keyed
  for (auto list : {project::kBacks, project::kFronts, project::kPersons}) SetCount(list, 1);
  SetField(0, field::kBackPicture, 1);
  SetField(0, field::kFrontPicture, 1);
  SetField(0, field::kPerson0, 1);
  Slot(str6, slot::kBackdrop, 0, 0, 0, 0);
  Slot(str6, slot::kBack, 10, 10, 0, 0);
  Slot(str6, slot::kFront, 30, 30, 0, 0);
  Slot(str6, slot::kPerson, 50, 50, 0, 0);
  Slot(str6, slot::kFrame, 70, 70, 0, 0);
  Frame();
  EXPECT_EQ(Cached(5, 5), Raw(kWhite));     // backdrop's own white corner, opaque
  EXPECT_EQ(Cached(60, 5), Raw(kRed));      // backdrop
  EXPECT_EQ(Cached(15, 15), Raw(kGreen));   // back over backdrop
  EXPECT_EQ(Cached(35, 35), Raw(kGreen));   // through the front's white corner
  EXPECT_EQ(Cached(55, 47), Raw(kBlue));    // front over back
  EXPECT_EQ(Cached(55, 55), Raw(kWhite));   // person's corner, opaque over the front
  EXPECT_EQ(Cached(72, 72), Raw(kYellow));  // through the frame's white corner
  EXPECT_EQ(Cached(90, 90), Raw(kGrey));    // frame on top
  EXPECT_EQ(Cached(110, 110), Raw(kBlack));
}

TEST_F(StoryComposeTest, AStretchingSlotScalesThePictureToItsSize) {
  HideMessage();
  hitobmp[1] = Picture("p.bmp", 10, 10, 0xFFFF00);
  SetCount(project::kPersons, 1);
  SetField(0, field::kPerson0, 1);
  Slot(str6, slot::kPerson, 200, 100, 40, 20).stretch = 1;
  Frame();
  EXPECT_EQ(Cached(200, 100), Raw(kYellow));
  EXPECT_EQ(Cached(239, 119), Raw(kYellow));
  EXPECT_EQ(Cached(240, 110), Raw(kBlack));
  EXPECT_EQ(Cached(220, 120), Raw(kBlack));
}

TEST_F(StoryComposeTest, LaterFramesOfALineShowTheCacheAndANewLineIsComposedAfresh) {
  HideMessage();
  screenbmp = Picture("bback.bmp", 640, 480, 0xFF0000);
  Slot(str6, slot::kBackdrop, 0, 0, 0, 0);
  SetLines(0, {"one", "two"});
  Frame();
  str6[slot::kBackdrop].show = 0;  // not seen until the next line is composed
  Frames(2);
  EXPECT_EQ(Shown(5, 100), Raw(kRed));
  Click();
  EXPECT_EQ(gyou, 1);
  EXPECT_EQ(Shown(5, 100), Raw(kBlack));
}

// Line 0 shows person 1; line 1's person failed to load (sprite 0) and line
// 2's lies beyond the list. Neither may lay the cache of line 0 again.
TEST_F(StoryComposeTest, APictureThatFailedToLoadOrLiesBeyondItsListDrawsNothing) {
  HideMessage();
  hitobmp[1] = Picture("p1.bmp", 50, 50, 0xFFFF00);
  hitobmp[2] = 0;
  hitobmp[3] = Picture("p3.bmp", 50, 50, 0x00FF00);
  SetCount(project::kPersons, 2);
  SetLines(0, {"one", "two", "three"});
  SetField(0, field::kPerson0, 1);
  SetField(0, field::kPerson0 + 2, 2);
  SetField(0, field::kPerson0 + 4, 3);
  Slot(str6, slot::kPerson, 0, 0, 0, 0);
  Frame();
  ASSERT_EQ(Cached(10, 10), Raw(kYellow));
  Click();
  EXPECT_EQ(Cached(10, 10), Raw(kBlack));
  Click();
  EXPECT_EQ(Cached(10, 10), Raw(kBlack));
}

TEST_F(StoryComposeTest, ListCountsAbove199CountAs199) {
  HideMessage();
  backbmp[199] = Picture("b.bmp", 20, 20, 0x00FF00);
  SetCount(project::kBacks, 5000);
  Slot(str6, slot::kBack, 0, 0, 0, 0);
  for (int number : {200, 1 << 30, -3}) {
    SetField(0, field::kBackPicture, number);
    soundflug = 0;
    Frame();
    EXPECT_EQ(Cached(5, 5), Raw(kBlack)) << number;
  }
  SetField(0, field::kBackPicture, 199);
  soundflug = 0;
  Frame();
  EXPECT_EQ(Cached(5, 5), Raw(kGreen));
}

TEST_F(StoryComposeTest, WithEverySlotHiddenTheLineIsBlack) {
  for (int k = 0; k < project::kSlots; ++k) str6[static_cast<size_t>(k)] = SCREENPRM{};
  screenbmp = Picture("bback.bmp", 640, 480, 0xFF0000);
  SetText(0, 0, "Hello");
  Frame();
  EXPECT_EQ(soundflug, 1);
  EXPECT_EQ(CountCached(0, 0, 640, 480, kBlack), 640 * 480);
}

TEST_F(StoryComposeTest, ThePointerIsDrawnOverTheLineAndNotAtAllWhenItsPictureFailed) {
  HideMessage();
  screenbmp = Picture("bback.bmp", 640, 480, 0xFF0000);
  backbmp[1] = Picture("b.bmp", 20, 30, 0x00FF00);  // the cache's corner is green
  SetCount(project::kBacks, 1);
  SetField(0, field::kBackPicture, 1);
  Slot(str6, slot::kBackdrop, 0, 0, 0, 0);
  Slot(str6, slot::kBack, 0, 0, 0, 0);
  MousePX = 400, MousePY = 300;
  Frames(2);
  EXPECT_EQ(Shown(405, 305), Raw(kRed));
  mousebmp = Picture("mouse.bmp", 30, 30, 0x0000FF);
  Frame();
  EXPECT_EQ(Shown(405, 305), Raw(kBlue));
  EXPECT_EQ(Shown(400 + 13, 305), Raw(kRed));  // only its top-left 13 x 21
  EXPECT_EQ(Shown(405, 300 + 21), Raw(kRed));
}

class StoryItemsTest : public StoryComposeTest {
 protected:
  void SetUp() override {
    StoryComposeTest::SetUp();
    HideMessage();
    itembmp[1] = Picture("i1.bmp", 12, 12, 0x00FF00);  // green 12 x 12
    itembmp[2] = Picture("i2.bmp", 20, 30, 0x0000FF);  // blue 20 x 30
    SetCount(project::kItems, 2);
    Slot(str6, slot::kItems, 500, 50, 0, 0);
  }
  void Hold(std::initializer_list<int> items) {
    for (int item : items) itembox[static_cast<size_t>(itemnownum++)] = item;
  }
};

TEST_F(StoryItemsTest, ItemsFormAColumnSteppingByItemPictureOnesSize) {
  Hold({2, 1, 2});
  Frame();
  EXPECT_EQ(Cached(505, 55), Raw(kBlue));  // item 2, cut to 12 x 12
  EXPECT_EQ(Cached(513, 55), Raw(kBlack));
  EXPECT_EQ(Cached(505, 65), Raw(kGreen));  // item 1 at y + 12
  EXPECT_EQ(Cached(505, 80), Raw(kBlue));   // item 2 at y + 24
  EXPECT_EQ(Cached(505, 86), Raw(kBlack));
}

TEST_F(StoryItemsTest, ScaledItemsStillStepByTheNaturalHeight) {
  str6[slot::kItems].stretch = 1;
  str6[slot::kItems].sizex = 24;
  str6[slot::kItems].sizey = 6;
  Hold({1, 1});
  Frame();
  EXPECT_EQ(Cached(520, 52), Raw(kGreen));
  EXPECT_EQ(Cached(505, 58), Raw(kBlack));  // gap between 6-high items 12 apart
  EXPECT_EQ(Cached(505, 63), Raw(kGreen));
}

TEST_F(StoryItemsTest, ItemsWithoutAPictureDrawNothingAndTakeTheirPlace) {
  itembmp[3] = itembmp[2];  // beyond the listed count of 2
  Hold({250, 3, 0, 1});
  Frame();
  EXPECT_EQ(CountCached(500, 50, 520, 86, kBlue), 0);
  EXPECT_EQ(Cached(505, 50 + 3 * 12 + 2), Raw(kGreen));  // item 1 in the fourth place
}

TEST_F(StoryItemsTest, AHiddenItemsSlotDrawsNoItem) {
  str6[slot::kItems].show = 0;
  Hold({1});
  Frame();
  EXPECT_EQ(Cached(505, 55), Raw(kBlack));
}

class StoryMessageTest : public StoryComposeTest {
 protected:
  void SetUp() override {
    StoryComposeTest::SetUp();
    str6[slot::kMessage].sizey = 4;  // yellow text
    hitoname[1] = "Ann";
    hitoname[2] = "Bob";
    SetCount(project::kPersons, 1);
  }
  // Pixels of `color_ref` in message row r (-1: the name row).
  static int RowPixels(int row, uint32_t color_ref) {
    const int top = kMessageY + (row + 1) * kMessageSize;
    return CountCached(kMessageX, top, kMessageX + 300, top + kMessageSize, color_ref);
  }
};

TEST_F(StoryMessageTest, TheNameIsBlueOnTheSlotsRowAndTheTextRowsFollowOnePitchApart) {
  SetText(0, 0, "Hello/world");
  SetField(0, field::kPerson0, 1);
  Frame();
  EXPECT_GT(RowPixels(-1, kBlue), 0);
  EXPECT_EQ(RowPixels(-1, kYellow), 0);
  EXPECT_GT(RowPixels(0, kYellow), 0);
  EXPECT_GT(RowPixels(1, kYellow), 0);
  EXPECT_EQ(RowPixels(2, kYellow), 0);
  EXPECT_EQ(RowPixels(0, kBlue) + RowPixels(1, kBlue), 0);
  // Nothing left of the slot.
  EXPECT_EQ(CountCached(0, kMessageY, kMessageX, kMessageY + 5 * kMessageSize, kYellow), 0);
}

TEST_F(StoryMessageTest, APersonOfNumberZeroOrBeyondTheListHasNoNameAndTheRowsStayInPlace) {
  for (int person : {0, 2, 5000}) {
    TearDown();  // a fresh story and display for each number
    SetUp();
    SetText(0, 0, "Hello");
    SetField(0, field::kPerson0, person);
    Frame();
    EXPECT_EQ(RowPixels(-1, kBlue), 0) << person;
    EXPECT_EQ(RowPixels(-1, kYellow), 0) << person;
    EXPECT_GT(RowPixels(0, kYellow), 0) << person;
  }
}

TEST_F(StoryMessageTest, AHiddenMessageSlotDrawsNoText) {
  HideMessage();
  SetText(0, 0, "Hello");
  SetField(0, field::kPerson0, 1);
  Frame();
  EXPECT_EQ(CountCached(0, 0, 640, 480, kYellow) + CountCached(0, 0, 640, 480, kBlue), 0);
}

}  // namespace
