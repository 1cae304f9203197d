// The logo, title and ending screens, run through the main loop with the
// player's own screen table.
#include <string>

#include "runtime/story/random.h"
#include "tests/runtime/screen_fixture.h"

namespace {

using runtime_test::ScreenTest;
using runtime_test::SetText;
using test_support::Sjis;

class TitleScreens : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    runtime::InstallScreens(runtime::PlayerScreens());
  }
  void Enter(int screen) {
    _ScreenNo = screen;
    _LastScreenNo = 0;
  }
  // A click as the window delivers it: down for one frame, then up.
  void ClickFrames(int x, int y) {
    PressLeft(x, y);
    Frame();
    ReleaseLeft();
    Frame();
  }
};

TEST_F(TitleScreens, TheLogoStaysTwoSecondsFromItsFirstFrame) {
  WritePicture("lyout/mark.bmp", 100, 100, 0xFF0000);
  kovadinebmp = elDraw::LoadObject("lyout\\mark.bmp", 2);
  Enter(1);
  Frame(500);  // however long before the screen began
  const uint32_t first_frame_ms = fake_->now_ms;
  EXPECT_EQ(BackPixel(270, 190), Raw(0x0000FF));
  EXPECT_EQ(BackPixel(369, 289), Raw(0x0000FF));
  EXPECT_EQ(BackPixel(269, 190), 0u);
  EXPECT_EQ(BackPixel(370, 290), 0u);
  while (fake_->now_ms - first_frame_ms < 1999 - 16) Frame(1);
  Frame(16);
  EXPECT_EQ(fake_->now_ms - first_frame_ms, 1999u);
  EXPECT_EQ(_ScreenNo, 1);
  Frame(1);
  EXPECT_EQ(_ScreenNo, 2);
}

TEST_F(TitleScreens, TheTitleStartsANewGameOnEveryEntry) {
  SetText(str3[2], Sjis("物語の題"));
  sinariono = 17;
  savemidi = 2;
  gyou = 4, autoflug = 3, midiflug = 1, soundflug = 1, selectflug = 1;
  throwflug.fill(1);
  itembox.fill(5);
  itemnownum = 200;
  elMusic::PlayMusic = 1;
  StartTrace();
  Enter(3);
  Frame();
  EXPECT_EQ(fake_->title, Sjis("物語の題"));
  EXPECT_EQ(gyou, 0);
  EXPECT_EQ(autoflug, 0);
  EXPECT_EQ(midiflug + soundflug + selectflug, 0);
  EXPECT_EQ(elMusic::PlayMusic, 0);
  EXPECT_EQ(throwflug[0] + throwflug[999], 0);
  EXPECT_EQ(itembox[0] + itembox[199], 0);
  EXPECT_EQ(itemnownum, 0);
  EXPECT_EQ(sinariono, 17);
  EXPECT_EQ(savemidi, 2);
  // The generator starts from the backend's calendar seconds.
  const int first_draw = runtime::Random();
  runtime::SeedRandom(static_cast<uint32_t>(fake_->calendar_seconds));
  EXPECT_EQ(runtime::Random(), first_draw);
  // Later frames of the title leave the state alone.
  itemnownum = 3;
  Frame();
  EXPECT_EQ(itemnownum, 3);
  Enter(3);
  Frame();
  EXPECT_EQ(itemnownum, 0);
  const auto titles = TraceLines("\"title\"");
  ASSERT_EQ(titles.size(), 2u);
  EXPECT_NE(titles[0].find("物語の題"), std::string::npos) << titles[0];
}

TEST_F(TitleScreens, TheTitleDrawsItsPictureAndThePointer) {
  WritePicture("lyout/title.bmp", 640, 480, 0x00FF00);
  test_support::BmpSpec pointer;
  pointer.width = 20, pointer.height = 30;
  pointer.pixel = [](int x, int) { return x == 0 ? 0xFF0000u : 0xFFFFFFu; };
  game_.Write("lyout/mouse.bmp", test_support::MakeBmp(pointer));
  elDraw::SetSpriteColor(0xFFFFFF);
  titlebmp = elDraw::LoadObject("lyout\\title.bmp", 2);
  mousebmp = elDraw::LoadObject("lyout\\mouse.bmp", 2);
  MoveTo(100, 200);
  Enter(3);
  Frame();
  EXPECT_EQ(BackPixel(0, 0), Raw(0x00FF00));
  EXPECT_EQ(BackPixel(100, 200), Raw(0x0000FF));
  EXPECT_EQ(BackPixel(100, 220), Raw(0x0000FF));
  EXPECT_EQ(BackPixel(100, 221), Raw(0x00FF00));  // only the top 21 rows
  EXPECT_EQ(BackPixel(101, 200), Raw(0x00FF00));  // white is the key
  EXPECT_GT(fake_->present_count, 0);
}

TEST_F(TitleScreens, AClickOnTheTitleEntersTheStory) {
  Enter(3);
  Frame();
  Frame();
  EXPECT_EQ(_ScreenNo, 3);
  PressLeft(10, 10);
  Frame();
  EXPECT_EQ(_ScreenNo, 4);
}

TEST_F(TitleScreens, AnAutoFirstPageArmsTheAutoTimerOnTheClick) {
  str2[0][project::field::kAutoPage] = 1;
  str2[0][project::field::kAutoDelay] = 7;
  elSystem::InitWait(1);
  Enter(3);
  Frame();
  PressLeft(10, 10);
  Frame();
  EXPECT_EQ(_ScreenNo, 4);
  EXPECT_EQ(elSystem::WaitTime[0], fake_->now_ms + 700);
}

TEST_F(TitleScreens, AManualFirstPageLeavesTheAutoTimerAlone) {
  elSystem::InitWait(1);
  const uint32_t cleared = elSystem::WaitTime[0];
  Enter(3);
  Frame();
  PressLeft(10, 10);
  Frame();
  EXPECT_EQ(_ScreenNo, 4);
  EXPECT_EQ(elSystem::WaitTime[0], cleared);
}

// The click on the story menu's restart entry still reads held when the
// title starts, so it does not also start the game.
TEST_F(TitleScreens, TheRestartClickIsNotSeenTwice) {
  str6[project::slot::kMenu].show = 1;
  str6[project::slot::kMenu].x = 560;
  str6[project::slot::kMenu].y = 10;
  str6[project::slot::kMenu].sizex = 16;
  KeyClick = 0;
  PressLeft(600, 18);
  elSystem::GetKey(1, &KeyClick);  // the story frame's poll
  ASSERT_EQ(KeyClick, 1);
  ASSERT_EQ(sysfunc(), 1);
  ASSERT_EQ(_ScreenNo, 3);
  Frame();
  EXPECT_EQ(_ScreenNo, 3);
  ReleaseLeft();
  Frame();
  Frame();
  EXPECT_EQ(_ScreenNo, 3);
  PressLeft(600, 18);
  Frame();
  EXPECT_EQ(_ScreenNo, 4);
}

TEST_F(TitleScreens, TheEndingShowsItsLogoAndLineAndEndsOnAClick) {
  kovadine2bmp = elDraw::LoadObject("kovadine2", 2);
  ASSERT_NE(kovadine2bmp, 0);
  Enter(0);
  Frame();
  Frame();
  int logo = 0, text = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      const uint32_t pixel = BackPixel(x, y);
      if (pixel == 0) continue;
      const bool in_logo = x >= 270 && x < 370 && y >= 100 && y < 200;
      if (in_logo) {
        ++logo;
      } else {
        ++text;
        EXPECT_GE(y, 230);
        EXPECT_EQ(pixel, Raw(0xFFFFFF));
      }
    }
  EXPECT_GT(logo, 0);
  EXPECT_GT(text, 0);
  EXPECT_EQ(_CloseEvent, 0);
  PressLeft(320, 240);
  Frame();
  EXPECT_EQ(_CloseEvent, 2);
}

TEST_F(TitleScreens, TheEndCommandsClickDoesNotAlsoEndTheProgram) {
  str6[project::slot::kMenu].show = 1;
  str6[project::slot::kMenu].sizex = 16;
  KeyClick = 0;
  PressLeft(10, 20);
  elSystem::GetKey(1, &KeyClick);
  ASSERT_EQ(sysfunc(), 1);
  ASSERT_EQ(_ScreenNo, 0);
  Frame();
  Frame();
  EXPECT_EQ(_CloseEvent, 0);
}

TEST_F(TitleScreens, ElCreateLoadsTheClosingLogoFromTheProgramsResources) {
  elDraw::DestroyObject();
  elCreate();
  ASSERT_NE(kovadine2bmp, 0);
  EXPECT_EQ(Sprite[kovadine2bmp].SizeX, 100);
  EXPECT_EQ(Sprite[kovadine2bmp].SizeY, 100);
  EXPECT_EQ(_ScreenNo, 1);
}

// From the logo to the story: two seconds of logo, the loading frame, the
// title, and a click.
TEST_F(TitleScreens, RunsFromTheLogoToTheStory) {
  WritePicture("person/a.bmp", 4, 4, 0xFF0000);
  List(project::kPersons, 1, 1, "a.bmp");
  SetText(project_->str3[2], "Story");
  project_->sinariono = 5;
  WriteProject();
  Enter(1);
  for (int i = 0; i < 200 && _ScreenNo != 3; ++i) Frame(50);
  EXPECT_EQ(_ScreenNo, 3);
  EXPECT_NE(hitobmp[1], 0);
  Frame();
  EXPECT_EQ(fake_->title, "Story");
  ClickFrames(10, 10);
  EXPECT_EQ(_ScreenNo, 4);
  EXPECT_EQ(sinariono, 5);
}

}  // namespace
