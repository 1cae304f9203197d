// The sprite table: allocation, loading from files and resources, colour
// keys, replacement, release and the reload after a surface loss.
#include <cstring>

#include "platform/resources.h"
#include "tests/engine/draw_fixture.h"

namespace {

using test_support::BmpSpec;
using test_support::DisplayTest;
using test_support::Sjis;

constexpr uint32_t kWhite = 0xFFFFFF;

class DrawSprites : public DisplayTest {};

TEST_F(DrawSprites, LoadsIntoTheLowestFreeEntryFromFour) {
  WriteBmp("a.bmp", Plain(8, 6, 0x00FF00, 0x00FF00));
  EXPECT_EQ(elDraw::LoadObject("a.bmp", 2), 4);
  EXPECT_EQ(elDraw::LoadObject("a.bmp", 2), 5);
  EXPECT_STREQ(Sprite[4].FileName, "a.bmp");
  EXPECT_EQ(Sprite[4].SizeX, 8);
  EXPECT_EQ(Sprite[4].SizeY, 6);
  EXPECT_EQ(Sprite[4].PackData, 0);
  EXPECT_EQ(Sprite[4].Memory, 2);
  EXPECT_EQ(Sprite[4].Object->GetPixel(3, 3), 0x07E0u);
  elDraw::FreeObject(4);
  EXPECT_EQ(Sprite[4].Object, nullptr);
  EXPECT_STREQ(Sprite[4].FileName, "");
  EXPECT_EQ(elDraw::LoadObject("a.bmp", 2), 4);
}

TEST_F(DrawSprites, AMissingPictureFailsSilentlyAndKeepsItsEntry) {
  EXPECT_EQ(elDraw::LoadObject("nothing.bmp", 2), 0);
  EXPECT_TRUE(fake->boxes.empty());
  EXPECT_STREQ(Sprite[4].FileName, "nothing.bmp");
  EXPECT_EQ(Sprite[4].Object, nullptr);
  EXPECT_EQ(elDraw::CreateObject(2, 2, 2), 5);
}

TEST_F(DrawSprites, FallsBackToTheProgramsBitmapResource) {
  static const std::string picture = test_support::MakeBmp(Plain(3, 2, 0x0000FF, 0x0000FF));
  platform::RegisterResource(
      "BITMAP", "TESTPIC",
      std::span(reinterpret_cast<const uint8_t*>(picture.data()), picture.size()));
  EXPECT_EQ(elDraw::LoadObject("TestPic", 2), 4);
  platform::UnregisterResource("BITMAP", "TESTPIC");
  ASSERT_NE(Sprite[4].Object, nullptr);
  EXPECT_EQ(Sprite[4].SizeX, 3);
  EXPECT_EQ(Sprite[4].Object->GetPixel(2, 1), 0x001Fu);
}

TEST_F(DrawSprites, NamesUpToOneHundredCharactersAreKeptWhole) {
  const std::string name100(96, 'n');
  WriteBmp(name100 + ".bmp", Plain(1, 1, 0, 0));
  EXPECT_EQ(elDraw::LoadObject((name100 + ".bmp").c_str(), 2), 4);
  EXPECT_EQ(std::string(Sprite[4].FileName), name100 + ".bmp");

  const std::string name101(101, 'x');
  EXPECT_EQ(elDraw::LoadObject(name101.c_str(), 2), 0);
  EXPECT_EQ(elDraw::SwapObject(name101.c_str(), 4, 2), 0);
  ASSERT_EQ(fake->boxes.size(), 2u);
  EXPECT_EQ(fake->boxes[0].text, Sjis("Draw::LoadObject : ファイル名またはリソース名が長すぎます"));
  EXPECT_EQ(fake->boxes[1].text, Sjis("Draw::SwapObject : ファイル名またはリソース名が長すぎます"));
  EXPECT_EQ(elDraw::ErrorCheck, 1);
}

TEST_F(DrawSprites, AFullTableIsReported) {
  for (int i = 4; i < 1024; ++i) ASSERT_EQ(elDraw::CreateObject(1, 1, 2), i);
  EXPECT_EQ(elDraw::LoadObject("a.bmp", 2), 0);
  EXPECT_EQ(elDraw::CreateObject(1, 1, 2), 0);
  ASSERT_EQ(fake->boxes.size(), 2u);
  EXPECT_EQ(fake->boxes[0].text, Sjis("Draw::LoadObject : オブジェクト数が多過ぎます"));
  EXPECT_EQ(fake->boxes[1].text, Sjis("Draw::CreateObject : オブジェクト数が多過ぎます"));
}

TEST_F(DrawSprites, CreateObjectRefusesSizesWithoutASurface) {
  EXPECT_EQ(elDraw::CreateObject(0, 5, 2), 0);
  ASSERT_EQ(fake->boxes.size(), 1u);
  EXPECT_EQ(fake->boxes[0].text, Sjis("Draw::CreateObject : スプライトを作成できません"));
  EXPECT_STREQ(Sprite[4].FileName, "*");  // stays reserved
  EXPECT_EQ(elDraw::CreateObject(7, 5, 2), 5);
  EXPECT_EQ(Sprite[5].SizeX, 7);
}

TEST_F(DrawSprites, TheColourKeyIsTheSpriteColourOrTheTopLeftPixel) {
  WriteBmp("k.bmp", Plain(4, 4, 0x123456, 0xFFFFFF));
  elDraw::SetSpriteColor(kWhite);
  const int white_keyed = elDraw::LoadObject("k.bmp", 2);
  EXPECT_EQ(Sprite[white_keyed].Color, kWhite);
  EXPECT_EQ(Sprite[white_keyed].Object->ColorKey(), 0xFFFFu);

  WriteBmp("t.bmp", Plain(4, 4, 0xFFFFFF, 0x0000FF));
  elDraw::SetSpriteLeftTop();
  const int corner_keyed = elDraw::LoadObject("t.bmp", 2);
  EXPECT_EQ(Sprite[corner_keyed].Color, 0xFFFFFFFFu);
  EXPECT_EQ(Sprite[corner_keyed].Object->ColorKey(), 0x001Fu);
  // The probe of a colour leaves the picture as it was.
  EXPECT_EQ(Sprite[corner_keyed].Object->GetPixel(0, 0), 0x001Fu);

  elDraw::ChangeSpriteColor(corner_keyed, 0x00FF00);
  EXPECT_EQ(Sprite[corner_keyed].Color, 0x00FF00u);
  EXPECT_EQ(Sprite[corner_keyed].Object->ColorKey(), 0x07E0u);
  elDraw::CopySpriteColor(white_keyed, corner_keyed);
  EXPECT_EQ(Sprite[white_keyed].Object->ColorKey(), 0x07E0u);
  EXPECT_EQ(Sprite[white_keyed].Color, kWhite);
  elDraw::ChangeSpriteLeftTop(white_keyed);
  EXPECT_EQ(Sprite[white_keyed].Object->ColorKey(), 0xFFFFu);  // its top-left pixel (white)
  EXPECT_EQ(Sprite[white_keyed].Color, 0xFFFFFFFFu);
}

TEST_F(DrawSprites, SwapObjectReplacesThePictureInPlace) {
  WriteBmp("one.bmp", Plain(2, 2, 0xFF0000, 0xFF0000));
  WriteBmp("two.bmp", Plain(5, 3, 0x0000FF, 0x0000FF));
  const int n = elDraw::LoadObject("one.bmp", 2);
  EXPECT_EQ(elDraw::SwapObject("two.bmp", n, 2), 1);
  EXPECT_STREQ(Sprite[n].FileName, "two.bmp");
  EXPECT_EQ(Sprite[n].SizeX, 5);
  EXPECT_EQ(Sprite[n].Object->GetPixel(4, 2), 0x001Fu);
  EXPECT_EQ(elDraw::SwapObject("three.bmp", n, 2), 0);
  ASSERT_EQ(fake->boxes.size(), 1u);
  EXPECT_EQ(fake->boxes[0].text, Sjis("Draw::SwapObject : BMPファイルを読み込めません"));
  EXPECT_EQ(elDraw::SwapObject("one.bmp", 5000, 2), 0);  // no such entry
}

TEST_F(DrawSprites, ReloadRestoresLostSurfacesAndReadsThePicturesAgain) {
  WriteBmp("w.bmp", Plain(2, 2, 0x00FF00, 0x00FF00));
  WriteBmp("b.bmp", Plain(2, 2, 0x0000FF, 0x0000FF));
  elDraw::SetSpriteColor(kWhite);
  const int first = elDraw::LoadObject("w.bmp", 2);
  elDraw::SetSpriteColor(0x0000FF);
  const int second = elDraw::LoadObject("b.bmp", 2);
  const int blank = elDraw::CreateObject(3, 3, 2);
  const platform::Surface* blank_surface = Sprite[blank].Object.get();
  elDraw::SetSpriteColor(0x00FF00);

  // The files change while the display is away; the reload reads them anew.
  WriteBmp("w.bmp", Plain(2, 2, 0xFF0000, 0xFF0000));
  platform::MarkAllSurfacesLost();
  elDraw::ReloadObject();
  EXPECT_FALSE(DDBack->IsLost());
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(Sprite[i].Object->IsLost());
  EXPECT_EQ(Sprite[first].Object->GetPixel(1, 1), 0xF800u);
  EXPECT_EQ(Sprite[first].Color, kWhite);
  EXPECT_EQ(Sprite[first].Object->ColorKey(), 0xFFFFu);
  EXPECT_FALSE(Sprite[second].Object->IsLost());
  EXPECT_EQ(Sprite[blank].Object.get(), blank_surface);  // blank sprites keep their surface
  EXPECT_FALSE(Sprite[blank].Object->IsLost());
  // The sprite colour is the stored key of the last sprite reloaded.
  EXPECT_EQ(elDraw::SpriteColor, 0x0000FFu);
  EXPECT_EQ(elDraw::SpriteLeftTop, 0);
}

TEST_F(DrawSprites, OutOfRangeNumbersDoNothing) {
  elDraw::FreeObject(-1);
  elDraw::FreeObject(1024);
  elDraw::ChangeSpriteColor(99999, 0);
  elDraw::CopySpriteColor(-5, 4);
  EXPECT_EQ(DDColorMatch(nullptr, 0), 0xFFFFFFFFu);
  EXPECT_NE(DDSetColorKey(nullptr, 0), 0);
  EXPECT_NE(DDCopyBitmap(nullptr, nullptr, 0, 0, 0, 0), 0);
  EXPECT_EQ(elDraw::LoadObject(nullptr, 2), 0);
}

TEST_F(DrawSprites, ColorMatchAnswersTheRawValueAndFailsOnALostSurface) {
  platform::Surface* s = Sprite[1].Object.get();
  s->SetPixel(0, 0, 0x1234);
  EXPECT_EQ(DDColorMatch(s, 0xFFFFFF), 0xFFFFu);
  EXPECT_EQ(DDColorMatch(s, 0xFFFFFFFF), 0x1234u);
  EXPECT_EQ(s->GetPixel(0, 0), 0x1234u);
  platform::MarkAllSurfacesLost();
  EXPECT_EQ(DDColorMatch(s, 0x000000), 0xFFFFFFFFu);
}

}  // namespace
