#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/el.h"
#include "tests/engine/system_fixture.h"
#include "tests/support/support.h"

namespace {

using test_support::Sjis;

struct SplitCase {
  const char* name;
  std::string text;
  std::vector<std::string> rows;
};

std::vector<SplitCase> SplitCases() {
  const std::string ka = Sjis("か");  // one double-byte character
  const std::string wide_space = Sjis("　");
  return {
      {"slash ends a row", "abc/def", {"abc", "def"}},
      {"trailing slash adds no empty row", "abc/", {"abc"}},
      {"empty text", "", {}},
      {"two slashes give an empty row", "a//b", {"a", "", "b"}},
      {"wide space ends a row and is dropped", "ab" + wide_space + "cd", {"ab", "cd"}},
      {"100 letters wrap at 40",
       std::string(100, 'x'),
       {std::string(40, 'x'), std::string(40, 'x'), std::string(20, 'x')}},
      {"double-byte character starting at 39 stays whole",
       std::string(39, 'x') + ka + "y",
       {std::string(39, 'x') + ka, "y"}},
      {"double-byte character starting at 40 moves on",
       std::string(40, 'x') + ka,
       {std::string(40, 'x'), ka}},
      {"nothing beyond the fourth row",
       std::string(200, 'z'),
       {std::string(40, 'z'), std::string(40, 'z'), std::string(40, 'z'), std::string(40, 'z')}},
      {"slashes beyond the fourth row", "a/b/c/d/e/f", {"a", "b", "c", "d"}},
      {"a lead byte without its trail byte ends the text", "ab\x83", {"ab"}},
      {"a lead byte takes the next byte with it, even a slash",
       std::string("\x83/x"),
       {std::string("\x83/x")}},
  };
}

TEST(MessageRows, SplitsTextIntoAtMostFourRows) {
  for (const SplitCase& c : SplitCases()) {
    SCOPED_TRACE(c.name);
    std::fill(&MsgBuffer[0][0], &MsgBuffer[0][0] + sizeof(MsgBuffer), '#');
    ASSERT_EQ(elSystem::FMessage(c.text.c_str()), static_cast<int>(c.rows.size()));
    for (size_t row = 0; row < 4; ++row) {
      const std::string expected = row < c.rows.size() ? c.rows[row] : "";
      EXPECT_EQ(std::string(MsgBuffer[row]), expected) << "row " << row;
    }
  }
}

class MessageBoxes : public test_support::SystemTest {};

TEST_F(MessageBoxes, InformationBoxFormatsAndRestartsTheFrameClock) {
  SetClock(4000);
  _WaitTime = 1000;
  FrameTime = 0.25f;
  elSystem::Message("%d %s", 12, "ab");
  ASSERT_EQ(fake->boxes.size(), 1u);
  EXPECT_EQ(fake->boxes[0].kind, platform::MessageBoxKind::kInfo);
  EXPECT_EQ(fake->boxes[0].caption, "INFOMATION");
  EXPECT_EQ(fake->boxes[0].text, "12 ab\r\n");
  EXPECT_EQ(_ShowDialog, 0);
  EXPECT_EQ(_WaitTime, 4000u);
  EXPECT_EQ(FrameTime, 0.0f);
}

TEST_F(MessageBoxes, QuestionBoxAnswersOneForYes) {
  fake->answers = {platform::MessageBoxAnswer::kYes, platform::MessageBoxAnswer::kNo};
  EXPECT_EQ(elSystem::YesNo("%s", "q"), 1);
  EXPECT_EQ(elSystem::YesNo("%s", "q"), 0);
  ASSERT_EQ(fake->boxes.size(), 2u);
  EXPECT_EQ(fake->boxes[0].kind, platform::MessageBoxKind::kYesNo);
  EXPECT_EQ(fake->boxes[0].caption, Sjis("メッセージ"));
  EXPECT_EQ(fake->boxes[0].text, "q\r\n");
}

TEST_F(MessageBoxes, HiddenPointerIsShownForTheBox) {
  platform::ShowCursor(false);  // the program hid it
  _ShowMouse = 0;
  fake->pointer_visible = false;
  elSystem::Message("x");
  EXPECT_EQ(_ShowMouse, 1);
  EXPECT_TRUE(fake->pointer_visible);
}

TEST_F(MessageBoxes, LongTextsAreCutBetweenCharactersAndKeepTheLineBreak) {
  const std::string ka = Sjis("か");
  struct Case {
    const char* name;
    std::string text;
    std::string shown;
  } cases[] = {
      {"exactly fits", std::string(253, 'a'), std::string(253, 'a') + "\r\n"},
      {"one byte over", std::string(254, 'a'), std::string(253, 'a') + "\r\n"},
      {"far over", std::string(5000, 'a'), std::string(253, 'a') + "\r\n"},
      {"double-byte character across the limit", std::string(252, 'a') + ka + "zz",
       std::string(252, 'a') + "\r\n"},
      {"double-byte characters only",
       [&] {
         std::string s;
         for (int i = 0; i < 200; ++i) s += ka;
         return s;
       }(),
       [&] {
         std::string s;
         for (int i = 0; i < 126; ++i) s += ka;
         return s + "\r\n";
       }()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake->boxes.clear();
    elSystem::Message("%s", c.text.c_str());
    ASSERT_EQ(fake->boxes.size(), 1u);
    EXPECT_EQ(fake->boxes[0].text, c.shown);
  }
}

}  // namespace
