// Fonts: the standard Japanese names, substitution, cell metrics, styles and
// the face list.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/encoding.h"
#include "platform/font.h"
#include "platform/gdi.h"
#include "tests/support/ink.h"
#include "tests/support/support.h"

namespace {

using platform::Font;
using platform::FontDescription;
using test_support::Sjis;

FontDescription Describe(const std::string& face_utf8, int height, int weight = 400) {
  return {.face_sjis = Sjis(face_utf8), .height = height, .weight = weight, .charset = 128};
}

TEST(TextFont, StandardNamesResolveToTheJapaneseSerifAndSansFaces) {
  EXPECT_EQ(Font(Describe("標準明朝", 16)).FamilyName(), "IPAMincho");
  EXPECT_EQ(Font(Describe("標準ゴシック", 16)).FamilyName(), "IPAGothic");
  // Installed faces are found by either of their names.
  EXPECT_EQ(Font(Describe("IPAゴシック", 16)).FamilyName(), "IPAGothic");
  EXPECT_EQ(Font(Describe("IPAPMincho", 16)).FamilyName(), "IPAPMincho");
}

TEST(TextFont, UnknownAndEmptyJapaneseNamesAreSubstitutedByAJapaneseFace) {
  for (const char* face : {"存在しない書体", ""}) {
    const Font font(Describe(face, 16));
    const platform::Glyph& glyph = font.GlyphFor(U'\x3042');  // あ
    EXPECT_FALSE(font.FamilyName().empty()) << face;
    EXPECT_GT(std::count(glyph.coverage.begin(), glyph.coverage.end(), 1), 10) << face;
    EXPECT_EQ(glyph.advance_px, 16) << face;
  }
}

// The cell of a positive height is that height; the full-width advance is
// the em, which for both faces equals the cell.
TEST(TextFont, CellHeightIsTheRequestedHeightForEverySize) {
  for (const char* face : {"標準明朝", "標準ゴシック"}) {
    for (int size = 12; size <= 48; ++size) {
      const Font font(Describe(face, size));
      platform::Surface surface(8, 8, platform::PixelFormat::Rgb565());
      platform::DrawingContext dc(surface);
      dc.SelectFont(&font);
      const platform::Size kanji = dc.GetTextExtent(Sjis("漢字"));
      const platform::Size latin = dc.GetTextExtent("Ab");
      EXPECT_EQ(kanji.cy, size) << face << " " << size;
      EXPECT_EQ(kanji.cx, 2 * size) << face << " " << size;
      EXPECT_EQ(latin.cy, size) << face << " " << size;
      // The half-width letters are half the em, rounded.
      EXPECT_NEAR(latin.cx, size, 2) << face << " " << size;
      const platform::FontMetrics& m = font.Metrics();
      EXPECT_EQ(m.ascent_px + m.descent_px, size);
      EXPECT_GT(m.ascent_px, m.descent_px);
    }
  }
}

TEST(TextFont, NegativeHeightIsTheEmAndZeroIsTheDefault) {
  const Font em(Describe("標準ゴシック", -20));
  EXPECT_EQ(em.Metrics().em_px, 20);
  EXPECT_EQ(em.Metrics().height_px, em.Metrics().ascent_px + em.Metrics().descent_px);
  const Font fallback(Describe("標準ゴシック", 0));
  EXPECT_EQ(fallback.Metrics().height_px, 16);
}

TEST(TextFont, HostileSizesAreBounded) {
  const Font huge(Describe("標準ゴシック", 1 << 30));
  EXPECT_LE(huge.Metrics().height_px, 480);
  FontDescription wide = Describe("標準ゴシック", 1 << 30);
  wide.width = 1 << 30;
  EXPECT_LE(Font(wide).GlyphFor(U'\x6F22').width_px, 640 + 64);
  const Font tiny(Describe("標準ゴシック", 1));
  EXPECT_EQ(tiny.Metrics().height_px, 1);
  EXPECT_GE(tiny.GlyphFor(U'A').advance_px, 0);
}

// Measuring takes the advance without rasterising; it must be the drawn
// glyph's advance in every style, for glyphs the face lacks too.
TEST(TextFont, AdvancesWithoutRasterisingEqualTheGlyphs) {
  for (const int weight : {400, 700}) {
    for (const int size : {1, 13, 16, 40, 480}) {
      FontDescription d = Describe("標準明朝", size, weight);
      d.italic = size == 40;
      const Font font(d);
      for (const char32_t c : {U'A', U' ', U'\x3042', U'\x6F22', U'\xFFFD', U'\x10FFFD'}) {
        const int measured = font.AdvanceFor(c);
        EXPECT_EQ(measured, font.GlyphFor(c).advance_px) << size << " " << static_cast<int>(c);
      }
    }
  }
}

// A hostile layout's text at the largest cell: a frame's glyphs stay in the
// cache, so a second frame rasterises none, and glyphs far off the screen
// are measured but never rasterised.
TEST(TextFont, AFrameOfHugeTextIsRasterisedOnce) {
  const Font font(Describe("標準ゴシック", 1 << 30));
  platform::Surface surface(640, 480, platform::PixelFormat::Rgb565());
  platform::DrawingContext dc(surface);
  dc.SelectFont(&font);
  const std::string line = Sjis("漢字かなカナ一二三四五六七八九十百千万円年月日時分秒");
  const size_t before = font.GlyphsRendered();
  for (int y : {0, 200}) dc.TextOut(-300, y, line);
  const size_t first_frame = font.GlyphsRendered() - before;
  EXPECT_GT(first_frame, 0u);
  EXPECT_LT(first_frame, 10u);  // 27 characters, two or three reach the screen
  for (int y : {0, 200}) dc.TextOut(-300, y, line);
  EXPECT_EQ(font.GlyphsRendered() - before, first_frame);
  dc.TextOut(1 << 30, 1 << 30, line);
  EXPECT_EQ(font.GlyphsRendered() - before, first_frame);
}

TEST(TextFont, BoldIsSynthesisedWiderWhereTheFaceHasNone) {
  for (int size : {12, 24, 48}) {
    const Font regular(Describe("標準明朝", size, 400));
    const Font bold(Describe("標準明朝", size, 700));
    EXPECT_FALSE(regular.SyntheticBold());
    EXPECT_TRUE(bold.SyntheticBold());
    const platform::Glyph& b = bold.GlyphFor(U'\x6F22');  // 漢
    const int bold_advance = b.advance_px;
    const int bold_ink = static_cast<int>(std::count(b.coverage.begin(), b.coverage.end(), 1));
    const platform::Glyph& r = regular.GlyphFor(U'\x6F22');
    EXPECT_GT(bold_advance, r.advance_px) << size;
    EXPECT_GT(bold_ink, std::count(r.coverage.begin(), r.coverage.end(), 1)) << size;
  }
}

TEST(TextFont, ItalicIsSlantedWhereTheFaceHasNone) {
  FontDescription slanted = Describe("標準ゴシック", 32);
  slanted.italic = true;
  const Font italic(slanted);
  const Font upright(Describe("標準ゴシック", 32));
  EXPECT_TRUE(italic.SyntheticItalic());
  // The bar "|" leans right: its top row starts right of its bottom row.
  const auto first_ink = [](const platform::Glyph& g, int row) {
    for (int x = 0; x < g.width_px; ++x)
      if (g.coverage[static_cast<size_t>(row) * g.width_px + x]) return x;
    return -1;
  };
  const platform::Glyph& bar = italic.GlyphFor(U'|');
  ASSERT_GT(bar.rows_px, 10);
  EXPECT_GT(first_ink(bar, 0), first_ink(bar, bar.rows_px - 1) + 3);
  const platform::Glyph& straight = upright.GlyphFor(U'|');
  EXPECT_EQ(first_ink(straight, 0), first_ink(straight, straight.rows_px - 1));
  EXPECT_EQ(italic.GlyphFor(U'|').advance_px, upright.GlyphFor(U'|').advance_px);
}

TEST(TextFont, ReplacementMarkIsVisible) {
  const Font font(Describe("標準ゴシック", 16));
  const platform::Glyph& mark = font.GlyphFor(0xFFFD);
  EXPECT_GT(mark.advance_px, 0);
  EXPECT_GT(std::count(mark.coverage.begin(), mark.coverage.end(), 1), 8);
}

TEST(TextFont, FaceListReportsJapaneseFacesWithCharacterSet128) {
  const auto& faces = platform::EnumerateFaces();
  ASSERT_FALSE(faces.empty());
  for (const char* name : {"IPAゴシック", "IPA明朝", "IPA Pゴシック", "IPA P明朝"}) {
    const auto it = std::find_if(faces.begin(), faces.end(), [&](const platform::FaceEntry& f) {
      return f.name_sjis == Sjis(name);
    });
    ASSERT_NE(it, faces.end()) << name;
    EXPECT_EQ(it->charset, platform::kCharsetShiftJis) << name;
  }
  for (const auto& face : faces) {
    EXPECT_FALSE(face.name_sjis.empty());
    EXPECT_EQ(platform::Cp932ToUtf8(face.name_sjis).find("\xEF\xBF\xBD"), std::string::npos);
    EXPECT_TRUE(face.charset == 0 || face.charset == 2 || face.charset == 128);
  }
  // Listed once per family.
  for (size_t i = 1; i < faces.size(); ++i) EXPECT_NE(faces[i - 1].name_sjis, faces[i].name_sjis);
}

TEST(TextFont, EqualDescriptionsShareTheirGlyphs) {
  const Font first(Describe("標準ゴシック", 18));
  const platform::Glyph* glyph = &first.GlyphFor(U'A');
  const Font second(Describe("標準ゴシック", 18));
  EXPECT_EQ(&second.GlyphFor(U'A'), glyph);
}

}  // namespace
