// Bad input for the moving, tunnel, light and projection effects: sprites
// outside the table, empty and inverted rectangles, positions, sizes and
// speeds out of all measure. Nothing may be drawn where nothing can be, and
// nothing may be read or written outside a surface (the sanitizer build
// watches the second).
#include <cmath>
#include <functional>
#include <limits>

#include "tests/engine/draw_layer_fixture.h"

namespace {

using test_support::kBlue;
using test_support::LayerEffectTest;

constexpr int kBig = std::numeric_limits<int>::max();
constexpr int kSmall = std::numeric_limits<int>::min();
const float kNan = std::nanf("");
const float kInf = std::numeric_limits<float>::infinity();

struct Area {
  int x1, y1, x2, y2;
};

// Every member with its other arguments plain; the result is -1 for the
// members that return nothing.
struct Member {
  const char* name;
  std::function<int(int sprite, const Area& a)> call;
};

const std::vector<Member>& Members() {
  static const std::vector<Member> members = {
      {"Mystery",
       [](int s, const Area& a) {
         return elDraw::MysteryLayer(10, 10, 60, 60, s, a.x1, a.y1, a.x2, a.y2, 30, 1, 0.1f, 1,
                                     0.1f, 1, 1, 1);
       }},
      {"Mesh",
       [](int s, const Area& a) {
         return elDraw::MeshLayer(10, 10, s, a.x1, a.y1, a.x2, a.y2, 8, 6, 1, 1, 0.5f);
       }},
      {"Light",
       [](int s, const Area& a) {
         return elDraw::LightLayer(10, 10, s, a.x1, a.y1, a.x2, a.y2, 1, 1, 1, 0xFF, 1);
       }},
      {"Tunnel",
       [](int s, const Area&) {
         elDraw::CreateTunnel(8, 8, 16, 16, -1, -1, 8, 0, 0, 0);
         return elDraw::TunnelLayer(10, 10, 3, 4, s);
       }},
      {"Wave",
       [](int s, const Area& a) {
         elDraw::WaveLayer(10, 10, 5, 0, 30, s, a.x1, a.y1, a.x2, a.y2, 1);
         return -1;
       }},
      {"RollWave",
       [](int s, const Area& a) {
         elDraw::RollWaveLayer(10, 10, 5, 0, 30, 10, s, a.x1, a.y1, a.x2, a.y2);
         return -1;
       }},
      {"TileRollWave",
       [](int s, const Area& a) {
         elDraw::TileRollWaveLayer(10, 60, 5, 0, 30, 10, s, a.x1, a.y1, a.x2, a.y2);
         return -1;
       }},
      {"Tile",
       [](int s, const Area& a) {
         elDraw::TileLayer(10, 10, s, a.x1, a.y1, a.x2, a.y2);
         return -1;
       }},
      {"Mosaic",
       [](int s, const Area& a) {
         elDraw::MosaicLayer(10, 10, 2, s, a.x1, a.y1, a.x2, a.y2);
         return -1;
       }},
      {"Line",
       [](int s, const Area& a) {
         elDraw::LineLayer(10, 10, -2, s, a.x1, a.y1, a.x2, a.y2);
         return -1;
       }},
      {"Random",
       [](int s, const Area& a) {
         elDraw::RandomLayer(10, 10, 3, s, a.x1, a.y1, a.x2, a.y2);
         return -1;
       }},
      {"Waterfall",
       [](int s, const Area& a) {
         elDraw::WaterfallLayer(10, 10, 1, 10, s, a.x1, a.y1, a.x2, a.y2);
         return -1;
       }},
  };
  return members;
}

using DrawLayerInput = LayerEffectTest;

TEST_F(DrawLayerInput, SpritesOutsideTheTableOrFreeDrawNothing) {
  FrameTime = 0.1f;
  Fill(kBlue);
  const auto before = Screen();
  for (const Member& m : Members())
    for (const int sprite : {-1, 1024, 99999, kSmall, 700}) {
      const int result = m.call(sprite, {0, 0, 8, 8});
      EXPECT_TRUE(result == -1 || result == 0) << m.name << " " << sprite;
      EXPECT_EQ(Screen(), before) << m.name << " " << sprite;
    }
}

TEST_F(DrawLayerInput, EmptyAndInvertedRectanglesDrawNothing) {
  const int n = Numbered(8, 8);
  FrameTime = 0.1f;
  Fill(kBlue);
  const auto before = Screen();
  const Area areas[] = {{0, 0, 0, 0}, {4, 4, 0, 0}, {0, 0, 8, 0}, {0, 0, 0, 8},
                        {6, 0, 2, 8}, {0, 6, 8, 2}, {8, 8, 8, 8}, {kBig, kBig, kSmall, kSmall}};
  for (const Member& m : Members()) {
    if (std::string(m.name) == "Tunnel") continue;  // takes no rectangle
    for (const Area& a : areas) {
      const int result = m.call(n, a);
      EXPECT_TRUE(result == -1 || result == 1) << m.name;
      EXPECT_EQ(Screen(), before) << m.name << " " << a.x1 << "," << a.y1 << "," << a.x2 << ","
                                  << a.y2;
    }
  }
}

// Nothing to compare here but the survival of the call and of the next one
// with plain arguments (and, in the sanitizer build, clean memory).
TEST_F(DrawLayerInput, NumbersOutOfAllMeasureAreSurvived) {
  const int n = Numbered(8, 8);
  const Area areas[] = {{kSmall, kSmall, kBig, kBig}, {-5, -5, 900, 900}, {0, 0, kBig, 8}};
  for (const float frame : {kNan, kInf, 1e30f, -1e30f, 0.5f}) {
    FrameTime = frame;
    for (const Member& m : Members())
      for (const Area& a : areas) m.call(n, a);
  }
  const float odd[] = {kNan, kInf, -kInf, 1e30f, -1e30f, 0.0f};
  for (const float f : odd) {
    FrameTime = 1.0f;
    elDraw::MysteryLayer(kSmall, kSmall, kBig, kBig, n, 0, 0, 8, 8, kBig, f, f, f, f, f, f, f);
    elDraw::MysteryLayer(-20, -20, 30, 30, n, 0, 0, 8, 8, kSmall, f, f, f, f, f, f, f);
    elDraw::MeshLayer(kBig, kSmall, n, 0, 0, 8, 8, f, f, 1, f, f);
    elDraw::MeshLayer(0, 0, n, kSmall, kSmall, kBig, kBig, f, f, kBig, f, f);
    elDraw::WaveLayer(kBig, kSmall, kBig, kSmall, f, n, 0, 0, 8, 8, 1);
    elDraw::WaveLayer(0, 0, kSmall, -1, f, n, 0, 0, 8, 8, 1);
    elDraw::RollWaveLayer(kSmall, kBig, kBig, kBig, f, f, n, 0, kSmall, 8, kBig);
    elDraw::TileRollWaveLayer(kSmall, kBig, kBig, -1, f, f, n, 0, 0, 1, 1);
    elDraw::TileLayer(f, f, n, 0, 0, 1, 1);
    elDraw::TileLayer(f, f, n, kSmall, kSmall, kBig, kBig);
    elDraw::MosaicLayer(kBig, kSmall, kSmall, n, 0, 0, 8, 8);
    elDraw::LineLayer(0, 0, kSmall, n, 0, 0, 8, 8);
    elDraw::LineLayer(0, kSmall, kBig, n, 0, kSmall, 8, kBig);
    elDraw::RandomLayer(kSmall, 0, kBig, n, 0, 0, 8, 8);
    elDraw::WaterfallLayer(kBig, kSmall, 0, f, n, 0, kSmall, 8, kBig);
    elDraw::WaterfallLayer(0, 0, 1, f, n, 0, 0, 8, 2);
    elDraw::LightLayer(kSmall, kSmall, n, 0, 0, kBig, kBig, kSmall, kBig, -1, -1, 1);
    elDraw::CreateTunnel(8, 8, 640, 480, kSmall, kBig, kSmall, 2, kBig, kSmall);
    elDraw::TunnelLayer(kBig, kSmall, kSmall, kBig, n);
    elDraw::TunnelLayer(-320, -240, kSmall, kBig, n);
  }
  // The state is usable again: a plain wave draws its rows.
  Fill(kBlue);
  FrameTime = 0;
  elDraw::WaveLayer(100, 100, 0, 0, 0, n, 0, 0, 8, 8, 0);
  EXPECT_EQ(Back(100, 100), test_support::N(0, 0));
}

}  // namespace
