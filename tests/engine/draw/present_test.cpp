// The end of a frame: presentation, the fade mask, the help overlay, the
// frame-rate measurement and the saved bitmap.
#include <cstring>

#include "platform/byte_order.h"
#include "platform/dib.h"
#include "tests/engine/draw_fixture.h"

namespace {

using test_support::BmpSpec;
using test_support::DisplayTest;

class DrawPresent : public DisplayTest {
 protected:
  // A 640 x 48 mask strip whose frame k (0..9) is black (the key) except
  // one pixel at (k, 0) of the frame, of colour k + 1.
  void LoadMaskStrip() {
    BmpSpec spec;
    spec.width = 640, spec.height = 48, spec.bpp = 16, spec.compression = 3;
    spec.masks[0] = 0xF800, spec.masks[1] = 0x07E0, spec.masks[2] = 0x001F;
    spec.pixel = [](int x, int y) {
      const int frame = x / 64;
      return (y == 0 && x % 64 == frame) ? static_cast<uint32_t>(frame + 1) : 0u;
    };
    WriteBmp("mask.bmp", spec);
    elDraw::LoadMask("mask.bmp");
    ASSERT_NE(elDraw::MaskBMP, 0);
  }
  // Which mask frame the last Refresh drew (0 for none), read at tile (3, 2).
  static int DrawnFrame() {
    for (int k = 0; k < 10; ++k)
      if (Back(64 * 3 + k, 48 * 2) == static_cast<uint32_t>(k + 1)) return k + 1;
    return 0;
  }
};

TEST_F(DrawPresent, RefreshHandsTheBackSurfaceToTheBackend) {
  elDraw::ColorFill(0, 0, 640, 480, 0x1234);
  elDraw::Refresh();
  EXPECT_EQ(fake->present_count, 1);
  EXPECT_EQ(fake->last_source, (platform::Rect{0, 0, 640, 480}));
  ASSERT_EQ(fake->last_frame.size(), 640u * 480u * 2u);
  uint16_t first;
  std::memcpy(&first, fake->last_frame.data(), 2);
  EXPECT_EQ(first, 0x1234);
}

TEST_F(DrawPresent, AFailedVerticalBlankWaitSkipsTheFrameUnlessTheModeSaysNotToWait) {
  fake->vblank_ok = false;
  elDraw::Refresh();
  EXPECT_EQ(fake->present_count, 0);
  elDraw::SetRefreshMode(0);
  elDraw::Refresh();
  EXPECT_EQ(fake->present_count, 1);
}

TEST_F(DrawPresent, ALostSurfaceIsReloadedInsteadOfPresented) {
  platform::MarkAllSurfacesLost();
  elDraw::Refresh();
  EXPECT_EQ(fake->present_count, 0);
  EXPECT_FALSE(DDBack->IsLost());
  elDraw::Refresh();
  EXPECT_EQ(fake->present_count, 1);
}

TEST_F(DrawPresent, FadesShowTheMaskFramesInTurnThenStop) {
  LoadMaskStrip();
  EXPECT_EQ(elDraw::SpriteColor, 0u);  // the mask leaves black as the key
  for (const bool out : {true, false}) {
    SCOPED_TRACE(out ? "fade out" : "fade in");
    out ? elDraw::FadeOut() : elDraw::FadeIn();
    for (int call = 1; call <= 11; ++call) {
      elDraw::Clear();
      elDraw::Refresh();
      const int expected = call > 10 ? 0 : out ? call : 11 - call;
      EXPECT_EQ(DrawnFrame(), expected) << "call " << call;
    }
    EXPECT_EQ(elDraw::FadeNo, 0);
    EXPECT_EQ(elDraw::FadeAdd, 0);
  }
}

TEST_F(DrawPresent, HelpTogglesOnlyWithAPageAndScrollsWithinIt) {
  elDraw::Help();
  EXPECT_EQ(elDraw::HelpOn, 0);  // no page yet
  WriteBmp("page.bmp", Plain(640, 1000, 0x00FF00, 0x00FF00));
  WriteBmp("tile.bmp", Plain(64, 48, 0x0000FF, 0x0000FF));
  elDraw::LoadHelp("page.bmp", "tile.bmp", 1000);
  const int page = elDraw::HelpBMP[0];
  EXPECT_NE(page, 0);
  EXPECT_NE(elDraw::HelpBMP[1], 0);
  elDraw::Help();
  EXPECT_EQ(elDraw::HelpOn, 1);

  FrameTime = 0.5f;
  HelpKey = 0x28;  // down: 100 pixels a second
  elDraw::Refresh();
  EXPECT_FLOAT_EQ(elDraw::HelpY, 50.0f);
  EXPECT_FLOAT_EQ(elDraw::HelpBackX, -5.0f);
  EXPECT_EQ(Back(320, 240), 0x07E0u);  // the page over the tiles
  HelpKey = 0x27;                      // right: 300 a second, clamped at the page's end
  for (int i = 0; i < 10; ++i) elDraw::Refresh();
  EXPECT_FLOAT_EQ(elDraw::HelpY, 1000.0f - 480.0f);
  HelpKey = 0x25;
  for (int i = 0; i < 10; ++i) elDraw::Refresh();
  EXPECT_FLOAT_EQ(elDraw::HelpY, 0.0f);

  // Loading again replaces the pictures in place.
  elDraw::LoadHelp("page.bmp", "tile.bmp", 300);
  EXPECT_EQ(elDraw::HelpBMP[0], page);
  // A page shorter than the view ends below zero: the clamp to the page's
  // end comes after the clamp to 0.
  elDraw::Refresh();
  EXPECT_FLOAT_EQ(elDraw::HelpY, 300.0f - 480.0f);
  elDraw::Help();
  EXPECT_EQ(elDraw::HelpOn, 0);
}

TEST_F(DrawPresent, ShowFpsMeasuresOverTwoSecondWindows) {
  fake->now_ms = 5000;
  elDraw::FpsTime = 0;
  elDraw::FpsCnt = 0;
  elDraw::FpsDataMax = 0;
  elDraw::FpsDataMin = 999.9f;
  elDraw::ShowFPS();  // the first window starts expired
  EXPECT_FLOAT_EQ(elDraw::FpsData, 0.0f);
  EXPECT_FLOAT_EQ(elDraw::FpsDataMin, 999.9f);
  for (int frame = 1; frame < 120; ++frame) {
    fake->now_ms += 16;
    elDraw::ShowFPS();
  }
  fake->now_ms = 7000;
  elDraw::ShowFPS();
  EXPECT_FLOAT_EQ(elDraw::FpsData, 60.0f);
  EXPECT_FLOAT_EQ(elDraw::FpsDataMax, 60.0f);
  EXPECT_FLOAT_EQ(elDraw::FpsDataMin, 60.0f);
  EXPECT_EQ(elDraw::FpsTime, 9000u);
  EXPECT_EQ(elDraw::FpsCnt, 1);
}

class DrawSaveBitmap : public DisplayTest {};

TEST_F(DrawSaveBitmap, WritesTheTwentyFourBitLayoutBottomUp) {
  ASSERT_TRUE(el::draw::ReadPixelFormat(DDBack->Format()));
  elDraw::ColorFill(0, 0, 640, 480, 0xF800);  // red everywhere
  elDraw::ColorFill(0, 0, 1, 1, 0x07E0);      // green top-left
  elDraw::ColorFill(637, 1, 638, 2, 0x001F);  // blue at the end of row 1
  EXPECT_EQ(elDraw::SaveBitmap("shot.bmp", 638, 2), 1);
  const std::string file = folder.Read("shot.bmp");
  const uint32_t stride = 1916;
  ASSERT_EQ(file.size(), 58u + stride * 2);
  auto u32 = [&](size_t at) {
    return platform::LoadLe32(reinterpret_cast<const uint8_t*>(file.data()) + at);
  };
  EXPECT_EQ(file.substr(0, 2), "BM");
  // Header words from offset 2 on, four bytes apart.
  const uint32_t header[] = {58u + stride * 2, 0,    58,   40, 638, 2, 1u | (24u << 16), 0,
                             stride * 2,       2834, 2834, 0,  0,   0};
  for (size_t i = 0; i < std::size(header); ++i) EXPECT_EQ(u32(2 + 4 * i), header[i]) << i;
  // The first stored row is the bottom one (row 1): blue at its end, then
  // two zero bytes of padding.
  EXPECT_EQ(file.substr(58 + 637 * 3, 5), std::string("\xF8\x00\x00\x00\x00", 5));
  EXPECT_EQ(file.substr(58, 3), std::string("\x00\x00\xF8", 3));
  // The second stored row is row 0: green first.
  EXPECT_EQ(file.substr(58 + stride, 3), std::string("\x00\xF8\x00", 3));
}

TEST_F(DrawSaveBitmap, ReadsBackThroughThePlayersOwnBitmapReader) {
  ASSERT_TRUE(el::draw::ReadPixelFormat(DDBack->Format()));
  elDraw::ColorFill(0, 0, 640, 480, 0x001F);           // blue everywhere
  elDraw::ColorFill(2, 1, 3, 2, 0xFFE0);               // yellow at (2, 1)
  ASSERT_EQ(elDraw::SaveBitmap("read.bmp", 5, 3), 1);  // odd width: padded rows
  const auto dib = platform::ReadBmpFile((folder.Path() / "read.bmp").string());
  ASSERT_NE(dib, nullptr);
  ASSERT_EQ(dib->Width(), 5);
  ASSERT_EQ(dib->Height(), 3);
  EXPECT_EQ(dib->BitsPerPixel(), 24);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(dib->ColorRefAt(x, y), x == 2 && y == 1 ? 0x00F8F8u : 0xF80000u) << x << ", " << y;
}

TEST_F(DrawSaveBitmap, WritesNothingInOtherDepthsAndFailsOnlyWithoutALock) {
  fake->desktop_bpp = 24;
  EXPECT_EQ(elDraw::SaveBitmap("none.bmp", 10, 10), 1);
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "none.bmp"));
  fake->desktop_bpp = 16;
  EXPECT_EQ(elDraw::SaveBitmap("wide.bmp", 700, 1), 1);  // beyond the surface: black
  const std::string wide = folder.Read("wide.bmp");
  ASSERT_EQ(wide.size(), 58u + 2100u);
  EXPECT_EQ(wide.substr(58 + 699 * 3, 3), std::string(3, '\0'));
  platform::MarkAllSurfacesLost();
  EXPECT_EQ(elDraw::SaveBitmap("lost.bmp", 10, 10), 0);
}

}  // namespace
