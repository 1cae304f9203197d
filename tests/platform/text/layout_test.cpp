// The rectangle text layout: wrap points, line breaks, alignment, clipping
// and the measure-only mode.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/encoding.h"
#include "platform/font.h"
#include "platform/gdi.h"
#include "platform/text/text_chars.h"
#include "platform/text/text_layout.h"
#include "tests/support/ink.h"
#include "tests/support/support.h"

namespace {

using platform::text::LaidLine;
using test_support::Sjis;

// Lays out UTF-8 text with one-byte characters 1 pixel wide and double-byte
// characters 2 pixels wide, and returns the lines as UTF-8 strings.
std::vector<std::string> Lines(const std::string& utf8, int width, bool word_break = true) {
  const std::string sjis = Sjis(utf8);
  std::vector<platform::text::TextChar> chars;
  platform::text::CutText(sjis, &chars);
  std::vector<int> advances;
  for (const auto& c : chars) advances.push_back(c.double_byte ? 2 : 1);
  std::vector<std::string> out;
  for (const LaidLine& line : platform::text::LayOutLines(chars, advances, width, word_break)) {
    std::string text;
    for (size_t i = line.first; i < line.last; ++i)
      text += sjis.substr(chars[i].offset, chars[i].length);
    out.push_back(platform::Cp932ToUtf8(text));
  }
  return out;
}

struct LayoutCase {
  const char* name;
  const char* text;
  int width;
  std::vector<std::string> lines;
};

TEST(TextLayout, WrapPointsAndLineBreaks) {
  const std::vector<LayoutCase> cases = {
      {"fits on one line", "abc def", 7, {"abc def"}},
      {"wraps at the space", "aaa bbb", 5, {"aaa", "bbb"}},
      {"drops the spaces at the wrap", "aa   bb", 4, {"aa", "bb"}},
      {"keeps the words together", "ab cd ef", 5, {"ab cd", "ef"}},
      {"a long word stands alone", "abcdefgh ij", 4, {"abcdefgh", "ij"}},
      {"breaks between double-byte characters", "漢字漢字漢字", 5, {"漢字", "漢字", "漢字"}},
      {"breaks between a word and a double-byte character", "ab漢字", 3, {"ab", "漢", "字"}},
      {"a width of exactly the text fits", "漢字漢", 6, {"漢字漢"}},
      {"carriage return and line feed", "ab\r\ncd", 10, {"ab", "cd"}},
      {"a lone line feed or carriage return", "a\nb\rc", 10, {"a", "b", "c"}},
      {"a blank line between breaks", "a\r\n\r\nb", 10, {"a", "", "b"}},
      {"a final break opens no line", "a\r\n", 10, {"a"}},
      {"an empty text has no lines", "", 10, {}},
      {"leading spaces of a paragraph stay", "  ab", 10, {"  ab"}},
      {"the ampersand is an ordinary character", "&a&&b", 10, {"&a&&b"}},
      {"a zero width puts every word on its own line", "a b 漢", 0, {"a", "b", "漢"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Lines(c.text, c.width), c.lines) << c.name;
}

TEST(TextLayout, WithoutWordBreakOnlyLineBreaksSplit) {
  EXPECT_EQ(Lines("aaa bbb 漢字", 2, false), (std::vector<std::string>{"aaa bbb 漢字"}));
  EXPECT_EQ(Lines("aaa\r\nbbb", 2, false), (std::vector<std::string>{"aaa", "bbb"}));
}

TEST(TextLayout, HostileBytesNeverLeaveTheText) {
  // Lead bytes before a line feed, at the end, and pairs that do not map.
  const std::string bytes = "\x82\n\x85\x40 \x81";
  std::vector<platform::text::TextChar> chars;
  platform::text::CutText(bytes, &chars);
  size_t covered = 0;
  for (const auto& c : chars) covered += c.length;
  EXPECT_EQ(covered, bytes.size());
  ASSERT_EQ(chars.size(), 4u);
  EXPECT_EQ(chars[0].code_point, platform::text::kReplacement);  // 82 0A is no character
  EXPECT_EQ(chars[1].code_point, platform::text::kReplacement);  // 85 40 is unassigned
  EXPECT_EQ(chars.back().length, 1);
  EXPECT_EQ(chars.back().code_point, platform::text::kReplacement);
}

// Drawing through the context with a real font.
class TextDrawText : public ::testing::Test {
 protected:
  TextDrawText()
      : font_({.face_sjis = Sjis("標準ゴシック"), .height = 16, .weight = 400, .charset = 128}),
        surface_(320, 200, platform::PixelFormat::Rgb565()),
        dc_(surface_) {
    dc_.SelectFont(&font_);
    dc_.SetTextColor(0xFFFFFF);
    dc_.SetBkMode(platform::BackgroundMode::kTransparent);
  }
  platform::Rect Ink() const { return test_support::InkBox(surface_, 0); }

  platform::Font font_;
  platform::Surface surface_;
  platform::DrawingContext dc_;
};

TEST_F(TextDrawText, CentresAndRightAlignsEachLine) {
  const std::string text = Sjis("メニュー");  // 64 pixels
  platform::Rect rect{100, 20, 300, 60};
  dc_.DrawText(text, &rect, 0x811);
  const platform::Rect centred = Ink();
  // The cell starts at 100 + (200 - 64) / 2 = 168; the ink lies inside it.
  EXPECT_GE(centred.left, 168);
  EXPECT_LE(centred.right, 168 + 64);
  EXPECT_LE(centred.left, 172);
  surface_.Fill(surface_.Bounds(), 0);
  dc_.DrawText(text, &rect, 0x812);
  const platform::Rect right = Ink();
  EXPECT_LE(right.right, 300);
  EXPECT_GE(right.right, 296);
  surface_.Fill(surface_.Bounds(), 0);
  dc_.DrawText(text, &rect, 0x810);
  EXPECT_LE(Ink().left, 104);
  EXPECT_GE(Ink().left, 100);
}

TEST_F(TextDrawText, WrappedLinesStepByTheCellHeightAndAreClipped) {
  const std::string text = Sjis("あいうえおかきくけこ");  // 160 pixels
  platform::Rect rect{10, 10, 74, 42};                    // 4 characters, 2 lines
  const int height = dc_.DrawText(text, &rect, 0x810);
  EXPECT_EQ(height, 3 * 16);
  const platform::Rect ink = Ink();
  EXPECT_GE(ink.left, 10);
  EXPECT_GE(ink.top, 10);
  EXPECT_LE(ink.right, 74);
  EXPECT_LE(ink.bottom, 42);  // the third line is cut at the bottom
  EXPECT_GT(ink.bottom, 26);  // the second line is drawn
}

TEST_F(TextDrawText, MeasureOnlyDrawsNothingAndReturnsTheHeight) {
  const std::string text = Sjis("あいうえおかきくけこ");
  platform::Rect rect{0, 0, 64, 10};
  EXPECT_EQ(dc_.DrawText(text, &rect, 0xC10), 3 * 16);
  EXPECT_EQ(rect.bottom, 48);
  EXPECT_EQ(rect.right, 64);
  EXPECT_TRUE(Ink().Empty());
  platform::Rect empty{0, 0, 64, 10};
  EXPECT_EQ(dc_.DrawText("", &empty, 0xC10), 0);
}

TEST_F(TextDrawText, OpaqueBackgroundFillsOnlyTheLineCells) {
  dc_.SetBkMode(platform::BackgroundMode::kOpaque);
  dc_.SetBkColor(0x0000FF);  // red
  platform::Rect rect{0, 0, 100, 100};
  dc_.DrawText(Sjis("あい"), &rect, 0x810);
  const uint32_t red = platform::ColorRefToPixel(surface_.Format(), 0x0000FF);
  const uint32_t white = platform::ColorRefToPixel(surface_.Format(), 0xFFFFFF);
  const platform::Rect cells{0, 0, 32, 16};
  EXPECT_EQ(test_support::CountPixels(surface_, red, cells) +
                test_support::CountPixels(surface_, white, cells),
            32 * 16);
  EXPECT_EQ(test_support::InkBox(surface_, 0), cells);
}

}  // namespace
