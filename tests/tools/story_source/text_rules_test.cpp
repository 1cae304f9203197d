#include <gtest/gtest.h>

#include <random>

#include "engine/el.h"
#include "tests/support/support.h"
#include "tools/story_source/text.h"

namespace {

using story_source::SplitMessageRows;
using test_support::Sjis;

struct RowCase {
  const char* what;
  std::string text;  // Shift-JIS
  std::vector<std::string> rows;
  bool drops;
};

// The rows as the engine's message splitter makes them.
const RowCase kRowCases[] = {
    {"slash", "abc/def", {"abc", "def"}, false},
    {"trailing slash counts no empty row", "abc/", {"abc"}, false},
    {"empty", "", {}, false},
    {"two slashes give an empty row", "a//b", {"a", "", "b"}, false},
    {"full-width space breaks", Sjis("あ　い"), {Sjis("あ"), Sjis("い")}, false},
    {"100 letters",
     std::string(100, 'x'),
     {std::string(40, 'x'), std::string(40, 'x'), std::string(20, 'x')},
     false},
    {"double-byte at byte 39 stays",
     std::string(39, 'x') + Sjis("あい"),
     {std::string(39, 'x') + Sjis("あ"), Sjis("い")},
     false},
    {"double-byte at byte 40 moves",
     std::string(40, 'x') + Sjis("あ"),
     {std::string(40, 'x'), Sjis("あ")},
     false},
    {"four rows exactly", "a/b/c/d", {"a", "b", "c", "d"}, false},
    {"a fifth row is dropped", "a/b/c/d/e", {"a", "b", "c", "d"}, true},
    {"wrap into a fifth row drops", std::string(161, 'x'),
     std::vector<std::string>(4, std::string(40, 'x')), true},
    {"only breaks after four rows drop nothing",
     "a/b/c/d//" + Sjis("　"),
     {"a", "b", "c", "d"},
     false},
    {"a lone lead byte ends the text", "ab\x83", {"ab"}, false},
};

TEST(MessageRows, FollowTheEnginesSplittingRule) {
  for (const auto& c : kRowCases) {
    SCOPED_TRACE(c.what);
    const auto split = SplitMessageRows(c.text);
    EXPECT_EQ(split.rows, c.rows);
    EXPECT_EQ(story_source::DropsVisibleText(split), c.drops) << "dropped: " << split.dropped;
  }
}

// The same rule as the engine's own splitter, on the table and on random
// bytes: lint must never disagree with what the player shows.
TEST(MessageRows, AgreeWithTheEngine) {
  std::mt19937 random(7);
  std::vector<std::string> texts;
  for (const auto& c : kRowCases) texts.push_back(c.text);
  const std::string alphabet = std::string("ab/ ") + Sjis("あ　") + "\x83\x2F\x81";
  for (int i = 0; i < 2000; ++i) {
    std::string text;
    const int length = static_cast<int>(random() % 99);
    for (int k = 0; k < length; ++k) text += alphabet[random() % alphabet.size()];
    texts.push_back(text);
  }
  for (const auto& text : texts) {
    const int engine_rows = elSystem::FMessage(text.c_str());
    const auto split = SplitMessageRows(text);
    ASSERT_EQ(static_cast<int>(split.rows.size()), engine_rows) << text;
    for (int r = 0; r < engine_rows; ++r) ASSERT_EQ(split.rows[r], MsgBuffer[r]) << text;
  }
}

TEST(MessageRows, NameWhatIsDropped) {
  const auto split = SplitMessageRows("a/b/c/d/lost words");
  EXPECT_EQ(split.dropped, "lost words");
}

struct NameCase {
  const char* what;
  std::string name;
  std::string shown;
  bool plus_beyond;
};

const NameCase kNameCases[] = {
    {"cut at the plus", "A+B", "A", false},
    {"no plus", "Anna", "Anna", false},
    {"only a plus", "+", "", false},
    {"plus at byte 39", std::string(39, 'a') + "+x", std::string(39, 'a'), false},
    {"plus at byte 40 stays", std::string(40, 'a') + "+x", std::string(40, 'a') + "+x", true},
    // 0x2B as the second byte of a double-byte character is not a plus.
    {"trail byte that looks like a plus",
     "\x83\x2B"
     "b",
     "\x83\x2B"
     "b",
     false},
    {"double-byte character across byte 40", std::string(39, 'a') + Sjis("あ") + "+",
     std::string(39, 'a') + Sjis("あ") + "+", true},
};

TEST(SpeakerNames, AreCutLikeThePlayerCutsThem) {
  for (const auto& c : kNameCases) {
    SCOPED_TRACE(c.what);
    const auto cut = story_source::CutSpeakerName(c.name);
    EXPECT_EQ(cut.shown, c.shown);
    EXPECT_EQ(cut.plus_beyond_limit, c.plus_beyond);
  }
}

TEST(StoryText, NamesTheCharacterShiftJisCannotHold) {
  std::string problem;
  EXPECT_EQ(story_source::ToCp932("日本語", &problem), Sjis("日本語"));
  EXPECT_FALSE(story_source::ToCp932("ok\xF0\x9F\x98\x80", &problem).has_value());
  EXPECT_NE(problem.find("U+1F600"), std::string::npos) << problem;
  EXPECT_FALSE(story_source::ToCp932(std::string("a\0b", 3), &problem).has_value());
  EXPECT_NE(problem.find("zero character"), std::string::npos);
}

TEST(StoryText, TellsBrokenUtf8FromACharacterWithoutShiftJisForm) {
  struct Case {
    const char* what;
    std::string utf8;
    const char* problem;
  };
  const Case cases[] = {
      {"a lone continuation byte", "a\x80", "is not valid UTF-8"},
      {"a sequence cut by an ASCII byte",
       "\xE3\x81"
       "A",
       "is not valid UTF-8"},
      {"broken UTF-8 after a character without a form", "\xC3\xA9\xFF", "U+00E9"},
      {"a character without a form after broken UTF-8", "\xFF\xC3\xA9", "is not valid UTF-8"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string problem;
    EXPECT_FALSE(story_source::ToCp932(c.utf8, &problem).has_value());
    EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
  }
}

TEST(StoryText, ReadableOnlyWhenTheBytesComeBackTheSame) {
  project::TextRecord record{};
  const std::string kanji = Sjis("森");
  std::copy(kanji.begin(), kanji.end(), record.begin());
  EXPECT_EQ(story_source::ReadableText(record), "森");
  record[0] = '\x83';  // a lead byte with no trail
  record[1] = '\0';
  EXPECT_FALSE(story_source::ReadableText(record).has_value());
  record.fill('a');  // no ending zero
  EXPECT_FALSE(story_source::ReadableText(record).has_value());
  // Two codes for one character: the NEC and IBM forms of ≒ read back as one.
  record.fill(0);
  record[0] = '\x87';
  record[1] = '\x90';
  EXPECT_FALSE(story_source::ReadableText(record).has_value());
}

}  // namespace
