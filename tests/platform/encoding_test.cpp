#include "platform/encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Encoding, RoundTripsJapaneseText) {
  const std::string utf8 = "セーブ完了";
  const auto sjis = platform::Utf8ToCp932(utf8);
  ASSERT_TRUE(sjis.has_value());
  EXPECT_EQ(*sjis, "\x83\x5A\x81\x5B\x83\x75\x8A\xAE\x97\xB9");
  EXPECT_EQ(platform::Cp932ToUtf8(*sjis), utf8);
}

TEST(Encoding, RefusesCharactersWithoutShiftJisForm) {
  EXPECT_FALSE(platform::Utf8ToCp932("\xF0\x9F\x98\x80").has_value());  // an emoji
}

TEST(Encoding, MarksBytesThatDoNotMapAndNeverReadsPastTheEnd) {
  // A lead byte at the very end of the text.
  EXPECT_EQ(platform::Cp932ToUtf8("ab\x83"), "ab\xEF\xBF\xBD");
  size_t length = 0;
  EXPECT_EQ(platform::DecodeCp932("\x83", 0, &length), U'\xFFFD');
  EXPECT_EQ(length, 1u);
  EXPECT_EQ(platform::DecodeCp932("\x82\xA0", 0, &length), U'\x3042');  // あ
  EXPECT_EQ(length, 2u);
}

TEST(Encoding, LeadBytesFollowTheCodePageTable) {
  EXPECT_FALSE(platform::IsLeadByte(0x80));
  EXPECT_TRUE(platform::IsLeadByte(0x81));
  EXPECT_TRUE(platform::IsLeadByte(0x9F));
  EXPECT_FALSE(platform::IsLeadByte(0xA0));
  EXPECT_FALSE(platform::IsLeadByte(0xDF));
  EXPECT_TRUE(platform::IsLeadByte(0xE0));
  EXPECT_TRUE(platform::IsLeadByte(0xFC));
  EXPECT_FALSE(platform::IsLeadByte(0xFD));
}

// The lossy conversion: one '?' per character without a CP932 form and per
// byte that starts no well-formed UTF-8 sequence, everything else exact.
TEST(Encoding, LossyConversionReplacesEachLossWithOneQuestionMark) {
  constexpr size_t kNone = std::string_view::npos;
  struct Case {
    const char* what;
    std::string utf8;
    std::string sjis;
    size_t first_loss;
  };
  const Case cases[] = {
      {"empty", "", "", kNone},
      {"ASCII", "Save 01?", "Save 01?", kNone},
      {"kana", "\xE3\x81\x82\xE3\x82\xA2", "\x82\xA0\x83\x41", kNone},     // あア
      {"kanji", "\xE6\x97\xA5\xE6\x9C\xAC", "\x93\xFA\x96\x7B", kNone},    // 日本
      {"half-width kana", "\xEF\xBD\xB1\xEF\xBE\x9D", "\xB1\xDD", kNone},  // ｱﾝ
      {"double-byte space", "\xE3\x80\x80", "\x81\x40", kNone},
      {"unmappable emoji",
       "a\xF0\x9F\x98\x80"
       "b",
       "a?b", 1},
      {"unmappable accent", "\xC3\xA9t\xC3\xA9", "?t?", 0},
      {"lone continuation byte",
       "a\x80"
       "b",
       "a?b", 1},
      {"byte that never starts UTF-8", "\xFF\xFE", "??", 0},
      {"overlong lead byte", "\xC0\xAF", "??", 0},
      {"sequence cut by ASCII",
       "x\xE3\x81"
       "A",
       "x??A", 1},
      {"sequence cut by the end", "\xE6\x97\xA5\xE6\x97", "\x93\xFA??", 3},
      {"loss after kana", "\xE3\x81\x82\xF0\x9F\x98\x80", "\x82\xA0?", 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    size_t first_loss = 0;
    EXPECT_EQ(platform::Utf8ToCp932Lossy(c.utf8, &first_loss), c.sjis);
    EXPECT_EQ(first_loss, c.first_loss);
    // The exact conversion agrees wherever nothing is lost.
    EXPECT_EQ(platform::Utf8ToCp932(c.utf8).has_value(), c.first_loss == kNone);
  }
}

// The length of the character at `pos` of `text`.
struct LengthCase {
  std::string text;
  size_t pos;
  size_t length;
};

TEST(Encoding, Utf8SequencesAreWellFormedOrZeroLong) {
  const LengthCase cases[] = {
      {"a", 0, 1},
      {"\xC3\xA9", 0, 2},
      {"\xE3\x81\x82", 0, 3},
      {"\xF0\x9F\x98\x80", 0, 4},
      {"\xE3\x81\x82", 1, 0},      // a continuation byte
      {"\xC1\xBF", 0, 0},          // an overlong form of ASCII
      {"\xF5\x80\x80\x80", 0, 0},  // beyond U+10FFFF
      {"\xE3\x81", 0, 0},          // cut by the end
      {"\xE3"
       "a\x82",
       0, 0},       // cut by an ASCII byte
      {"a", 1, 0},  // past the end
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text) + " at " + std::to_string(c.pos));
    EXPECT_EQ(platform::Utf8SequenceLength(c.text, c.pos), c.length);
  }
  EXPECT_EQ(platform::DecodeUtf8("\xF0\x9F\x98\x80"), U'\x1F600');
  EXPECT_EQ(platform::DecodeUtf8("\xE3\x81"), U'\xFFFD');
}

TEST(Encoding, Cp932CharactersAreOneOrTwoBytesAndNeverSwallowTheTerminator) {
  const LengthCase cases[] = {
      {"a", 0, 1},
      {"\x82\xA0", 0, 2},                 // あ
      {"\x82\xA0", 1, 1},                 // a trail byte read on its own
      {"\xB1", 0, 1},                     // half-width kana: one byte
      {"\x82", 0, 1},                     // a lead byte at the end
      {std::string("\x82\0x", 3), 0, 1},  // a lead byte before a NUL
      {"\xE0\x40", 0, 2},                 // the second lead-byte range
      {"\x82\xA0", 2, 0},                 // past the end
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text) + " at " + std::to_string(c.pos));
    EXPECT_EQ(platform::Cp932CharLength(c.text, c.pos), c.length);
  }
}

}  // namespace
