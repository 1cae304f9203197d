// The text class on an open display: the face list, text scopes, colours,
// the plain and the rectangle drawing, and the debug text overlays.
#include <cstring>

#include "tests/engine/font_fixture.h"
#include "tests/support/ink.h"
#include "tests/support/support.h"

namespace {

using test_support::FontTest;
using test_support::Sjis;

TEST_F(FontTest, InitListsTheInstalledFacesWithTheirCharacterSets) {
  ASSERT_GT(elFont::MaxFont, 0);
  ASSERT_LE(elFont::MaxFont, 200);
  for (int i = 0; i < elFont::MaxFont; ++i) {
    const auto& face = elFont::FontData[i];
    EXPECT_EQ(face.Type, face.CharSet == 128 ? 1 : face.CharSet == 2 ? 3 : 2);
  }
  if (elFont::MaxFont < 200) {
    EXPECT_EQ(elFont::FontData[elFont::MaxFont].Type, -1);
  }
  EXPECT_NE(elFont::FontInfo, nullptr);
  EXPECT_EQ(elFont::DrawAndShow, 1);
}

TEST_F(FontTest, SearchFontKeepsTheFirstTwoHundredFaces) {
  elFont::MaxFont = 0;
  LOGFONTA record{};
  int accepted = 0;
  for (int i = 0; i < 250; ++i) {
    std::snprintf(record.lfFaceName, sizeof record.lfFaceName, "Face %d", i);
    record.lfCharSet = static_cast<uint8_t>(i % 3 == 0 ? 128 : i % 3 == 1 ? 2 : 0);
    accepted += elFont::SearchFont(&record, nullptr, 4, 0);
  }
  EXPECT_EQ(accepted, 200);
  EXPECT_EQ(elFont::MaxFont, 200);
  EXPECT_STREQ(elFont::FontData[199].Name, "Face 199");
  EXPECT_EQ(elFont::FontData[3].Type, 1);
  EXPECT_EQ(elFont::FontData[4].Type, 3);
  EXPECT_EQ(elFont::FontData[5].Type, 2);
}

TEST_F(FontTest, BeginFillsTheRecordAndKeepsTheFaceForOtherTypes) {
  elFont::Begin(1, 24, 9, 1, 0x101, 0x1FF);
  const LOGFONTA& r = *elFont::FontInfo;
  EXPECT_EQ(Sjis("標準ゴシック"), r.lfFaceName);
  EXPECT_EQ(r.lfHeight, 24);
  EXPECT_EQ(elFont::FontHeight, 24);
  EXPECT_EQ(r.lfWeight, 700);
  EXPECT_EQ(r.lfEscapement, 90);
  EXPECT_EQ(r.lfItalic, 1);
  EXPECT_EQ(r.lfUnderline, 0xFF);
  EXPECT_EQ(r.lfCharSet, 128);
  ASSERT_NE(elFont::FontDC, nullptr);
  EXPECT_EQ(&elFont::FontDC->Target(), DDBack.get());
  elFont::Before();
  EXPECT_EQ(elFont::FontDC, nullptr);
  elFont::Begin(5, 16, 0, 2, 0, 0);
  EXPECT_EQ(Sjis("標準ゴシック"), elFont::FontInfo->lfFaceName);
  EXPECT_EQ(elFont::FontInfo->lfWeight, 0);
  EXPECT_EQ(elFont::NewFont->FamilyName(), "IPAGothic");
  elFont::Before();
  elFont::Begin(0, 16, 0, 0, 0, 0);
  EXPECT_EQ(elFont::NewFont->FamilyName(), "IPAMincho");
  elFont::Before();
}

TEST_F(FontTest, ANamedFaceTakesItsListedCharacterSet) {
  std::snprintf(elFont::FontData[0].Name, sizeof elFont::FontData[0].Name, "Listed Latin");
  elFont::FontData[0].Type = 2;
  elFont::FontData[0].CharSet = 0;
  elFont::Begin("Listed Latin", 16, 0, 0, 0, 0);
  EXPECT_EQ(elFont::FontInfo->lfCharSet, 0);
  EXPECT_STREQ(elFont::FontInfo->lfFaceName, "Listed Latin");
  elFont::Before();
  elFont::Begin("Not Listed", 16, 0, 0, 0, 0);
  EXPECT_EQ(elFont::FontInfo->lfCharSet, 128);
  elFont::Before();
}

TEST_F(FontTest, PlainDrawUsesTheColoursAndBackgroundMode) {
  elFont::Begin(1, 16, 0, 0, 0, 0);
  elFont::Color(0x00FFFF, 0xFF0000, 1);
  elFont::Draw(100, 50, Sjis("文字").c_str());
  EXPECT_EQ(elFont::FontTextColor, 0x00FFFFu);
  const platform::Rect ink = test_support::InkBox(Back(), 0);
  EXPECT_GE(ink.left, 100);
  EXPECT_LE(ink.right, 132);
  EXPECT_GE(ink.top, 50);
  EXPECT_LE(ink.bottom, 66);
  EXPECT_EQ(test_support::CountPixels(Back(), Raw(0xFF0000)), 0);
  elFont::Color(0x00FFFF, 0xFF0000, 0);
  elFont::Draw(200, 50, Sjis("文字").c_str());
  EXPECT_EQ(test_support::InkBox(Back(), 0, {150, 0, 640, 480}),
            (platform::Rect{200, 50, 232, 66}));
  elFont::Before();
}

TEST_F(FontTest, AreaDrawCentresAndGetHeightMeasures) {
  elFont::Begin(1, 20, 0, 1, 0, 0);
  elFont::Color(0xFFFFFF, 0, 1);
  const std::string label = Sjis("セーブ");
  const int width = elFont::FontDC->GetTextExtent(label).cx;  // bold: wider than 60
  EXPECT_GT(width, 60);
  elFont::AreaDraw(100, 100, 200, 120, label.c_str(), 1);
  const platform::Rect ink = test_support::InkBox(Back(), 0);
  const int left = 100 + (100 - width) / 2;
  EXPECT_GE(ink.left, left);
  EXPECT_LE(ink.left, left + 3);
  EXPECT_LE(ink.right, left + width);
  elDraw::Clear();
  elFont::AreaDraw(100, 100, 200, 120, label.c_str(), 3);
  EXPECT_TRUE(test_support::InkBox(Back(), 0).Empty());
  const std::string longer = Sjis("あいうえおかきくけこ");
  EXPECT_EQ(elFont::GetHeight(0, 0, 100, 10, longer.c_str()), 3 * 20);
  EXPECT_TRUE(test_support::InkBox(Back(), 0).Empty());
  elFont::Before();
}

TEST_F(FontTest, DebugTextIsWhiteOnDarkBlue) {
  elDraw::ShowFPS();
  const platform::Rect ink = test_support::InkBox(Back(), 0);
  EXPECT_EQ(ink.left, 0);
  EXPECT_EQ(ink.top, 0);
  EXPECT_EQ(ink.bottom, 12);
  EXPECT_GT(ink.right, 100);
  EXPECT_GT(test_support::CountPixels(Back(), Raw(0xFFFFFF)), 50);
  EXPECT_GT(test_support::CountPixels(Back(), Raw(0x800000)), 400);
  elDraw::ShowString(300, 200, Sjis("デバッグ").c_str());
  EXPECT_EQ(test_support::InkBox(Back(), 0, {200, 100, 640, 480}),
            (platform::Rect{300, 200, 348, 212}));
  elDraw::ShowFormat(300, 300, "%d fps", 60);
  const platform::Rect formatted = test_support::InkBox(Back(), 0, {200, 250, 640, 480});
  EXPECT_EQ(formatted.left, 300);
  EXPECT_EQ(formatted.top, 300);
  EXPECT_GT(formatted.right, 330);
  EXPECT_EQ(elFont::FontDC, nullptr);  // the scope is closed again
}

TEST_F(FontTest, DestroyObjectClosesAnOpenScopeAndFreesTheRecord) {
  elFont::Begin(1, 16, 0, 0, 0, 0);
  elFont::DestroyObject();
  EXPECT_EQ(elFont::FontDC, nullptr);
  EXPECT_EQ(elFont::FontInfo, nullptr);
  // Drawing without a scope does nothing.
  elFont::Draw(0, 0, "x");
  elFont::AreaDraw(0, 0, 100, 100, "x", 0);
  EXPECT_EQ(elFont::GetHeight(0, 0, 100, 100, "x"), 0);
  EXPECT_TRUE(test_support::InkBox(Back(), 0).Empty());
}

}  // namespace
