// Image packs: building them from folders of BMP files, loading and swapping
// pictures from them, the reload after a surface loss, broken packs and the
// failure reports.
#include <string>
#include <vector>

#include "engine/draw/internal/image_pack_reader.h"
#include "platform/byte_order.h"
#include "tests/engine/draw_fixture.h"

namespace {

using test_support::BmpSpec;
using test_support::DisplayTest;
using test_support::Sjis;

std::string U16(uint32_t v) {
  std::string out;
  platform::AppendLe16(out, v);
  return out;
}

// One entry as the converter lays it out.
std::string Entry(int width, int height, const std::string& name,
                  const std::vector<uint16_t>& pixels) {
  std::string out = U16(width) + U16(height) + name + '\0';
  for (uint16_t p : pixels) out += U16(p);
  return out;
}

TEST(DrawPackPixels, SourceColoursBecomeFifteenBitsWithBlackReserved) {
  const struct {
    uint32_t color_ref;
    uint16_t stored;
  } cases[] = {{0x000000, 0},      {0x040404, 0x0001}, {0xFFFFFF, 0x7FFF},
               {0x0000FF, 0x7C00}, {0x00FF00, 0x03E0}, {0x100800, 0x0020 | 0x0002}};
  for (const auto& c : cases) EXPECT_EQ(el::draw::PackPixel(c.color_ref), c.stored);
}

class DrawPack : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    fake->desktop_bpp = 32;
  }
  // Writes a pack file and makes it the current pack.
  void UsePack(const std::string& bytes) {
    folder.Write("img.pak", bytes);
    elDraw::SetPack("img.pak");
  }
  static uint32_t SpritePixel(int sprite, int x, int y) {
    return Sprite[sprite].Object->GetPixel(x, y);
  }
};

TEST_F(DrawPack, ConvertWritesTheLayoutAndLoadPackBringsThePicturesBack) {
  BmpSpec title = Plain(2, 2, 0xFFFFFF, 0x000000);
  title.pixel = [](int x, int y) { return y == 0 ? (x == 0 ? 0x000000u : 0x040404u) : 0x08FF10u; };
  WriteBmp("pics/title.bmp", title);
  WriteBmp("pics/back.BMP", Plain(1, 1, 0xFF0000, 0xFF0000));
  folder.Write("pics/notes.txt", "not a picture");
  ASSERT_EQ(elDraw::Convert("img.pak", "pics", 1), 1);
  // RGB 08,FF,10 -> red 1, green 31, blue 2.
  const std::string expected = Entry(1, 1, "BACK.BMP", {0x7C00}) +
                               Entry(2, 2, "TITLE.BMP", {0x0000, 0x0001, 0x07E2, 0x07E2});
  EXPECT_EQ(folder.Read("img.pak"), expected);

  elDraw::SetPack("img.pak");
  EXPECT_EQ(std::string(elDraw::PackFileName), std::string(elSystem::Directory(0)) + "img.pak");
  const int sprite = elDraw::LoadPack("title.bmp", 2);
  ASSERT_EQ(sprite, 4);
  EXPECT_STREQ(Sprite[sprite].FileName, "TITLE.BMP");
  EXPECT_EQ(Sprite[sprite].PackData, 1);
  EXPECT_EQ(Sprite[sprite].SizeX, 2);
  EXPECT_EQ(Sprite[sprite].SizeY, 2);
  // 5-6-5: a stored green g becomes 2g, the channels land on their top bits.
  EXPECT_EQ(SpritePixel(sprite, 0, 0), 0u);
  EXPECT_EQ(SpritePixel(sprite, 1, 0), 0x0001u);
  EXPECT_EQ(SpritePixel(sprite, 0, 1), (1u << 11) | (62u << 5) | 2u);
  EXPECT_EQ(Sprite[sprite].Object->ColorKey(), 0u);  // black, the sprite colour
  EXPECT_TRUE(fake->boxes.empty());

  // Without Delete the entries are appended again; lookups find the first.
  ASSERT_EQ(elDraw::Convert("img.pak", "pics", 0), 1);
  EXPECT_EQ(folder.Read("img.pak"), expected + expected);
  EXPECT_EQ(elDraw::LoadPack("BACK.BMP", 2), 5);
}

TEST_F(DrawPack, SwapPackRefillsTheSameSpriteAndReloadBringsPackSpritesBack) {
  UsePack(Entry(1, 1, "A.BMP", {0x7C00}) + Entry(2, 1, "B.BMP", {0x001F, 0x03E0}));
  const int sprite = elDraw::LoadPack("a.bmp", 2);
  ASSERT_EQ(sprite, 4);
  EXPECT_EQ(elDraw::SwapPack("b.bmp", sprite, 2), sprite);
  EXPECT_STREQ(Sprite[sprite].FileName, "B.BMP");
  EXPECT_EQ(Sprite[sprite].SizeX, 2);
  EXPECT_EQ(SpritePixel(sprite, 1, 0), 62u << 5);

  Sprite[sprite].Object->SetPixel(0, 0, 0x1234);
  platform::MarkAllSurfacesLost();
  elDraw::ReloadObject();
  EXPECT_EQ(SpritePixel(sprite, 0, 0), 0x001Fu);
  EXPECT_EQ(Sprite[sprite].PackData, 1);
  EXPECT_TRUE(fake->boxes.empty());
}

TEST_F(DrawPack, BrokenEntriesLoadWhatTheFileHoldsOrAreRefused) {
  // The file ends inside the pixels: missing ones repeat the last one read.
  UsePack(Entry(8, 1, "PAD.BMP", std::vector<uint16_t>(8, 0)) +
          Entry(3, 1, "CUT.BMP", {0x001F}).substr(0, 4 + 8 + 2));
  const int cut = elDraw::LoadPack("cut.bmp", 2);
  ASSERT_NE(cut, 0);
  for (int x = 0; x < 3; ++x) EXPECT_EQ(SpritePixel(cut, x, 0), 0x001Fu) << x;

  // Sizes claiming more pixels than the whole file holds, and a name that
  // never ends, are refused without making a sprite.
  const std::string lies[] = {
      U16(65535) + U16(65535) + "A.BMP" + '\0' + U16(1),
      U16(1) + U16(1) + std::string(300, 'A'),
  };
  for (const std::string& pack : lies) {
    fake->boxes.clear();
    UsePack(pack);
    EXPECT_EQ(elDraw::LoadPack("A.BMP", 2), 0);
    ASSERT_EQ(fake->boxes.size(), 1u);
    EXPECT_EQ(fake->boxes[0].text, Sjis("Draw::LoadPack : BMPファイルを読み込めません"));
    EXPECT_EQ(Sprite[cut + 1].FileName[0], '\0');
  }
}

TEST_F(DrawPack, FailuresAreReportedAsTheTableSays) {
  const std::string pack = Entry(1, 1, "TITLE.BMP", {1});
  const struct {
    const char* pack;  // null: no pack file
    const char* name;
    const char* message;
  } cases[] = {
      {nullptr, "title.bmp", "パックファイル名が指定されていません"},
      {"", "title.bmp", "BMPファイルを読み込めません"},
      {"entry", "other.bmp", "BMPファイルを読み込めません"},
      {"entry", "lyout\\title.bmp", "BMPファイルを読み込めません"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(folder.Path() / "img.pak");
    if (c.pack != nullptr) UsePack(std::string(c.pack) == "entry" ? pack : "");
    elDraw::SetPack("img.pak");
    fake->boxes.clear();
    EXPECT_EQ(elDraw::LoadPack(c.name, 2), 0);
    EXPECT_EQ(elDraw::SwapPack(c.name, 0, 2), 0);
    ASSERT_EQ(fake->boxes.size(), 2u);
    EXPECT_EQ(fake->boxes[0].text, Sjis("Draw::LoadPack : ") + Sjis(c.message));
    EXPECT_EQ(fake->boxes[1].text, Sjis("Draw::SwapPack : ") + Sjis(c.message));
    EXPECT_TRUE(Sprite[0].Object);  // a failed swap leaves the sprite alone
  }

  fake->boxes.clear();
  fake->desktop_bpp = 16;
  WriteBmp("a.bmp", Plain(1, 1, 0xFFFFFF, 0xFFFFFF));
  EXPECT_EQ(elDraw::Convert("new.pak", "", 1), 0);
  ASSERT_EQ(fake->boxes.size(), 1u);
  EXPECT_EQ(fake->boxes[0].text, Sjis("Draw::Convert : 画面をフルカラーにして下さい"));
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "new.pak"));
  fake->desktop_bpp = 32;
  EXPECT_EQ(elDraw::Convert("new.pak", "", 1), 1);  // the program folder itself
  EXPECT_EQ(folder.Read("new.pak"), Entry(1, 1, "A.BMP", {0x7FFF}));
}

}  // namespace
