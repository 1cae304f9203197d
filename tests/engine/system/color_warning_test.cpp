#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/draw/internal/draw.h"
#include "engine/el.h"
#include "platform/platform.h"
#include "tests/engine/system_fixture.h"
#include "tests/support/support.h"

namespace {

using platform::MessageBoxAnswer;
using test_support::Sjis;

// A window on a desktop shallower than the depth the program wants.
class ColorWarning : public test_support::SystemTest {
 protected:
  void SetUp() override {
    SystemTest::SetUp();
    platform::SetGameFolder(temp.Path().string());
    _FullScreen = 0;
    fake->desktop_bpp = 8;
  }
  test_support::TempFolder temp;
};

std::string Warning(const char* fewer, const char* more) {
  return Sjis(std::string("　ウィンドウ状態で実行しようとしていますが、画面が") + fewer +
              "色以下に設定されています。\n正しく動作させるには、" + more +
              "色以上に設定するか、フルスクリーンで実行させて下さい。\r\n");
}

TEST_F(ColorWarning, NamesTheDepthsAndSavesFullScreenOnYes) {
  EXPECT_EQ(elSystem::WarningColorBit("screen.dat"), 1);
  ASSERT_EQ(fake->boxes.size(), 2u);
  EXPECT_EQ(fake->boxes[0].caption, "INFOMATION");
  EXPECT_EQ(fake->boxes[0].text, Warning("256", "65536"));
  EXPECT_EQ(fake->boxes[1].kind, platform::MessageBoxKind::kYesNo);
  EXPECT_EQ(fake->boxes[1].text, Sjis("フルスクリーンに設定し直しますか？\r\n"));
  EXPECT_EQ(_FullScreen, 1);
  EXPECT_EQ(temp.Read("screen.dat"), "1");
  EXPECT_EQ(_CloseEvent, 0);
}

TEST_F(ColorWarning, StarAsksToSwitchWithoutSaving) {
  EXPECT_EQ(elSystem::WarningColorBit("*"), 1);
  ASSERT_EQ(fake->boxes.size(), 2u);
  EXPECT_EQ(fake->boxes[1].text, Sjis("フルスクリーンに切り換えますか？\r\n"));
  EXPECT_EQ(_FullScreen, 1);
  EXPECT_FALSE(std::filesystem::exists(temp.Path() / "*"));
}

TEST_F(ColorWarning, NoOrNoQuestionClosesTheProgram) {
  fake->answers = {MessageBoxAnswer::kOk, MessageBoxAnswer::kNo};
  EXPECT_EQ(elSystem::WarningColorBit("screen.dat"), 0);
  EXPECT_EQ(_CloseEvent, 2);
  EXPECT_EQ(_FullScreen, 0);
  EXPECT_FALSE(std::filesystem::exists(temp.Path() / "screen.dat"));

  _CloseEvent = 0;
  el::draw::AllowExitAgain();
  fake->boxes.clear();
  EXPECT_EQ(elSystem::WarningColorBit(""), 0);
  EXPECT_EQ(fake->boxes.size(), 1u);  // the warning only
  EXPECT_EQ(_CloseEvent, 2);
}

TEST_F(ColorWarning, NothingToSayWhenTheDesktopIsDeepEnoughOrTheDepthIsUnknown) {
  struct Case {
    int wanted, desktop, full_screen;
  } cases[] = {{16, 16, 0}, {16, 32, 0}, {16, 8, 1}, {15, 8, 0}, {0, 8, 0}};
  for (const Case& c : cases) {
    elDraw::ColorBit = c.wanted;
    fake->desktop_bpp = c.desktop;
    _FullScreen = c.full_screen;
    EXPECT_EQ(elSystem::WarningColorBit("screen.dat"), 1) << c.wanted << " on " << c.desktop;
  }
  EXPECT_TRUE(fake->boxes.empty());
}

TEST_F(ColorWarning, EveryDepthLevelNamesItsColourCounts) {
  struct Case {
    int wanted;
    const char* fewer;
    const char* more;
  } cases[] = {{8, "16", "256"}, {24, "65536", "1670万"}, {32, "65536", "1670万"}};
  for (const Case& c : cases) {
    fake->boxes.clear();
    elDraw::ColorBit = c.wanted;
    fake->desktop_bpp = 4;
    _FullScreen = 0;  // the answer Yes of the previous case set it
    elSystem::WarningColorBit("*");
    ASSERT_FALSE(fake->boxes.empty());
    EXPECT_EQ(fake->boxes[0].text, Warning(c.fewer, c.more)) << c.wanted;
  }
}

}  // namespace
