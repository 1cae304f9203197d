#include "platform/encoding.h"

#include <gtest/gtest.h>

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

}  // namespace
