// The story menu: entry rectangles to the pixel, the labels under the
// pointer, and what each entry does with a click.
#include <climits>
#include <filesystem>
#include <string>

#include "tests/runtime/screen_fixture.h"

namespace {

using runtime_test::ScreenTest;
using test_support::Sjis;

SCREENPRM MenuAt(int x, int y, int s) {
  SCREENPRM slot;
  slot.show = 1;
  slot.x = x;
  slot.y = y;
  slot.sizex = s;
  slot.sizey = 1;  // white
  return slot;
}

TEST(MenuEntries, RectanglesIncludeTheirTopLeftAndExcludeTheirBottomRight) {
  const SCREENPRM slot = MenuAt(560, 10, 16);
  struct Case {
    int entry, x, y;
    bool inside;
  };
  const Case cases[] = {
      {2, 560, 42, true},  {2, 639, 57, true},  {2, 600, 50, true},  {2, 640, 50, false},
      {2, 559, 50, false}, {2, 600, 41, false}, {2, 600, 58, false}, {1, 600, 41, true},
      {3, 600, 58, true},  {0, 560, 10, true},  {0, 560, 9, false},  {4, 639, 89, true},
      {4, 600, 90, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(runtime::PointInMenuEntry(slot, c.entry, c.x, c.y), c.inside)
        << "entry " << c.entry << " at " << c.x << "," << c.y;
}

TEST(MenuEntries, HostileSlotValuesDoNotOverflow) {
  const SCREENPRM far = MenuAt(INT_MAX, INT_MAX, INT_MAX);
  EXPECT_FALSE(runtime::PointInMenuEntry(far, 4, 0, 0));
  const SCREENPRM negative = MenuAt(INT_MIN, INT_MIN, INT_MAX);
  EXPECT_TRUE(runtime::PointInMenuEntry(negative, 1, 10, 10));
  EXPECT_FALSE(runtime::PointInMenuEntry(MenuAt(0, 0, -16), 0, 5, 5));
}

class StoryMenu : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    str6[project::slot::kMenu] = MenuAt(560, 10, 16);
    sinariono = 7;
    autoflug = 0;
    _ScreenNo = 4;
    _LastScreenNo = 4;
  }
  // The left click the story frame hands to the menu.
  uint8_t ClickAt(int x, int y) {
    MoveTo(x, y);
    return sysfunc();
  }
  static int EntryY(int entry) { return 10 + 16 * entry + 8; }
  // Pixels of the back surface inside entry `entry` that are not black.
  static int InkIn(int entry) {
    int ink = 0;
    for (int y = 10 + 16 * entry; y < 10 + 16 * (entry + 1); ++y)
      for (int x = 560; x < 640; ++x) ink += BackPixel(x, y) != 0 ? 1 : 0;
    return ink;
  }
  std::vector<uint32_t> DrawnMenu(int x, int y) {
    MoveTo(x, y);
    elDraw::Clear();
    runtime::DrawSystemMenu(runtime::CurrentLayout());
    std::vector<uint32_t> pixels;
    for (int py = 0; py < 480; ++py)
      for (int px = 0; px < 640; ++px) pixels.push_back(BackPixel(px, py));
    return pixels;
  }
};

TEST_F(StoryMenu, DrawsEveryEntryInsideItsRectangleInTheSlotsColour) {
  MoveTo(0, 0);
  elDraw::Clear();
  runtime::DrawSystemMenu(runtime::CurrentLayout());
  for (int entry = 0; entry < 5; ++entry) EXPECT_GT(InkIn(entry), 0) << entry;
  int outside = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      const uint32_t pixel = BackPixel(x, y);
      if (pixel != 0) {
        EXPECT_EQ(pixel, Raw(0xFFFFFF));
      }
      const bool in_menu = x >= 560 && y >= 10 && y < 90;
      if (!in_menu && pixel != 0) ++outside;
    }
  EXPECT_EQ(outside, 0);
}

TEST_F(StoryMenu, OnlyTheEntryUnderThePointerChangesItsLabel) {
  const auto away = DrawnMenu(0, 0);
  const auto on_save = DrawnMenu(600, EntryY(2));
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      const bool in_save = x >= 560 && y >= 42 && y < 58;
      const size_t i = static_cast<size_t>(y * 640 + x);
      if (!in_save) {
        ASSERT_EQ(away[i], on_save[i]) << x << "," << y;
      }
    }
  EXPECT_NE(away, on_save);
}

TEST_F(StoryMenu, TheModeEntryFollowsTheAdvanceMode) {
  std::vector<std::vector<uint32_t>> drawn;
  for (int mode = 0; mode < 4; ++mode) {
    autoflug = mode;
    drawn.push_back(DrawnMenu(0, 0));
  }
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 4; ++b)
      EXPECT_NE(drawn[static_cast<size_t>(a)], drawn[static_cast<size_t>(b)]);
}

TEST_F(StoryMenu, BoldFollowsTheSlotsSpriteField) {
  MoveTo(0, 0);
  elDraw::Clear();
  runtime::DrawSystemMenu(runtime::CurrentLayout());
  const int plain = InkIn(2);
  str6[project::slot::kMenu].sprite = 1;
  elDraw::Clear();
  runtime::DrawSystemMenu(runtime::CurrentLayout());
  EXPECT_GT(InkIn(2), plain);
}

TEST_F(StoryMenu, AHiddenMenuDrawsNothingAndTakesEveryClick) {
  str6[project::slot::kMenu].show = 0;
  elDraw::Clear();
  runtime::DrawSystemMenu(runtime::CurrentLayout());
  for (int entry = 0; entry < 5; ++entry) EXPECT_EQ(InkIn(entry), 0);
  EXPECT_EQ(ClickAt(600, EntryY(1)), 1);
  EXPECT_EQ(ClickAt(10, 400), 1);
  EXPECT_EQ(_ScreenNo, 4);
  EXPECT_EQ(autoflug, 0);
}

TEST_F(StoryMenu, AClickOutsideTheEntriesGoesOnToTheStory) {
  EXPECT_EQ(ClickAt(559, EntryY(0)), 0);
  EXPECT_EQ(ClickAt(600, 90), 0);
  EXPECT_EQ(_ScreenNo, 4);
}

TEST_F(StoryMenu, FollowsThePagesOwnLayout) {
  pagescrused[7] = 1;
  pagescrinf[7][project::slot::kMenu] = MenuAt(0, 0, 20);
  EXPECT_EQ(ClickAt(600, EntryY(1)), 0);
  EXPECT_EQ(ClickAt(50, 30), 1);  // entry 1 of the page's own slot
  EXPECT_EQ(_ScreenNo, 0);
}

TEST_F(StoryMenu, RestartGoesToTheTitleAtPageZeroAndEndToTheEnding) {
  sinariono = 55;
  EXPECT_EQ(ClickAt(600, EntryY(0)), 1);
  EXPECT_EQ(sinariono, 0);
  EXPECT_EQ(_ScreenNo, 3);
  EXPECT_EQ(_LastScreenNo, 0);
  _ScreenNo = _LastScreenNo = 4;
  EXPECT_EQ(ClickAt(600, EntryY(1)), 1);
  EXPECT_EQ(_ScreenNo, 0);
  EXPECT_EQ(_LastScreenNo, 0);
}

TEST_F(StoryMenu, TheModeEntryCyclesTheFourModes) {
  const int expected[] = {1, 2, 3, 0};
  for (const int mode : expected) {
    EXPECT_EQ(ClickAt(600, EntryY(4)), 1);
    EXPECT_EQ(autoflug, mode);
  }
  EXPECT_EQ(_ScreenNo, 4);
}

TEST_F(StoryMenu, SaveShowsWhetherItWorked) {
  gyou = 2;
  EXPECT_EQ(ClickAt(600, EntryY(2)), 1);
  EXPECT_TRUE(std::filesystem::exists(save_.Path() / "s.dat"));
  gyou = 5;
  {
    const test_support::FileSizeLimit disk_full(100);
    EXPECT_EQ(ClickAt(600, EntryY(2)), 1);
  }
  EXPECT_EQ(BoxTexts(),
            (std::vector<std::string>{Sjis("セーブ完了\r\n"), Sjis("セーブに失敗しました\r\n")}));
  EXPECT_EQ(static_cast<uint8_t>(save_.Read("s.dat")[4]), 2);
  EXPECT_EQ(gyou, 5);
  EXPECT_EQ(_ScreenNo, 4);
}

class MenuLoad : public StoryMenu {
 protected:
  void SetUp() override {
    StoryMenu::SetUp();
    picname.counts[project::kSongs] = 2;
    runtime_test::SetText(picname.names[project::kSongs][1], "midi\\one.mid");
    runtime_test::SetText(picname.names[project::kSongs][2], "midi\\two.mid");
  }
  std::vector<std::string> SongsOpened() {
    std::vector<std::string> opened;
    for (const std::string& line : TraceLines("\"mci\""))
      if (line.find("open") != std::string::npos) opened.push_back(line);
    return opened;
  }
};

TEST_F(MenuLoad, ResumesAtTheSavedLineWithTheSavedSong) {
  sinariono = 12, gyou = 3, itembox[0] = 4, itembox[1] = 7, itemnownum = 2, savemidi = 2;
  ASSERT_EQ(ClickAt(600, EntryY(2)), 1);
  sinariono = 30, gyou = 6, itemnownum = 0, savemidi = 1, autoflug = 2;
  soundflug = 1, midiflug = 0, selectflug = 1, _LastScreenNo = 4;
  StartTrace();
  EXPECT_EQ(ClickAt(600, EntryY(3)), 1);
  EXPECT_EQ(sinariono, 12);
  EXPECT_EQ(gyou, 3);
  EXPECT_EQ(itemnownum, 2);
  EXPECT_EQ(itembox[1], 7);
  EXPECT_EQ(savemidi, 2);
  EXPECT_EQ(autoflug, 2);
  EXPECT_EQ(midiflug, 1);
  EXPECT_EQ(soundflug, 0);
  EXPECT_EQ(selectflug, 0);
  EXPECT_EQ(_ScreenNo, 4);
  EXPECT_EQ(_LastScreenNo, 0);
  const auto opened = SongsOpened();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_NE(opened[0].find("two.mid"), std::string::npos) << opened[0];
}

TEST_F(MenuLoad, WithoutASaveRestartsTheCurrentSongAndLine) {
  sinariono = 30, gyou = 6, savemidi = 1, soundflug = 1, selectflug = 1;
  StartTrace();
  EXPECT_EQ(ClickAt(600, EntryY(3)), 1);
  EXPECT_EQ(sinariono, 30);
  EXPECT_EQ(gyou, 6);
  EXPECT_EQ(soundflug, 0);
  EXPECT_EQ(selectflug, 0);
  EXPECT_EQ(midiflug, 1);
  const auto opened = SongsOpened();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_NE(opened[0].find("one.mid"), std::string::npos) << opened[0];
}

TEST_F(MenuLoad, ARefusedSaveIsTreatedAsNoSave) {
  save_.Write("s.dat", std::string("\x10\x27\x00\x00", 4));  // page 10000
  sinariono = 30, savemidi = 1;
  EXPECT_EQ(ClickAt(600, EntryY(3)), 1);
  EXPECT_EQ(sinariono, 30);
  EXPECT_EQ(_ScreenNo, 4);
  EXPECT_EQ(midiflug, 1);
}

}  // namespace
