// Parsing of headless scripts: the steps of every command, and the refusal of
// bad lines with their file and line.
#include "platform/headless/script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::headless::ParseScript;
using platform::headless::ScriptStep;
using Kind = ScriptStep::Kind;

std::vector<Kind> Kinds(const std::vector<ScriptStep>& steps) {
  std::vector<Kind> kinds;
  for (const auto& s : steps) kinds.push_back(s.kind);
  return kinds;
}

TEST(HeadlessScript, CommandsBecomePrimitiveSteps) {
  struct Case {
    const char* line;
    std::vector<Kind> kinds;
  };
  const std::vector<Case> cases = {
      {"frames 3", {Kind::kFrames}},
      {"wait 100", {Kind::kWait}},
      {"move 10 20", {Kind::kMove}},
      {"click", {Kind::kButton, Kind::kFrames, Kind::kButton, Kind::kFrames}},
      {"click 1 2", {Kind::kMove, Kind::kButton, Kind::kFrames, Kind::kButton, Kind::kFrames}},
      {"rclick 639 479", {Kind::kMove, Kind::kButton, Kind::kFrames, Kind::kButton, Kind::kFrames}},
      {"dblclick 5 5",
       {Kind::kMove, Kind::kButton, Kind::kFrames, Kind::kButton, Kind::kFrames, Kind::kButton,
        Kind::kFrames, Kind::kButton, Kind::kFrames}},
      {"down left", {Kind::kButton}},
      {"up right", {Kind::kButton}},
      {"key 13", {Kind::kKey, Kind::kFrames, Kind::kKey, Kind::kFrames}},
      {"keydown 0x1B", {Kind::kKey}},
      {"keyup 0x1b", {Kind::kKey}},
      {"answer no", {Kind::kAnswer}},
      {"shot out.png", {Kind::kShot}},
      {"close", {Kind::kClose}},
      {"  frames 1   # trailing comment", {Kind::kFrames}},
      {"# only a comment", {}},
      {"", {}},
      {"frames 2\r", {Kind::kFrames}},
      {"wheel 1", {Kind::kWheel, Kind::kFrames}},
      {"wheel -3", {Kind::kWheel, Kind::kFrames}},
      {"pad a", {Kind::kPad, Kind::kFrames, Kind::kPad, Kind::kFrames}},
      {"paddown rightshoulder", {Kind::kPad}},
      {"padup dpleft", {Kind::kPad}},
      {"padaxis leftx -32768", {Kind::kPadAxis}},
  };
  for (const Case& c : cases) {
    const auto parsed = ParseScript(c.line, "s.txt");
    EXPECT_TRUE(parsed.errors.empty()) << c.line << ": " << parsed.errors.front();
    EXPECT_EQ(Kinds(parsed.steps), c.kinds) << c.line;
  }
}

TEST(HeadlessScript, StepsCarryTheirValues) {
  const auto parsed = ParseScript(
      "move 12 34\nrclick\ndblclick\nkeydown 0x70\nkeyup 27\nwait 250\nanswer no\n"
      "shot  shots/a b.png \n",
      "s.txt");
  ASSERT_TRUE(parsed.errors.empty());
  const auto& s = parsed.steps;
  ASSERT_EQ(s.size(), 18u);
  EXPECT_EQ(s[0].x, 12);
  EXPECT_EQ(s[0].y, 34);
  EXPECT_EQ(s[0].line, 1);
  EXPECT_EQ(s[1].button, platform::MouseButton::kRight);
  EXPECT_TRUE(s[1].down);
  EXPECT_FALSE(s[3].down);
  // dblclick: the third button step is the double-click press.
  EXPECT_FALSE(s[5].double_click);
  EXPECT_TRUE(s[9].double_click);
  EXPECT_TRUE(s[9].down);
  EXPECT_EQ(s[13].virtual_key, 0x70u);
  EXPECT_TRUE(s[13].down);
  EXPECT_EQ(s[14].virtual_key, 27u);
  EXPECT_FALSE(s[14].down);
  EXPECT_EQ(s[15].count, 250u);
  EXPECT_EQ(s[16].answer, platform::MessageBoxAnswer::kNo);
  EXPECT_EQ(s[17].file, "shots/a b.png");
  EXPECT_EQ(s[17].line, 8);
}

TEST(HeadlessScript, WheelAndGamepadStepsCarryTheirValues) {
  const auto parsed =
      ParseScript("wheel -2\npad start\npaddown y\npadup back\npadaxis lefty 32767\n", "s.txt");
  ASSERT_TRUE(parsed.errors.empty());
  const auto& s = parsed.steps;
  ASSERT_EQ(s.size(), 9u);
  EXPECT_EQ(s[0].x, -2);
  EXPECT_EQ(s[2].pad_button, platform::PadButton::kStart);
  EXPECT_TRUE(s[2].down);
  EXPECT_FALSE(s[4].down);
  EXPECT_EQ(s[6].pad_button, platform::PadButton::kY);
  EXPECT_TRUE(s[6].down);
  EXPECT_EQ(s[7].pad_button, platform::PadButton::kBack);
  EXPECT_FALSE(s[7].down);
  EXPECT_EQ(s[8].pad_axis, platform::PadAxis::kLeftY);
  EXPECT_EQ(s[8].axis_value, 32767);
}

TEST(HeadlessScript, BadLinesAreReportedWithFileAndLine) {
  struct Case {
    const char* line;
    const char* problem;
  };
  const std::vector<Case> cases = {
      {"jump 3", "unknown command 'jump'"},
      {"Frames 3", "unknown command 'Frames'"},
      {"frames", "expects one number"},
      {"frames -1", "bad number"},
      {"frames 1x", "bad number"},
      {"frames 99999999999", "bad number"},
      {"wait 1 2", "expects one number"},
      {"move 640 0", "outside"},
      {"move 0 480", "outside"},
      {"move 5", "expects X Y"},
      {"click 5", "expects no position or X Y"},
      {"down middle", "expects left or right"},
      {"up", "expects left or right"},
      {"key 0", "bad virtual-key code"},
      {"key 255", "bad virtual-key code"},
      {"key 0x", "bad virtual-key code"},
      {"keydown 0xZZ", "bad virtual-key code"},
      {"answer maybe", "expects ok, yes or no"},
      {"shot", "expects a file name"},
      {"close now", "takes no arguments"},
      {"frames\x01 2", "unknown command 'frames?'"},
      {"wheel 0", "bad number of notches"},
      {"wheel 101", "bad number of notches"},
      {"wheel up", "bad number of notches"},
      {"wheel", "expects one number of notches"},
      {"pad z", "unknown controller button 'z'"},
      {"pad guide", "unknown controller button"},
      {"paddown", "expects one controller button"},
      {"padaxis rightx 0", "unknown axis 'rightx'"},
      {"padaxis leftx 32768", "bad axis value"},
      {"padaxis leftx", "expects an axis"},
  };
  for (const Case& c : cases) {
    const auto parsed = ParseScript(std::string("frames 1\n") + c.line, "dir/s.txt");
    ASSERT_EQ(parsed.errors.size(), 1u) << c.line;
    EXPECT_EQ(parsed.errors[0].rfind("dir/s.txt:2: ", 0), 0u) << parsed.errors[0];
    EXPECT_NE(parsed.errors[0].find(c.problem), std::string::npos) << parsed.errors[0];
  }
}

TEST(HeadlessScript, EveryBadLineIsReported) {
  const auto parsed = ParseScript("bogus\nframes 1\n\nwait x\n", "s");
  ASSERT_EQ(parsed.errors.size(), 2u);
  EXPECT_EQ(parsed.errors[0].rfind("s:1:", 0), 0u);
  EXPECT_EQ(parsed.errors[1].rfind("s:4:", 0), 0u);
}

}  // namespace
