// The character-by-character layouts: cells, hanging characters, line pitch,
// effects, the cell table's bound and the double-size line flushes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/font/internal/layout.h"
#include "tests/support/support.h"

namespace {

using el::font::Box;
using el::font::Colors;
using test_support::Sjis;

struct DrawCall {
  int x, y;
  std::string character;
  uint32_t color;
  bool operator==(const DrawCall&) const = default;
};

struct FlushCall {
  int px, py, width, height;
  bool operator==(const FlushCall&) const = default;
};

// A font whose double-byte characters are `em` square and one-byte
// characters half as wide; it records every draw and flush.
class RecordingTarget : public el::font::LineTarget {
 public:
  explicit RecordingTarget(int em) : em_(em) {}
  el::font::Extent Measure(std::string_view c) override {
    ++measures;
    return {c.size() == 2 ? em_ : em_ / 2, em_};
  }
  void Draw(int x, int y, std::string_view c, uint32_t color) override {
    draws.push_back({x, y, std::string(c), color});
  }
  void FlushLine(int px, int py, int width, int height) override {
    flushes.push_back({px, py, width, height});
  }
  // The draws in the text colour (one per character without effects).
  std::vector<DrawCall> TextDraws() const {
    std::vector<DrawCall> out;
    for (const auto& d : draws)
      if (d.color == kText) out.push_back(d);
    return out;
  }

  static constexpr uint32_t kText = 0xFFFFFF;
  static constexpr uint32_t kBack = 0x800000;
  std::vector<DrawCall> draws;
  std::vector<FlushCall> flushes;
  int measures = 0;

 private:
  int em_;
};

constexpr Colors kColors{RecordingTarget::kText, RecordingTarget::kBack};

struct Positioned {
  RecordingTarget target{16};
  elFont::_textpos cells[el::font::kMaxCells + 1] = {};
  int count = 0;
  void Run(const std::string& utf8, Box box, uint16_t effect = 0, int height = 16) {
    el::font::LayOutPositioned(Sjis(utf8), box, effect, height, kColors, target, cells, &count);
  }
};

bool SameRect(const elFont::_textpos& r, int x1, int y1, int x2, int y2) {
  return r.X1 == x1 && r.Y1 == y1 && r.X2 == x2 && r.Y2 == y2;
}

TEST(FontPositioned, ABoxExactlyAsWideAsTheTextKeepsItOnOneLine) {
  Positioned p;
  p.Run("あいう", {0, 0, 48, 100});
  ASSERT_EQ(p.count, 4);
  EXPECT_TRUE(SameRect(p.cells[1], 0, 0, 16, 16));
  EXPECT_TRUE(SameRect(p.cells[3], 32, 0, 48, 16));
  // The bounding box keeps one more character width to the right.
  EXPECT_TRUE(SameRect(p.cells[0], 0, 0, 64, 16));
  EXPECT_EQ(p.target.TextDraws().back(), (DrawCall{32, 0, Sjis("う"), kColors.text}));
}

TEST(FontPositioned, HangingAndNonHangingCharactersAtTheEdge) {
  struct Case {
    const char* name;
    const char* text;
    bool hangs;
  };
  const Case cases[] = {
      {"the full stop hangs", "あいう。え", true},
      {"the opening parenthesis hangs", "あいう（え", true},
      {"the double-byte space hangs", "あいう　え", true},
      {"a letter moves to the next line", "あいうかえ", false},
      {"the opening corner bracket moves", "あいう「え", false},
  };
  for (const auto& c : cases) {
    Positioned p;
    p.Run(c.text, {10, 20, 58, 200});
    const auto draws = p.target.TextDraws();
    ASSERT_GE(draws.size(), 4u) << c.name;
    if (c.hangs) {
      // Drawn beyond the edge without a cell; the next character starts a line.
      EXPECT_EQ(draws[3].x, 58) << c.name;
      EXPECT_EQ(draws[3].y, 20) << c.name;
      EXPECT_EQ(draws[4], (DrawCall{10, 36, Sjis("え"), kColors.text})) << c.name;
      EXPECT_EQ(p.count, 5) << c.name;
      EXPECT_EQ(p.cells[0].X2, 10 + 48 + 16) << c.name;  // not widened by the hanging one
    } else {
      EXPECT_EQ(draws[3].x, 10) << c.name;
      EXPECT_EQ(draws[3].y, 36) << c.name;
      EXPECT_EQ(p.count, 6) << c.name;
      EXPECT_TRUE(SameRect(p.cells[4], 10, 36, 26, 52)) << c.name;
    }
  }
}

TEST(FontPositioned, ALineFeedStartsALineWithoutACell) {
  Positioned p;
  p.Run("a\nb", {5, 7, 200, 200});
  EXPECT_EQ(p.count, 3);
  EXPECT_TRUE(SameRect(p.cells[2], 5, 7 + 16, 13, 7 + 32));
}

TEST(FontPositioned, OnlyTheFirstLineWhenTheBoxHoldsTwoPitchesOrLess) {
  Positioned p;
  p.Run("あいうえお", {0, 0, 32, 32});
  EXPECT_EQ(p.target.TextDraws().size(), 2u);
  EXPECT_EQ(p.count, 3);
}

TEST(FontPositioned, ACharacterWiderThanTheBoxIsNeverDrawnAndStopsQuickly) {
  Positioned p;
  p.Run("あい", {0, 0, 10, el::font::kCoordinateLimit});
  EXPECT_TRUE(p.target.draws.empty());
  EXPECT_EQ(p.count, 1);
  EXPECT_LE(p.target.measures, 2);
}

TEST(FontPositioned, EffectsWidenTheCellsAndDrawShadowAndThickening) {
  Positioned p;
  p.Run("あ\nい", {0, 0, 300, 300}, 0x0305);
  // Line pitch 16 + 5; cells 2 wider and 1 taller than the glyph.
  EXPECT_TRUE(SameRect(p.cells[1], 0, 0, 18, 17));
  EXPECT_TRUE(SameRect(p.cells[2], 0, 21, 18, 38));
  const std::vector<DrawCall> first(p.target.draws.begin(), p.target.draws.begin() + 3);
  EXPECT_EQ(first, (std::vector<DrawCall>{{2, 1, Sjis("あ"), kColors.back},
                                          {0, 0, Sjis("あ"), kColors.text},
                                          {1, 0, Sjis("あ"), kColors.text}}));
  Positioned all;
  all.Run("a", {0, 0, 300, 300}, 0x0700);
  EXPECT_EQ(all.target.draws, (std::vector<DrawCall>{{2, 2, "a", kColors.back},
                                                     {0, 0, "a", kColors.text},
                                                     {1, 0, "a", kColors.text},
                                                     {1, 1, "a", kColors.text},
                                                     {0, 1, "a", kColors.text}}));
}

TEST(FontPositioned, TheLinePitchGrowsWithATallerCharacter) {
  Positioned p;
  p.Run("ab\ncd", {0, 0, 300, 300}, 0, 10);  // characters are 16 tall
  EXPECT_EQ(p.cells[3].Y1, 16);
}

TEST(FontPositioned, LongTextsStopAtTheEndOfTheCellTable) {
  Positioned p;
  elFont::_textpos sentinel{-1, -1, -1, -1};
  p.cells[el::font::kMaxCells] = sentinel;
  p.Run(std::string(5000, 'x'), {0, 0, 40000, 40000});
  EXPECT_EQ(p.count, el::font::kMaxCells);
  EXPECT_EQ(p.target.TextDraws().size(), static_cast<size_t>(el::font::kMaxCells - 1));
  EXPECT_TRUE(SameRect(p.cells[el::font::kMaxCells], -1, -1, -1, -1));
}

TEST(FontPositioned, ALeadByteAtTheEndStandsAlone) {
  EXPECT_EQ(el::font::CharAt(std::string_view("a\x82", 2), 1), std::string_view("\x82", 1));
  EXPECT_EQ(el::font::CharAt(std::string_view("\x82\xA0", 2), 0).size(), 2u);
  Positioned p;
  el::font::LayOutPositioned(std::string_view("a\x82", 2), {0, 0, 300, 300}, 0, 16, kColors,
                             p.target, p.cells, &p.count);
  EXPECT_EQ(p.count, 3);
}

TEST(FontPositioned, NearBlackColoursAreLifted) {
  EXPECT_EQ(el::font::LiftNearBlack(0x000000), 0x101010u);
  EXPECT_EQ(el::font::LiftNearBlack(0x0F0F0F), 0x101010u);
  EXPECT_EQ(el::font::LiftNearBlack(0x100000), 0x100000u);
  EXPECT_EQ(el::font::LiftNearBlack(0x000010), 0x000010u);
}

struct Antialiased {
  RecordingTarget target{32};  // double size of a 16-pixel font
  elFont::_textpos cells[el::font::kMaxCells] = {};
  int count = 0;
  void Run(const std::string& utf8, Box box, uint16_t effect = 0, int scratch = 640) {
    el::font::LayOutAntialiased(Sjis(utf8), box, effect, 32, scratch, kColors, target, cells,
                                &count);
  }
};

TEST(FontAntialiased, CellsAreHalvedAndTheLineIsFlushedAtTheEnd) {
  Antialiased a;
  a.Run("あい", {10, 20, 200, 200});
  EXPECT_EQ(a.count, 3);
  EXPECT_TRUE(SameRect(a.cells[1], 10, 20, 26, 36));
  EXPECT_TRUE(SameRect(a.cells[2], 26, 20, 42, 36));
  EXPECT_EQ(a.target.flushes, (std::vector<FlushCall>{{10, 20, 64, 32}}));
  EXPECT_TRUE(SameRect(a.cells[0], 10, 20, 42, 36));
  EXPECT_EQ(a.target.TextDraws()[1], (DrawCall{32, 0, Sjis("い"), kColors.text}));
}

TEST(FontAntialiased, ReachingTheEdgeAlreadyStartsANewLine) {
  Antialiased a;
  a.Run("あいう", {10, 20, 42, 200});
  EXPECT_EQ(a.target.flushes,
            (std::vector<FlushCall>{{10, 20, 32, 32}, {10, 36, 32, 32}, {10, 52, 32, 32}}));
  EXPECT_TRUE(SameRect(a.cells[2], 10, 36, 26, 52));
}

TEST(FontAntialiased, AHangingCharacterStaysInTheLine) {
  Antialiased a;
  a.Run("あ。い", {10, 20, 42, 200});
  EXPECT_EQ(a.target.flushes, (std::vector<FlushCall>{{10, 20, 64, 32}, {10, 36, 32, 32}}));
  EXPECT_EQ(a.count, 3);
}

TEST(FontAntialiased, ALineWiderThanTheScratchIsFlushedInPiecesOnTheSameLine) {
  Antialiased a;
  a.Run("あいうえ", {10, 20, 1000, 200}, 0, 100);
  EXPECT_EQ(a.target.flushes, (std::vector<FlushCall>{{10, 20, 96, 32}, {58, 20, 32, 32}}));
  EXPECT_TRUE(SameRect(a.cells[4], 58, 20, 74, 36));
}

TEST(FontAntialiased, LineFeedsAndTheBottomEdge) {
  Antialiased a;
  a.Run("あ\nい", {10, 20, 200, 44});
  // The second line would end at 52: its height is cut by twice the excess.
  EXPECT_EQ(a.target.flushes, (std::vector<FlushCall>{{10, 20, 32, 32}, {10, 36, 32, 16}}));
  EXPECT_EQ(a.cells[0].Y2, 44);
  Antialiased stop;
  stop.Run("あ\nい\nう", {10, 20, 200, 36});
  EXPECT_EQ(stop.target.flushes.size(), 1u);
}

TEST(FontAntialiased, ShadowOffsetsAreDoubleSize) {
  Antialiased a;
  a.Run("a", {0, 0, 200, 200}, 0x100);
  EXPECT_EQ(a.target.draws.front(), (DrawCall{2, 2, "a", kColors.back}));
  // Widths round up to even, then the shadow adds two.
  EXPECT_TRUE(SameRect(a.cells[1], 0, 0, 9, 17));
}

TEST(FontAntialiased, CharactersThatCanNeverFitStopTheDrawing) {
  Antialiased narrow;
  narrow.Run("ああ", {0, 0, 10, el::font::kCoordinateLimit});
  EXPECT_LE(narrow.target.measures, 2);
  Antialiased scratch;
  scratch.Run("ああ", {0, 0, 1000, el::font::kCoordinateLimit}, 0, 20);
  EXPECT_LE(scratch.target.measures, 2);
  EXPECT_EQ(scratch.count, 1);
}

}  // namespace
