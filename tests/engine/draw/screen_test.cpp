// Opening the display with elDraw::Screen and closing the engine with Exit.
#include "platform/display_drivers.h"
#include "tests/engine/draw_fixture.h"

namespace {

using test_support::FakeBackend;
using test_support::Sjis;

class DrawScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    fake = &FakeBackend::Install();
    fake->has_window = true;
    test_support::ResetEngineState();
    _FullScreen = 0;  // a window, unless a test asks for the full screen
    platform::ResetDisplayDrivers();
    _Mutex = 0;
  }
  void TearDown() override {
    test_support::ResetEngineState();
    platform::ResetDisplayDrivers();
    platform::ResetBackend();
  }
  // The single report a failed set-up made.
  std::string OnlyReport() const {
    EXPECT_EQ(fake->boxes.size(), 1u);
    return fake->boxes.empty() ? "" : fake->boxes[0].text;
  }
  FakeBackend* fake = nullptr;
};

TEST_F(DrawScreen, OpensAWindowedDisplayAndStartsTheEngine) {
  _WindowX = 30, _WindowY = 40;
  elSound::ListMix[5] = 7;
  elSound::ListEffectCount[5] = 3;
  elSound::ListVolume[5][9] = -100;
  elDraw::ErrorCheck = 1;
  ASSERT_EQ(elDraw::Screen(640, 480, 1), 1);
  EXPECT_EQ(elDraw::ErrorCheck, 0);
  EXPECT_EQ(elDraw::Width, 640);
  EXPECT_EQ(elDraw::ColorBit, 16);
  ASSERT_NE(DDBack, nullptr);
  EXPECT_EQ(DDBack->Format(), platform::PixelFormat::Rgb565());
  EXPECT_EQ(elDraw::Vx2, 640);
  EXPECT_EQ(elDraw::RefreshPos.left, 30);
  EXPECT_EQ(elDraw::RefreshPos.bottom, 520);
  EXPECT_EQ(elDraw::SearchVideoCard, 0);
  EXPECT_EQ(elDraw::UseStretch, 1);
  EXPECT_EQ(elDraw::GrayList[93], 31);
  EXPECT_EQ(elSound::ListMix[5], 1);
  EXPECT_EQ(elSound::ListEffectCount[5], -1);
  EXPECT_EQ(elSound::ListVolume[5][9], 0);
  for (int i = 0; i < 4; ++i) ASSERT_NE(Sprite[i].Object, nullptr);
  EXPECT_EQ(Sprite[4].Object, nullptr);
  EXPECT_EQ(Sprite[0].Object->ColorKey(), 0xFFFFu);  // white-keyed; the others black
  EXPECT_EQ(Sprite[1].Object->ColorKey(), 0u);
  EXPECT_FALSE(fake->display_mode_set);
  EXPECT_TRUE(fake->boxes.empty());
}

TEST_F(DrawScreen, TakesTheClientSizeWhenAskedFor) {
  _WindowSizeX = 320, _WindowSizeY = 200;
  ASSERT_EQ(elDraw::Screen(-1, 480, 1), 1);
  EXPECT_EQ(elDraw::Width, 320);
  EXPECT_EQ(elDraw::Height, 200);
  EXPECT_EQ(Sprite[2].SizeX, 320);
  EXPECT_EQ(DDBack->Height(), 200);
}

TEST_F(DrawScreen, FullScreenTriesTheFallbackDepthsInTurn) {
  _FullScreen = 1;
  fake->refused_depths = {16};
  EXPECT_EQ(elDraw::Screen(640, 480, 1), 0);
  EXPECT_EQ(OnlyReport(), Sjis("Draw::Screen : 解像度が変更できません"));
  EXPECT_EQ(elDraw::ErrorCheck, 1);

  fake->boxes.clear();
  fake->refused_depths = {32, 24};
  elDraw::SetFullColor(32, 24, 16);
  ASSERT_EQ(elDraw::Screen(640, 480, 1), 1);
  EXPECT_EQ(elDraw::ColorBit, 16);
  EXPECT_TRUE(fake->display_mode_set);

  fake->refused_depths = {32, 24, 16};
  elDraw::SetFullColor(32, 24, 16);
  EXPECT_EQ(elDraw::Screen(640, 480, 1), 0);
  EXPECT_EQ(elDraw::ColorBit, 16);  // the last one tried
}

TEST_F(DrawScreen, EachFailingStepReportsItsMessageOnce) {
  struct Case {
    const char* what;
    void (*arrange)(FakeBackend&);
    int width;
    const char* message;
  };
  const Case cases[] = {
      {"no display", [](FakeBackend&) { platform::SetDisplayDrivers({}); }, 640,
       "Draw::Screen : DirectDrawが使用できません"},
      {"full screen without a window",
       [](FakeBackend& f) {
         _FullScreen = 1;
         f.has_window = false;
       },
       640, "Draw::Screen : フルスクリーン化できません"},
      {"no back surface", [](FakeBackend&) {}, 0, "Draw::Screen : 裏画面が生成できません"},
  };
  for (const Case& c : cases) {
    SetUp();
    c.arrange(*fake);
    EXPECT_EQ(elDraw::Screen(c.width, 480, 1), 0) << c.what;
    EXPECT_EQ(OnlyReport(), Sjis(c.message)) << c.what;
    EXPECT_EQ(elDraw::ErrorCheck, 1) << c.what;
  }
}

TEST_F(DrawScreen, OtherDesktopDepthsLeaveTheSixteenBitTablesEmpty) {
  for (auto& v : elDraw::BlendList) v = 0;
  for (auto& v : elDraw::GrayList) v = 0;
  fake->desktop_bpp = 32;
  ASSERT_EQ(elDraw::Screen(640, 480, 1), 1);
  EXPECT_EQ(elDraw::ColorBit, 32);
  EXPECT_EQ(elDraw::GrayList[93], 0);
  EXPECT_EQ(elDraw::BlendList[31 * 1024 + 5], 0);
  EXPECT_EQ(elDraw::RotateData[30], 179);
  EXPECT_EQ(elDraw::MaskRGB, 0x7BEFu);
}

TEST_F(DrawScreen, TheFirstDriverWithThreeDHardwareIsKept) {
  platform::SetDisplayDrivers({{"plain", "a", {false, true}, {false, true}, false},
                               {"3d", "b", {true, false}, {false, true}, true}});
  ASSERT_EQ(elDraw::Screen(640, 480, 1), 1);
  EXPECT_EQ(elDraw::SearchVideoCard, 1);
  EXPECT_EQ(elDraw::UseStretch, 0);  // from the kept driver's own caps
  int object = -1;
  EXPECT_EQ(elDraw::SearchDriver(0, "plain", "a", &object), 1);
  EXPECT_EQ(object, 0);
  EXPECT_EQ(elDraw::SearchVideoCard, 0);
  EXPECT_EQ(elDraw::SearchDriver(5, "", "", &object), 1);  // no such driver
}

TEST_F(DrawScreen, ExitRunsOnceAndClosesTheWindowUnlessItIsClosingAlready) {
  ASSERT_EQ(elDraw::Screen(640, 480, 1), 1);
  EXPECT_EQ(elDraw::ErrorExit(), 0);  // no error: nothing happens
  EXPECT_NE(DDBack, nullptr);
  EXPECT_EQ(elDraw::Exit(), 1);
  EXPECT_EQ(DDBack, nullptr);
  EXPECT_EQ(DDObject, 0);
  EXPECT_EQ(_CloseEvent, 2);
  platform::Message m;
  ASSERT_TRUE(platform::PeekMessage(&m));
  EXPECT_EQ(m.message, platform::msg::kClose);
  EXPECT_EQ(elDraw::Exit(), 1);
  EXPECT_FALSE(platform::PeekMessage(&m));

  el::draw::AllowExitAgain();
  _CloseEvent = 1;  // the close came from the window itself
  EXPECT_EQ(elDraw::Exit(), 1);
  EXPECT_FALSE(platform::PeekMessage(&m));
  EXPECT_EQ(_CloseEvent, 2);
}

TEST_F(DrawScreen, DestroyingAFullScreenDisplayRestoresTheModeAndMinimises) {
  _FullScreen = 1;
  ASSERT_EQ(elDraw::Screen(640, 480, 1), 1);
  EXPECT_TRUE(fake->display_mode_set);
  elDraw::DestroyObject();
  EXPECT_FALSE(fake->display_mode_set);
  EXPECT_TRUE(fake->minimized);
  for (const auto& entry : Sprite) EXPECT_EQ(entry.Object, nullptr);
  EXPECT_STREQ(Sprite[0].FileName, "");
}

}  // namespace
