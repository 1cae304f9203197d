// Software layer effects on a 5-6-5 display: each per-pixel rule on small
// sprites of known pixels, the skipped black pixels, and the common clip.
#include <functional>
#include <vector>

#include "tests/engine/draw_layer_fixture.h"

namespace {

using test_support::kBlue;
using test_support::kWhite;
using test_support::N;
using test_support::P5;
using test_support::Rows;

// A pixel from full channels.
constexpr uint16_t Full(int r, int g, int b) {
  return static_cast<uint16_t>(r << 11 | g << 5 | b);
}
constexpr uint16_t kRed = 0xF800;

using DrawLayerEffects = test_support::LayerEffectTest;

using Call = std::function<int(int sprite)>;

// One source pixel over one background pixel; the sprite's second pixel is
// black and must leave the background alone.
TEST_F(DrawLayerEffects, PixelRulesGiveTheirWorkedValues) {
  struct Case {
    const char* name;
    uint16_t source, dest, expected;
    Call call;
  };
  const auto at = [](auto f) { return Call(f); };
  const Case cases[] = {
      {"50 %", kRed, kBlue, 0x780F,
       at([](int n) { return elDraw::BlendLayer(10, 10, n, 0, 0, 2, 1); })},
      {"float 0.25", kRed, kBlue, Full(7, 0, 23),
       at([](int n) { return elDraw::BlendLayer(10, 10, n, 0, 0, 2, 1, 0.25f); })},
      {"float per channel", kWhite, Full(10, 20, 10), Full(31, 20, 20),
       at([](int n) { return elDraw::BlendLayer(10, 10, n, 0, 0, 2, 1, 1.0f, 0.0f, 0.5f); })},
      {"float out of range is held", kWhite, kBlue, kWhite,
       at([](int n) { return elDraw::BlendLayer(10, 10, n, 0, 0, 2, 1, 3.0f); })},
      {"int 31 copies (5-bit)", P5(3, 1, 2), kBlue, P5(3, 1, 2),
       at([](int n) { return elDraw::BlendLayer(10, 10, n, 0, 0, 2, 1, 31); })},
      {"int 0 keeps", kRed, kBlue, kBlue,
       at([](int n) { return elDraw::BlendLayer(10, 10, n, 0, 0, 2, 1, 0); })},
      {"int 16", kRed, kBlue, P5(16, 0, 15),
       at([](int n) { return elDraw::BlendLayer(10, 10, n, 0, 0, 2, 1, 16); })},
      {"int per channel", kWhite, kBlue, P5(31, 0, 31),
       at([](int n) { return elDraw::BlendLayer(10, 10, n, 0, 0, 2, 1, 31, 0, 16); })},
      {"int out of range is held", kRed, kBlue, kRed,
       at([](int n) { return elDraw::BlendLayer(10, 10, n, 0, 0, 2, 1, 99); })},
      {"add", P5(10, 10, 10), P5(25, 5, 0), P5(31, 15, 10),
       at([](int n) { return elDraw::AddBlendLayer(10, 10, n, 0, 0, 2, 1); })},
      {"add white", kWhite, P5(3, 4, 5), P5(31, 31, 31),
       at([](int n) { return elDraw::AddBlendLayer(10, 10, n, 0, 0, 2, 1); })},
      {"add float", P5(20, 10, 31), P5(5, 5, 5), P5(10, 5, 21),
       at([](int n) { return elDraw::AddBlendLayer(10, 10, n, 0, 0, 2, 1, 0.5f); })},
      {"del", P5(10, 31, 31), P5(20, 5, 31), P5(10, 0, 21),
       at([](int n) { return elDraw::DelBlendLayer(10, 10, n, 0, 0, 2, 1); })},
      {"del full red", kRed, kWhite, 0,
       at([](int n) { return elDraw::DelBlendLayer(10, 10, n, 0, 0, 2, 1); })},
      {"plain red and blue", kWhite, kBlue, 0xF81F,
       at([](int n) { return elDraw::PlainLayer(10, 10, n, 0, 0, 2, 1, 1, 0, 7); })},
      {"plain nothing", kWhite, kBlue, 0,
       at([](int n) { return elDraw::PlainLayer(10, 10, n, 0, 0, 2, 1, 0, 0, 0); })},
      {"bright float", kWhite, kBlue, Full(15, 31, 15),
       at([](int n) { return elDraw::BrightLayer(10, 10, n, 0, 0, 2, 1, 0.5f); })},
      {"bright floats", kWhite, kBlue, Full(31, 31, 0),
       at([](int n) { return elDraw::BrightLayer(10, 10, n, 0, 0, 2, 1, 1.0f, 0.5f, 0.0f); })},
      {"bright float above 1 is held", kWhite, kBlue, kWhite,
       at([](int n) { return elDraw::BrightLayer(10, 10, n, 0, 0, 2, 1, 2.0f); })},
      {"bright 31", P5(5, 2, 7), kBlue, P5(5, 2, 7),
       at([](int n) { return elDraw::BrightLayer(10, 10, n, 0, 0, 2, 1, 31); })},
      {"bright 0", kWhite, kBlue, 0,
       at([](int n) { return elDraw::BrightLayer(10, 10, n, 0, 0, 2, 1, 0); })},
      {"bright 20", P5(31, 20, 5), kBlue, P5(20, 9, 0),
       at([](int n) { return elDraw::BrightLayer(10, 10, n, 0, 0, 2, 1, 20); })},
      {"bright ints", P5(31, 20, 5), kBlue, P5(31, 0, 0),
       at([](int n) { return elDraw::BrightLayer(10, 10, n, 0, 0, 2, 1, 31, 0, 5); })},
      {"grey white", kWhite, kBlue, P5(31, 31, 31),
       at([](int n) { return elDraw::GrayLayer(10, 10, n, 0, 0, 2, 1); })},
      {"grey", P5(3, 4, 5), kBlue, P5(4, 4, 4),
       at([](int n) { return elDraw::GrayLayer(10, 10, n, 0, 0, 2, 1); })},
  };
  for (const Case& c : cases) {
    Fill(c.dest);
    const int n = Make({{c.source, 0}});
    EXPECT_EQ(c.call(n), 1) << c.name;
    EXPECT_EQ(Back(10, 10), c.expected) << c.name;
    EXPECT_EQ(Back(11, 10), c.dest) << c.name << ": black is skipped";
    EXPECT_EQ(Back(9, 10), c.dest) << c.name;
    elDraw::FreeObject(n);
  }
}

// The graded blends: level (or weight) loses one 32nd every Size steps past
// the low 16 bits of Start, by columns (Mode 0) or by rows.
TEST_F(DrawLayerEffects, GradientsFadeTowardsTheSourcePastStart) {
  const int n = Make(Rows(2, std::vector<uint16_t>(5, kRed)));
  const uint16_t ints[] = {kBlue, kBlue, P5(1, 0, 30), P5(2, 0, 29), P5(3, 0, 28)};
  Fill(kBlue);
  EXPECT_EQ(elDraw::BlendLayer(10, 10, n, 0, 0, 5, 2, 0, 0, 0, 0, 0x10001, 1), 1);
  for (int x = 0; x < 5; ++x) {
    EXPECT_EQ(Back(10 + x, 10), ints[x]) << x;
    EXPECT_EQ(Back(10 + x, 11), ints[x]) << "each row starts again";
  }
  Fill(kBlue);
  elDraw::BlendLayer(10, 10, n, 0, 0, 5, 2, 0, 0, 0, 1, 0, 2);  // rows, a step every 2
  EXPECT_EQ(Back(14, 10), kBlue);
  EXPECT_EQ(Back(14, 11), kBlue);  // (1 - 0) / 2 = 0 steps
  Fill(kBlue);
  elDraw::BlendLayer(10, 10, n, 0, 0, 5, 2, 0.0f, 0.0f, 0.0f, 0, 1, 1);
  EXPECT_EQ(Back(11, 10), kBlue);
  EXPECT_EQ(Back(13, 10), Full(1, 0, 29));  // 31 * 2/32 and 31 * 30/32, truncated
  Fill(kBlue);
  elDraw::BlendLayer(10, 10, n, 0, 0, 5, 2, 0, 0, 0, 0, 0, 0);  // size 0 counts as 1
  EXPECT_EQ(Back(14, 10), P5(4, 0, 27));
}

TEST_F(DrawLayerEffects, ShadeAveragesAWindowShiftedIntoTheArea) {
  const int n = Make({{P5(4, 0, 0), P5(8, 0, 0), P5(12, 0, 0)}, {0, P5(16, 0, 0), P5(20, 0, 0)}});
  struct Case {
    int shade;
    uint16_t row0[3], row1[3];
  };
  const Case cases[] = {
      {1, {P5(4, 0, 0), P5(8, 0, 0), P5(12, 0, 0)}, {kBlue, P5(16, 0, 0), P5(20, 0, 0)}},
      {2, {P5(7, 0, 0), P5(14, 0, 0), P5(14, 0, 0)}, {kBlue, P5(14, 0, 0), P5(14, 0, 0)}},
      {3, {P5(6, 0, 0), P5(6, 0, 0), P5(6, 0, 0)}, {kBlue, P5(6, 0, 0), P5(6, 0, 0)}},
      {0, {kBlue, kBlue, kBlue}, {kBlue, kBlue, kBlue}},
  };
  for (const Case& c : cases) {
    Fill(kBlue);
    EXPECT_EQ(elDraw::ShadeLayer(10, 10, n, 0, 0, 3, 2, c.shade), 1);
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(Back(10 + x, 10), c.row0[x]) << c.shade << " " << x;
      EXPECT_EQ(Back(10 + x, 11), c.row1[x]) << c.shade << " " << x;
    }
  }
}

TEST_F(DrawLayerEffects, EdgeBlendMixesInTheBackgroundOfTransparentNeighbours) {
  const uint16_t c = P5(10, 10, 10);
  const int n = Make({{0, 0, 0}, {0, c, c}, {0, c, 0}});
  Fill(P5(20, 4, 1));
  EXPECT_EQ(elDraw::EdgeBlendLayer(10, 10, n, 0, 0, 3, 3), 1);
  EXPECT_EQ(Back(11, 11), P5(16, 6, 4));  // itself and left, up: (10 + 40) / 3 ...
  EXPECT_EQ(Back(12, 11), P5(16, 6, 4));  // up and down; right is outside the area
  EXPECT_EQ(Back(11, 12), P5(16, 6, 4));  // left and right; down is outside
  EXPECT_EQ(Back(10, 10), P5(20, 4, 1));
  const int solid = Make({{c, c}});
  elDraw::EdgeBlendLayer(20, 20, solid, 0, 0, 2, 1);
  EXPECT_EQ(Back(20, 20), c);  // no transparent neighbour: a plain copy
}

TEST_F(DrawLayerEffects, MirrorFlipsAndTakesClipOffsetsFromTheMirroredSide) {
  const int n = Numbered(3, 2);
  for (int mirror = 0; mirror < 4; ++mirror) {
    Fill(kBlue);
    EXPECT_EQ(elDraw::MirrorLayer(10, 10, n, 0, 0, 3, 2, mirror), 1);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x)
        EXPECT_EQ(Back(10 + x, 10 + y), N(mirror & 1 ? 2 - x : x, mirror & 2 ? 1 - y : y))
            << mirror << " " << x << "," << y;
  }
  Fill(kBlue);
  elDraw::MirrorLayer(-1, -1, n, 0, 0, 3, 2, 3);  // the left column and top row are cut
  EXPECT_EQ(Back(0, 0), N(1, 0));
  EXPECT_EQ(Back(1, 0), N(0, 0));
  EXPECT_EQ(Back(2, 0), kBlue);
  EXPECT_EQ(Back(0, 1), kBlue);
}

TEST_F(DrawLayerEffects, PickSmearsAColumnOrRowAndFillsTheEdge) {
  const int n = Numbered(4, 2);
  struct Case {
    int mode, start;
    std::function<uint16_t(int x, int y)> expected;
  };
  const Case cases[] = {
      {0, 1, [](int x, int y) { return N(x > 1 ? 1 : x, y); }},
      {1, 2, [](int x, int y) { return N(x < 2 ? 2 : x, y); }},
      {2, 0, [](int x, int) { return N(x, 0); }},
      {3, 1, [](int x, int) { return N(x, 1); }},
      {0, 9, [](int x, int y) { return N(x, y); }},  // start kept inside the area
  };
  for (const Case& c : cases) {
    Fill(kBlue);
    EXPECT_EQ(elDraw::PickLayer(10, 10, n, 0, 0, 4, 2, c.mode, c.start), 1);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 4; ++x)
        EXPECT_EQ(Back(10 + x, 10 + y), c.expected(x, y)) << c.mode << " " << x << "," << y;
    EXPECT_EQ(Back(0, 11), c.mode == 1 ? N(2, 1) : kBlue) << c.mode;
    EXPECT_EQ(Back(9, 10), c.mode == 1 ? N(2, 0) : kBlue) << c.mode;
    EXPECT_EQ(Back(12, 0), c.mode == 3 ? N(2, 1) : kBlue) << c.mode;
    EXPECT_EQ(Back(14, 0), kBlue) << c.mode;
  }
}

TEST_F(DrawLayerEffects, ShiftPullsTheBackgroundUpByTheSourcesRed) {
  const int n = Make({{P5(2, 0, 0)}, {P5(5, 0, 0)}, {0}});
  for (const float shift : {1.0f, 0.0f}) {
    for (int y = 0; y < 3; ++y) DDBack->SetPixel(10, 10 + y, N(0, y));
    EXPECT_EQ(elDraw::ShiftLayer(10, 10, n, 0, 0, 1, 3, shift), 1);
    EXPECT_EQ(Back(10, 10), shift == 1.0f ? N(0, 2) : N(0, 0)) << shift;
    EXPECT_EQ(Back(10, 11), N(0, 1)) << "would reach past the area: itself";
  }
}

TEST_F(DrawLayerEffects, RotationsMapBackInFixedPoint) {
  const int n = Numbered(4, 2);
  struct Case {
    const char* name;
    Call call;
    int x, y;
    uint16_t expected;
  };
  const Case cases[] = {
      {"0 copies", [](int s) { return elDraw::RotateLayer(10, 10, 14, 12, s, 0, 0, 4, 2, 0); }, 13,
       11, N(3, 1)},
      {"180", [](int s) { return elDraw::RotateLayer(10, 10, 14, 12, s, 0, 0, 4, 2, 180); }, 11, 11,
       N(3, 1)},
      {"180 off the picture",
       [](int s) { return elDraw::RotateLayer(10, 10, 14, 12, s, 0, 0, 4, 2, 540); }, 10, 11,
       kBlue},
      {"180 tiled",
       [](int s) { return elDraw::TileRotateLayer(10, 10, 14, 12, s, 0, 0, 4, 2, 180); }, 10, 11,
       N(0, 1)},
      {"zoom 2",
       [](int s) { return elDraw::ZoomRotateLayer(10, 10, 18, 14, s, 0, 0, 4, 2, 0, 2.0f); }, 15,
       13, N(2, 1)},
      {"zoom 0",
       [](int s) { return elDraw::ZoomRotateLayer(10, 10, 18, 14, s, 0, 0, 4, 2, 0, 0.0f); }, 10,
       10, kBlue},
      {"tiled zoom",
       [](int s) { return elDraw::TileZoomRotateLayer(10, 10, 26, 14, s, 0, 0, 4, 2, 0, 2.0f); },
       10, 10, N(2, 0)},
      {"virtual screen",
       [](int s) {
         elDraw::VirtualScreen(0, 0, 12, 480);
         return elDraw::RotateLayer(10, 10, 14, 12, s, 0, 0, 4, 2, 0);
       },
       12, 10, kBlue},
  };
  for (const Case& c : cases) {
    Fill(kBlue);
    elDraw::VirtualScreen(0, 0, 640, 480);
    EXPECT_EQ(c.call(n), 1) << c.name;
    EXPECT_EQ(Back(c.x, c.y), c.expected) << c.name;
  }
}

TEST_F(DrawLayerEffects, ClipsByTheVirtualScreenTheSpriteAndTheSurface) {
  const int n = Numbered(4, 2);
  Fill(kBlue);
  elDraw::GrayLayer(0, 0, n, 0, 0, 4, 2);
  const uint16_t grey_of_1 = P5(0, 0, 0);  // (0 + 0 + 1) / 3
  EXPECT_EQ(Back(0, 0), grey_of_1);
  Fill(kBlue);
  elDraw::BlendLayer(-2, 0, n, 0, 0, 4, 2, 31);  // the left edge moves the source's start
  EXPECT_EQ(Back(0, 0), N(2, 0));
  EXPECT_EQ(Back(2, 0), kBlue);
  elDraw::VirtualScreen(0, 0, 12, 480);
  elDraw::BlendLayer(10, 5, n, 0, 0, 4, 2, 31);
  EXPECT_EQ(Back(11, 5), N(1, 0));
  EXPECT_EQ(Back(12, 5), kBlue);
  // A virtual screen larger than the surface and a rectangle larger than the
  // sprite draw only what both have.
  elDraw::VirtualScreen(-50, -50, 1000, 1000);
  EXPECT_EQ(elDraw::BlendLayer(638, 479, n, -1, 0, 40, 9, 31), 1);
  EXPECT_EQ(Back(639, 479), N(0, 0));
  EXPECT_EQ(elDraw::MirrorLayer(-3, -3, n, -5, -5, 40, 40, 3), 1);
  EXPECT_EQ(elDraw::PickLayer(600, 470, n, 0, 0, 90, 90, 3, 50), 1);
}

TEST_F(DrawLayerEffects, EmptyClipReturnsOneAndLockFailuresZero) {
  const int n = Numbered(4, 2);
  platform::MarkAllSurfacesLost();
  EXPECT_EQ(elDraw::GrayLayer(700, 10, n, 0, 0, 4, 2), 1);  // clipped away, nothing locked
  EXPECT_EQ(elDraw::GrayLayer(10, 10, n, 0, 0, 4, 2), 0);
  EXPECT_EQ(elDraw::ShadeLayer(10, 10, n, 0, 0, 4, 2, 2), 0);
  for (int s = 0; s < 4; ++s) Sprite[s].Object->Restore();
  DDBack->Restore();
  EXPECT_EQ(elDraw::GrayLayer(10, 10, n, 0, 0, 4, 2), 0) << "the sprite is still lost";
  Sprite[n].Object->Restore();
  EXPECT_EQ(elDraw::GrayLayer(10, 10, n, 0, 0, 4, 2), 1);
  EXPECT_EQ(elDraw::GrayLayer(10, 10, 900, 0, 0, 4, 2), 0) << "no sprite";
  DDBack->Lock();
  EXPECT_EQ(elDraw::BlendLayer(10, 10, n, 0, 0, 4, 2), 1);
  DDBack->Unlock();
}

// Rectangles inverted across the whole int range draw nothing, and a zoom
// that sends every position but the centre's beyond the picture shows only
// that one (reading nothing outside the picture).
TEST_F(DrawLayerEffects, RotationsOfImpossibleRectanglesOrZoomsDrawNothing) {
  const int n = Numbered(4, 2);
  constexpr int kBig = 2147483647, kSmall = -kBig - 1;
  Fill(kBlue);
  EXPECT_EQ(elDraw::RotateLayer(10, 10, 14, 12, n, kBig, kBig, kSmall, kSmall, 0), 1);
  EXPECT_EQ(elDraw::TileRotateLayer(10, 10, 14, 12, n, kBig, 0, kSmall, 2, 0), 1);
  EXPECT_EQ(elDraw::ZoomRotateLayer(10, 10, 14, 12, n, 0, 0, 4, 2, 0, 1e-30f), 1);
  EXPECT_EQ(elDraw::TileZoomRotateLayer(10, 10, 14, 12, n, 0, 0, 4, 2, 0, 1e-30f), 1);
  for (int y = 10; y < 12; ++y)
    for (int x = 10; x < 14; ++x)
      EXPECT_EQ(Back(x, y), x == 12 && y == 11 ? N(0, 0) : kBlue) << x << "," << y;
}

}  // namespace
