// A test screen: pictures of every BMP kind loaded from files and drawn
// opaque, keyed and stretched, with a box, lines and a curve, presented
// once. With AOAT_DISPLAY_SHOT=FILE.png the presented frame is written out.
#include <cstdlib>
#include <cstring>

#include "platform/png_writer.h"
#include "tests/engine/draw_fixture.h"

namespace {

using test_support::BmpSpec;
using test_support::DisplayTest;

// A 120 x 90 picture: a colour gradient with a white (key) disc.
uint32_t Gradient(int x, int y) {
  const int dx = x - 60, dy = y - 45;
  if (dx * dx + dy * dy < 20 * 20) return 0xFFFFFF;
  return (static_cast<uint32_t>(x * 2) << 16) | (static_cast<uint32_t>(y * 2) << 8) |
         static_cast<uint32_t>(255 - x);
}

std::vector<uint32_t> GreyRamp(int entries) {
  std::vector<uint32_t> palette;
  for (int i = 0; i < entries; ++i) {
    const uint32_t v = static_cast<uint32_t>(i * 255 / (entries - 1));
    palette.push_back((v << 16) | (v << 8) | v);
  }
  return palette;
}

struct Kind {
  const char* file;
  BmpSpec spec;
};

std::vector<Kind> Kinds() {
  std::vector<Kind> kinds;
  BmpSpec s;
  s.width = 120, s.height = 90;
  s.bpp = 24, s.pixel = Gradient;
  kinds.push_back({"rgb24.bmp", s});
  s.height = -90, s.give_image_size = true;
  kinds.push_back({"topdown24.bmp", s});
  s.height = 90, s.give_image_size = false, s.bpp = 32, s.header_size = 124;
  kinds.push_back({"rgb32v5.bmp", s});
  s.header_size = 40, s.bpp = 16, s.compression = 3;
  s.masks[0] = 0xF800, s.masks[1] = 0x07E0, s.masks[2] = 0x001F;
  s.pixel = [](int x, int y) {
    const uint32_t c = Gradient(x, y);
    return ((c >> 8) & 0xF800) | ((c >> 5) & 0x07E0) | ((c & 0xFF) >> 3);
  };
  kinds.push_back({"fields565.bmp", s});
  s.compression = 0, s.bpp = 8, s.palette = GreyRamp(256);
  s.pixel = [](int x, int y) { return Gradient(x, y) == 0xFFFFFF ? 255u : (x + y) % 255u; };
  kinds.push_back({"grey8.bmp", s});
  s.bpp = 4, s.palette = GreyRamp(16);
  s.pixel = [](int x, int y) { return Gradient(x, y) == 0xFFFFFF ? 15u : (x / 8) % 15u; };
  kinds.push_back({"grey4.bmp", s});
  s.bpp = 1, s.palette = {0x000080, 0xFFFFFF};
  s.pixel = [](int x, int y) { return static_cast<uint32_t>(((x / 6) + (y / 6)) % 2); };
  kinds.push_back({"checker1.bmp", s});
  return kinds;
}

class DrawShow : public DisplayTest {};

TEST_F(DrawShow, TestScreenOfEveryBitmapKind) {
  elDraw::SetSpriteColor(0xFFFFFF);
  std::vector<int> sprites;
  for (const Kind& kind : Kinds()) {
    WriteBmp(kind.file, kind.spec);
    sprites.push_back(elDraw::LoadObject(kind.file, 2));
    ASSERT_NE(sprites.back(), 0) << kind.file;
  }
  elDraw::ColorFill(0, 0, 640, 480, 0x2104);
  for (size_t i = 0; i < sprites.size(); ++i) {
    const int x = 10 + 155 * static_cast<int>(i % 4);
    const int y = i < 4 ? 10 : 115;
    elDraw::DirectLayer(x, y, sprites[i], 0, 0, 60, 90);   // left half opaque
    elDraw::Layer(x + 60, y, sprites[i], 60, 0, 120, 90);  // right half keyed
  }
  elDraw::StretchLayer(330, 230, sprites[0], 0, 0, 120, 90, 300, 225);
  elDraw::DirectStretchLayer(10, 230, sprites[4], 0, 0, 120, 90, 180, 135);
  elDraw::Box(200, 240, 320, 330, 0x804020, 0xFFFFFF, 2);
  elDraw::Line(10, 400, 310, 470, 0x00FFFF, 1);
  elDraw::Line(10, 470, 310, 380, 0xFF00FF, 3);
  const POINT curve[] = {{200, 350}, {240, 300}, {280, 460}, {320, 380}};
  elDraw::Bezier(curve, 4, 0x00FF00, 2);
  elDraw::Refresh();

  ASSERT_EQ(fake->present_count, 1);
  ASSERT_EQ(fake->last_frame.size(), 640u * 480u * 2u);
  auto presented = [&](int x, int y) {
    uint16_t v;
    std::memcpy(&v, &fake->last_frame[(static_cast<size_t>(y) * 640 + x) * 2], 2);
    return v;
  };
  // Every kind shows its disc opaque (white) on the left and keyed (the
  // background) on the right.
  for (size_t i = 0; i < sprites.size() - 1; ++i) {
    const int x = 10 + 155 * static_cast<int>(i % 4), y = i < 4 ? 10 : 115;
    EXPECT_EQ(presented(x + 55, y + 45), 0xFFFF) << Kinds()[i].file;
    EXPECT_EQ(presented(x + 65, y + 45), 0x2104) << Kinds()[i].file;
  }
  // The 24-bit kinds agree pixel for pixel, whatever their row order.
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 120; ++x)
      ASSERT_EQ(Sprite[sprites[0]].Object->GetPixel(x, y),
                Sprite[sprites[1]].Object->GetPixel(x, y));
  EXPECT_EQ(presented(200, 240), 0xFFFF);  // the box's outline

  if (const char* out = std::getenv("AOAT_DISPLAY_SHOT")) {
    platform::Surface frame(640, 480, platform::PixelFormat::Rgb565());
    for (int y = 0; y < 480; ++y)
      std::memcpy(frame.Row(y), &fake->last_frame[static_cast<size_t>(y) * 1280], 1280);
    std::string error;
    EXPECT_TRUE(platform::WriteSurfacePng(out, frame, &error)) << error;
  }
}

}  // namespace
