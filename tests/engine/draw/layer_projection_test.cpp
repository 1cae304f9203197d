// The rotation with per-row zoom (tiled and tinted) and the point mesh of a
// rippled height field, pixel by pixel on small sprites.
#include <algorithm>
#include <cmath>
#include <limits>

#include "tests/engine/draw_layer_fixture.h"

namespace {

using test_support::kBlue;
using test_support::LayerEffectTest;
using test_support::N;
using test_support::P5;
using test_support::Rows;

class DrawLayerProjection : public LayerEffectTest {
 protected:
  void SetUp() override {
    LayerEffectTest::SetUp();
    Fill(kBlue);
  }
  // A 4 x 3 picture of 5-bit pixels (so a tint of 1 keeps them), black at
  // (3, 2).
  static int Picture() {
    Rows rows(3, std::vector<uint16_t>(4));
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 4; ++x) rows[y][x] = Pixel(x, y);
    rows[2][3] = 0;
    return Make(rows);
  }
  static uint16_t Pixel(int x, int y) { return P5(x + 1, y + 1, 3); }
  static int Mystery(int w, int h, int angle, float zoom_x, float add_x, float tint = 1.0f) {
    return elDraw::MysteryLayer(10, 10, 10 + w, 10 + h, picture, 0, 0, 4, 3, angle, zoom_x, add_x,
                                1.0f, 0.0f, tint, tint, tint);
  }
  static inline int picture = 0;
};

// Source column |trunc(u / zoomX)| and row |trunc(v / zoomY)|, tiled.
TEST_F(DrawLayerProjection, MysteryZoomsRowByRowAndTiles) {
  picture = Picture();
  struct Case {
    const char* name;
    int w, angle;
    float zoom_x, add_x;
    int columns[3][8];  // source column at each destination pixel; -1 black
  };
  const Case cases[] = {
      {"copy", 4, 0, 1.0f, 0.0f, {{0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, -1}}},
      {"zoom grows", 4, 0, 1.0f, 1.0f, {{0, 1, 2, 3}, {0, 0, 1, 1}, {0, 0, 0, 1}}},
      {"tiled",
       8,
       0,
       1.0f,
       0.0f,
       {{2, 1, 0, 1, 2, 3, 0, 1}, {2, 1, 0, 1, 2, 3, 0, 1}, {2, 1, 0, 1, 2, -1, 0, 1}}},
  };
  for (const Case& c : cases) {
    Fill(kBlue);
    EXPECT_EQ(Mystery(c.w, 3, c.angle, c.zoom_x, c.add_x), 1) << c.name;
    for (int r = 0; r < 3; ++r)
      for (int col = 0; col < c.w; ++col) {
        const int s = c.columns[r][col];
        EXPECT_EQ(Back(10 + col, 10 + r), s < 0 ? kBlue : Pixel(s, r))
            << c.name << " " << col << "," << r;
      }
  }
  // 180 degrees about the centre of 4 x 3: (c, r) shows (4 - c mod 4, 2 - r).
  Fill(kBlue);
  Mystery(4, 3, 180, 1.0f, 0.0f);
  EXPECT_EQ(Back(10, 11), Pixel(0, 1));
  EXPECT_EQ(Back(11, 11), Pixel(3, 1));
  EXPECT_EQ(Back(12, 12), Pixel(2, 0));
}

TEST_F(DrawLayerProjection, MysteryTintsAndHoldsChannels) {
  const int n = Make({{P5(7, 20, 9)}});
  const auto tinted = [n](float r, float g, float b) {
    Fill(kBlue);
    elDraw::MysteryLayer(10, 10, 11, 11, n, 0, 0, 1, 1, 0, 1.0f, 0.0f, 1.0f, 0.0f, r, g, b);
    return static_cast<uint16_t>(Back(10, 10));
  };
  EXPECT_EQ(tinted(0.5f, 2.0f, -1.0f), P5(3, 31, 0));
  EXPECT_EQ(tinted(std::nanf(""), 1.0f, 1e30f), P5(0, 20, 31));
}

TEST_F(DrawLayerProjection, MysteryWithoutAUsableZoomOrRoomDrawsNothing) {
  picture = Picture();
  const auto before = Screen();
  for (const float zoom : {0.0f, std::nanf("")}) EXPECT_EQ(Mystery(4, 3, 0, zoom, 0.0f), 1) << zoom;
  EXPECT_EQ(elDraw::MysteryLayer(20, 20, 10, 10, picture, 0, 0, 4, 3, 0, 1, 0, 1, 0, 1, 1, 1), 1);
  EXPECT_EQ(elDraw::MysteryLayer(10, 10, 14, 13, picture, 3, 0, 1, 3, 0, 1, 0, 1, 0, 1, 1, 1), 1);
  EXPECT_EQ(Screen(), before);
  // A zoom near 0 or endless keeps only column 0 (u = 0) in reach.
  for (const float zoom : {1e-30f, -std::numeric_limits<float>::infinity()}) {
    Fill(kBlue);
    EXPECT_EQ(Mystery(4, 3, 0, zoom, 0.0f), 1) << zoom;
    for (int r = 0; r < 3; ++r) {
      EXPECT_EQ(Back(10, 10 + r), Pixel(0, r)) << zoom;
      for (int c = 1; c < 4; ++c) EXPECT_EQ(Back(10 + c, 10 + r), zoom < 0 ? Pixel(0, r) : kBlue);
    }
  }
  Fill(kBlue);
  elDraw::VirtualScreen(0, 0, 12, 480);
  Mystery(4, 3, 0, 1.0f, 0.0f);
  EXPECT_EQ(Back(11, 10), Pixel(1, 0));
  EXPECT_EQ(Back(12, 10), kBlue);
}

// With no waves, point (x, y) lands at (Px + (x + y Angle) Zoom, Py + y Zoom).
TEST_F(DrawLayerProjection, FlatMeshCopiesEveryStepthPixelBlackIncluded) {
  const Rows rows = {{N(0, 0), 0, N(2, 0), N(3, 0)},
                     {N(0, 1), N(1, 1), N(2, 1), N(3, 1)},
                     {N(0, 2), N(1, 2), N(2, 2), N(3, 2)}};
  const int n = Make(rows);
  struct Layout {
    int step;
    float zoom, angle;
  };
  const Layout layouts[] = {{1, 1.0f, 0.0f}, {2, 1.0f, 0.0f}, {1, 2.0f, 0.0f}, {1, 1.0f, 1.0f}};
  for (const Layout& l : layouts) {
    Fill(kBlue);
    EXPECT_EQ(elDraw::MeshLayer(10, 20, n, 0, 0, 4, 3, 0.0f, 0.0f, l.step, l.zoom, l.angle), 1);
    int drawn = 0;
    for (int y = 0; y < 3; y += l.step)
      for (int x = 0; x < 4; x += l.step, ++drawn) {
        const int at_x = 10 + static_cast<int>((x + y * l.angle) * l.zoom);
        const int at_y = 20 + static_cast<int>(y * l.zoom);
        EXPECT_EQ(Back(at_x, at_y), rows[y][x]) << l.step << " " << l.zoom << " " << x << "," << y;
      }
    const auto screen = Screen();
    EXPECT_EQ(640 * 480 - std::count(screen.begin(), screen.end(), kBlue), drawn) << l.step;
  }
}

// h = WaveSize (cos(WaveCount sqrt(xx² + zz²)) e^(zz² - xx²) + 1) / 2 over
// the area's [-1, 1) square: a 2 x 2 area has xx, zz of -1 and 0.
TEST_F(DrawLayerProjection, MeshRaisesPointsByTheHeightField) {
  const int n = Make({{N(0, 0), N(1, 0)}, {N(0, 1), N(1, 1)}});
  struct Case {
    float count;
    int rows[2][2];  // destination row below Py of each source pixel
  };
  const Case cases[] = {
      {0.0f, {{4, 7}, {3, 5}}},                      // 4, 7.44; 1 + 2.74, 1 + 4
      {static_cast<float>(PAI), {{1, -3}, {2, 5}}},  // 1.47, -3.44; 1 + 1.26, 1 + 4
  };
  for (const Case& c : cases) {
    Fill(kBlue);
    elDraw::MeshLayer(10, 20, n, 0, 0, 2, 2, 4.0f, c.count, 1, 1.0f, 0.0f);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 2; ++x)
        EXPECT_EQ(Back(10 + x, 20 + c.rows[y][x]), N(x, y)) << c.count << " " << x << "," << y;
  }
}

TEST_F(DrawLayerProjection, MeshKeepsToTheScreenAndTheSprite) {
  const int n = Numbered(3, 2);
  elDraw::VirtualScreen(0, 0, 11, 480);
  elDraw::MeshLayer(10, 20, n, 0, 0, 3, 2, 0.0f, 0.0f, 1, 1.0f, 0.0f);
  EXPECT_EQ(Back(10, 20), N(0, 0));
  EXPECT_EQ(Back(11, 20), kBlue);
  elDraw::VirtualScreen(0, 0, 640, 480);
  Fill(kBlue);
  elDraw::MeshLayer(10, 20, n, -1, 0, 3, 2, 0.0f, 0.0f, 1, 1.0f, 0.0f);  // column -1 is not there
  EXPECT_EQ(Back(10, 20), kBlue);
  EXPECT_EQ(Back(11, 20), N(0, 0));
  const auto before = Screen();
  const float nan = std::nanf("");
  EXPECT_EQ(elDraw::MeshLayer(10, 20, n, 0, 0, 3, 2, 0.0f, 0.0f, 0, 1.0f, 0.0f), 1);
  EXPECT_EQ(elDraw::MeshLayer(10, 20, n, 0, 0, 3, 2, 0.0f, 0.0f, -2, 1.0f, 0.0f), 1);
  EXPECT_EQ(elDraw::MeshLayer(10, 20, n, 0, 0, 3, 2, nan, nan, 1, nan, nan), 1);
  EXPECT_EQ(elDraw::MeshLayer(10, 20, n, 3, 2, 0, 0, 0.0f, 0.0f, 1, 1.0f, 0.0f), 1);
  EXPECT_EQ(Screen(), before);
  // A huge zoom sends every point but the origin off the screen.
  EXPECT_EQ(elDraw::MeshLayer(10, 20, n, 0, 0, 3, 2, 0.0f, 0.0f, 1, 1e30f, 0.0f), 1);
  const auto after = Screen();
  EXPECT_EQ(Back(10, 20), N(0, 0));
  EXPECT_EQ(std::count(after.begin(), after.end(), kBlue),
            std::count(before.begin(), before.end(), kBlue) - 1);
  EXPECT_EQ(elDraw::MeshLayer(10, 20, 4000, 0, 0, 3, 2, 0.0f, 0.0f, 1, 1.0f, 0.0f), 0);
}

}  // namespace
