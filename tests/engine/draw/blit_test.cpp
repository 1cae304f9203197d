// Composing on the back surface: fills, the layer copies and their clip by
// the virtual screen, stretched copies, the capture and the 50 % wash.
#include "tests/engine/draw_fixture.h"

namespace {

using test_support::DisplayTest;

constexpr uint32_t kWhiteRaw = 0xFFFF;
constexpr uint32_t kRedRaw = 0xF800;
constexpr uint32_t kGreenRaw = 0x07E0;

class DrawBlit : public DisplayTest {
 protected:
  // A 20 x 10 blank sprite whose pixel at (x, y) is x + 32 * y + 1, keyed
  // by white, with a white column at x = 5.
  int Numbered() {
    elDraw::SetSpriteColor(0xFFFFFF);
    const int n = elDraw::CreateObject(20, 10, 2);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 20; ++x)
        Sprite[n].Object->SetPixel(x, y,
                                   x == 5 ? kWhiteRaw : static_cast<uint32_t>(x + 32 * y + 1));
    return n;
  }
  static uint32_t Number(int x, int y) { return static_cast<uint32_t>(x + 32 * y + 1); }
};

TEST_F(DrawBlit, LayerCopiesKeyedAndDirectLayerOpaque) {
  const int n = Numbered();
  elDraw::ColorFill(0, 0, 640, 480, kRedRaw);
  elDraw::Layer(100, 50, n, 0, 0, 20, 10);
  EXPECT_EQ(Back(100, 50), Number(0, 0));
  EXPECT_EQ(Back(105, 52), kRedRaw);  // the key column shows what was there
  EXPECT_EQ(Back(119, 59), Number(19, 9));
  EXPECT_EQ(Back(120, 59), kRedRaw);
  elDraw::DirectLayer(100, 50, n, 0, 0, 20, 10);
  EXPECT_EQ(Back(105, 52), kWhiteRaw);
}

TEST_F(DrawBlit, LayerClipsByTheVirtualScreenInItsOrder) {
  const int n = Numbered();
  elDraw::Clear();
  // Left edge: Px = -10 copies from X1 + 10 to x = 0.
  elDraw::DirectLayer(-10, 0, n, 0, 0, 20, 10);
  EXPECT_EQ(Back(0, 0), Number(10, 0));
  EXPECT_EQ(Back(9, 0), Number(19, 0));
  EXPECT_EQ(Back(10, 0), 0u);

  // Right edge: cut at Vx2.
  elDraw::VirtualScreen(0, 0, 300, 200);
  elDraw::DirectLayer(290, 100, n, 0, 0, 20, 10);
  EXPECT_EQ(Back(299, 100), Number(9, 0));
  EXPECT_EQ(Back(300, 100), 0u);
  // Wholly right of it: X2 < X1, nothing.
  elDraw::DirectLayer(330, 150, n, 0, 0, 20, 10);
  EXPECT_EQ(Back(300, 150), 0u);
  // Top edge within a moved virtual screen.
  elDraw::VirtualScreen(50, 60, 640, 480);
  elDraw::DirectLayer(55, 55, n, 0, 0, 20, 10);
  EXPECT_EQ(Back(55, 60), Number(0, 5));
  EXPECT_EQ(Back(55, 59), 0u);
}

TEST_F(DrawBlit, OversizedOrEmptySourcesDrawNothing) {
  const int n = Numbered();
  elDraw::Clear();
  elDraw::DirectLayer(0, 0, n, 0, 0, 21, 10);  // wider than the sprite: refused
  EXPECT_EQ(Back(0, 0), 0u);
  elDraw::DirectLayer(0, 0, n, 4, 0, 4, 10);  // X2 = X1: passes the clip, copies nothing
  EXPECT_EQ(Back(0, 0), 0u);
  elDraw::DirectLayer(0, 0, 2000, 0, 0, 1, 1);  // no such sprite
  elDraw::DirectLayer(2147483000, 2147483000, n, -2147483000, 0, 2147483000, 10);
  EXPECT_EQ(Back(0, 0), 0u);
}

TEST_F(DrawBlit, SpriteLayersDrawIntoSprites) {
  const int n = Numbered();
  const int target = elDraw::CreateObject(30, 30, 2);
  elDraw::SpriteClear(target);
  elDraw::SpriteLayer(target, 2, 3, n, 0, 0, 20, 10);
  EXPECT_EQ(Sprite[target].Object->GetPixel(2, 3), Number(0, 0));
  EXPECT_EQ(Sprite[target].Object->GetPixel(7, 3), 0u);
  elDraw::DirectSpriteLayer(target, 2, 3, n, 0, 0, 20, 10);
  EXPECT_EQ(Sprite[target].Object->GetPixel(7, 3), kWhiteRaw);
}

TEST_F(DrawBlit, StretchLayerScalesWithTheBlitterAndWithoutIt) {
  const int n = Numbered();
  ASSERT_EQ(elDraw::UseStretch, 1);
  elDraw::Clear();
  elDraw::StretchLayer(10, 10, n, 0, 0, 20, 10, 40, 20);
  EXPECT_EQ(Back(10, 10), Number(0, 0));
  EXPECT_EQ(Back(11, 11), Number(0, 0));
  EXPECT_EQ(Back(49, 29), Number(19, 9));
  EXPECT_EQ(Back(48, 18), Number(19, 4));
  EXPECT_EQ(Back(20, 10), 0u);  // key column stays transparent
  elDraw::DirectStretchLayer(10, 10, n, 0, 0, 20, 10, 40, 20);
  EXPECT_EQ(Back(20, 10), kWhiteRaw);

  // Without a stretching blitter the Buffer sprite's white key applies,
  // whatever the picture's key: a black-keyed picture shows its black.
  elDraw::UseStretch = 0;
  elDraw::SetSpriteColor(0);
  const int black_keyed = elDraw::CreateObject(2, 2, 2);
  elDraw::SpriteClear(black_keyed);
  Sprite[black_keyed].Object->SetPixel(1, 1, kWhiteRaw);
  elDraw::ColorFill(0, 0, 640, 480, kGreenRaw);
  elDraw::StretchLayer(100, 100, black_keyed, 0, 0, 2, 2, 4, 4);
  EXPECT_EQ(Back(100, 100), 0u);
  EXPECT_EQ(Back(103, 103), kGreenRaw);
  EXPECT_EQ(Back(104, 104), kGreenRaw);
  elDraw::DirectStretchLayer(100, 100, black_keyed, 0, 0, 2, 2, 4, 4);
  EXPECT_EQ(Back(103, 103), kWhiteRaw);
}

TEST_F(DrawBlit, SpriteScreenCapturesTheBackSurface) {
  elDraw::ColorFill(10, 20, 30, 40, kGreenRaw);
  elDraw::SpriteScreen(0, 0, 0, 640, 480);
  EXPECT_EQ(Sprite[0].Object->GetPixel(10, 20), kGreenRaw);
  EXPECT_EQ(Sprite[0].Object->GetPixel(9, 20), 0u);
  elDraw::SpriteScreen(1, 10, 20, 12, 22);
  EXPECT_EQ(Sprite[1].Object->GetPixel(0, 0), kGreenRaw);
}

TEST_F(DrawBlit, FillsCoverTheirRectangles) {
  elDraw::Flash();
  EXPECT_EQ(Back(639, 479), kWhiteRaw);
  elDraw::ClearFrame(0, 0, 10, 10);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(Back(i, 0), 0u);
    EXPECT_EQ(Back(i, 9), 0u);
    EXPECT_EQ(Back(0, i), 0u);
    EXPECT_EQ(Back(9, i), 0u);
  }
  EXPECT_EQ(Back(1, 1), kWhiteRaw);
  EXPECT_EQ(Back(8, 8), kWhiteRaw);
  EXPECT_EQ(Back(10, 10), kWhiteRaw);
  elDraw::ClearArea(5, 5, 7, 7);
  EXPECT_EQ(Back(6, 6), 0u);
  EXPECT_EQ(Back(7, 7), kWhiteRaw);
  elDraw::FlashArea(5, 5, 7, 7);
  EXPECT_EQ(Back(6, 6), kWhiteRaw);
  elDraw::ColorFill(-1, 0, 5, 5, kRedRaw);  // reaches outside: refused
  EXPECT_EQ(Back(0, 1), 0u);
  elDraw::Clear();
  EXPECT_EQ(Back(6, 6), 0u);
}

TEST_F(DrawBlit, ColorBlendWashesHalfwayWithinTheVirtualScreen) {
  elDraw::ColorFill(0, 0, 640, 480, kWhiteRaw);
  EXPECT_EQ(elDraw::ColorBlend(0, 0, 10, 10, 0), 1);
  EXPECT_EQ(Back(0, 0), 0x7BEFu);  // halved, each channel losing its lowest bit
  EXPECT_EQ(Back(10, 0), kWhiteRaw);
  elDraw::ColorFill(0, 0, 640, 480, 0);
  EXPECT_EQ(elDraw::ColorBlend(0, 0, 10, 10, static_cast<uint16_t>(elDraw::WhiteRGB)), 1);
  EXPECT_EQ(Back(5, 5), 0x7BEFu);
  elDraw::VirtualScreen(2, 2, 4, 4);
  EXPECT_EQ(elDraw::ColorBlend(0, 0, 10, 10, 0), 1);
  EXPECT_EQ(Back(2, 2), 0x39E7u);
  EXPECT_EQ(Back(4, 4), 0x7BEFu);
  EXPECT_EQ(elDraw::ColorBlend(8, 8, 9, 9, 0), 1);  // clipped away
  platform::MarkAllSurfacesLost();
  EXPECT_EQ(elDraw::ColorBlend(2, 2, 4, 4, 0), 0);
}

TEST_F(DrawBlit, EveryCopyThatMeetsALostSurfaceReloads) {
  WriteBmp("g.bmp", Plain(4, 4, 0x00FF00, 0x00FF00));
  const int n = elDraw::LoadObject("g.bmp", 2);
  const struct {
    const char* name;
    void (*copy)(int sprite);
  } copies[] = {
      {"Layer", [](int s) { elDraw::Layer(0, 0, s, 0, 0, 4, 4); }},
      {"DirectLayer", [](int s) { elDraw::DirectLayer(0, 0, s, 0, 0, 4, 4); }},
      {"SpriteLayer", [](int s) { elDraw::SpriteLayer(1, 0, 0, s, 0, 0, 4, 4); }},
      {"DirectSpriteLayer", [](int s) { elDraw::DirectSpriteLayer(1, 0, 0, s, 0, 0, 4, 4); }},
      {"StretchLayer", [](int s) { elDraw::StretchLayer(0, 0, s, 0, 0, 4, 4, 8, 8); }},
      {"DirectStretchLayer", [](int s) { elDraw::DirectStretchLayer(0, 0, s, 0, 0, 4, 4, 8, 8); }},
      {"SpriteScreen", [](int s) { elDraw::SpriteScreen(s, 0, 0, 4, 4); }},
      {"Refresh", [](int) { elDraw::Refresh(); }},
  };
  // A reloaded sprite is a new surface, which may sit where the old one was.
  for (const auto& c : copies) {
    const uint64_t before = Sprite[n].Object->Identity();
    platform::MarkAllSurfacesLost();
    c.copy(n);
    EXPECT_NE(Sprite[n].Object->Identity(), before) << c.name;
    EXPECT_FALSE(DDBack->IsLost()) << c.name;
    EXPECT_FALSE(Sprite[1].Object->IsLost()) << c.name;
  }
  // The fills ignore their results: no reload.
  const uint64_t before = Sprite[n].Object->Identity();
  platform::MarkAllSurfacesLost();
  elDraw::Clear();
  EXPECT_EQ(Sprite[n].Object->Identity(), before);
  EXPECT_TRUE(DDBack->IsLost());
}

}  // namespace
