// Light rays: the fall-off by one a step, the eight directions, saturation,
// the shift counts, the flicker table walked from call to call, and the edge
// of the virtual screen.
#include <algorithm>

#include "tests/engine/draw_layer_fixture.h"

namespace {

using test_support::LayerEffectTest;
using test_support::P5;

class DrawLayerLight : public LayerEffectTest {
 protected:
  void SetUp() override {
    LayerEffectTest::SetUp();
    // The display's set-up filled the flicker list at random.
    std::fill(std::begin(elEffect::FireRandomList), std::end(elEffect::FireRandomList), 0);
    Fill(0);
  }
};

TEST_F(DrawLayerLight, RaysFadeByOneAStepAndShowTheSourceOnRequest) {
  const int n = Make({{P5(5, 3, 0)}});
  for (const int show : {1, 0}) {
    Fill(0);
    EXPECT_EQ(elDraw::LightLayer(100, 100, n, 0, 0, 1, 1, 0, 0, 0, 0x10, show), 1);
    EXPECT_EQ(Back(100, 100), show ? P5(5, 3, 0) : 0u);
    EXPECT_EQ(BackRow(101, 100, 5),
              (std::vector<uint16_t>{P5(4, 2, 0), P5(3, 1, 0), P5(2, 0, 0), P5(1, 0, 0), 0}));
  }
}

TEST_F(DrawLayerLight, EachBitLightsItsDirection) {
  const int n = Make({{P5(2, 0, 0)}});
  struct Case {
    int dir, dx, dy;
  };
  const Case cases[] = {{0x01, -1, 1}, {0x02, 0, 1},   {0x04, 1, 1},  {0x08, -1, 0},
                        {0x10, 1, 0},  {0x20, -1, -1}, {0x40, 0, -1}, {0x80, 1, -1}};
  for (const Case& c : cases) {
    Fill(0);
    elDraw::LightLayer(100, 100, n, 0, 0, 1, 1, 0, 0, 0, c.dir, 0);
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        EXPECT_EQ(Back(100 + dx, 100 + dy), dx == c.dx && dy == c.dy ? P5(1, 0, 0) : 0u)
            << c.dir << " at " << dx << "," << dy;
  }
  for (const int dir : {0, 0x100}) {
    Fill(0);
    elDraw::LightLayer(100, 100, n, 0, 0, 1, 1, 0, 0, 0, dir, 0);
    EXPECT_EQ(Screen(), std::vector<uint16_t>(640 * 480, 0)) << dir;
  }
}

TEST_F(DrawLayerLight, ChannelsSaturateAt31AndRaysEndWhenSpent) {
  const int n = Make({{test_support::kWhite}});
  Fill(P5(30, 30, 2));
  elDraw::LightLayer(100, 100, n, 0, 0, 1, 1, 0, 0, 0, 0x10, 0);
  EXPECT_EQ(Back(101, 100), P5(31, 31, 31));  // 30 more on every channel
  EXPECT_EQ(Back(129, 100), P5(31, 31, 4));   // step 29: 2 more
  EXPECT_EQ(Back(130, 100), P5(31, 31, 3));   // step 30: the last 1
  EXPECT_EQ(Back(131, 100), P5(30, 30, 2));
}

TEST_F(DrawLayerLight, ShiftCountsWeakenEachChannel) {
  const int n = Make({{P5(8, 8, 8)}});
  struct Case {
    int red, green, blue;
    uint16_t first;  // the pixel one step away
  };
  const Case cases[] = {
      {1, 2, 40, P5(3, 1, 0)},  // 4, 2 and nothing, less one
      {0, -1, 3, P5(7, 7, 0)},  // a negative count shifts nothing
      {5, 5, 5, 0},
  };
  for (const Case& c : cases) {
    Fill(0);
    elDraw::LightLayer(100, 100, n, 0, 0, 1, 1, c.red, c.green, c.blue, 0x10, 0);
    EXPECT_EQ(Back(101, 100), c.first) << c.red << " " << c.green << " " << c.blue;
  }
}

// One flicker value for each lit source pixel, taken in turn from call to
// call and round the table's end.
TEST_F(DrawLayerLight, FlickerWalksTheRandomListAcrossCalls) {
  elEffect::FireRandomList[0] = 2;
  elEffect::FireRandomList[2] = 1;
  elEffect::FireRandomList[9999] = 2;
  const int n = Make({{0, P5(5, 0, 0)}});  // the black pixel takes no value
  const uint16_t firsts[] = {P5(2, 0, 0), P5(4, 0, 0), P5(3, 0, 0)};
  for (const uint16_t first : firsts) {
    Fill(0);
    elDraw::LightLayer(100, 100, n, 0, 0, 2, 1, 0, 0, 0, 0x10, 0);
    EXPECT_EQ(Back(102, 100), first);
  }
  el::draw::Animation().light_index = 9999;
  const uint16_t wrapped[] = {P5(2, 0, 0), P5(2, 0, 0)};  // entries 9999 and 0
  for (const uint16_t first : wrapped) {
    Fill(0);
    elDraw::LightLayer(100, 100, n, 0, 0, 2, 1, 0, 0, 0, 0x10, 0);
    EXPECT_EQ(Back(102, 100), first);
  }
  EXPECT_EQ(el::draw::Animation().light_index, 1);
}

TEST_F(DrawLayerLight, RaysLeaveTheAreaButStopAtTheVirtualScreen) {
  const int n = Make({{P5(5, 0, 0)}});
  elDraw::VirtualScreen(0, 0, 103, 480);
  elDraw::LightLayer(100, 100, n, 0, 0, 1, 1, 0, 0, 0, 0x10, 0);
  EXPECT_EQ(BackRow(101, 100, 3), (std::vector<uint16_t>{P5(4, 0, 0), P5(3, 0, 0), 0}));
  elDraw::VirtualScreen(0, 0, 640, 480);
  elDraw::LightLayer(1, 0, n, 0, 0, 1, 1, 0, 0, 0, 0x08 | 0x40 | 0x20, 0);
  EXPECT_EQ(Back(0, 0), P5(4, 0, 0));
  EXPECT_EQ(Back(639, 0), 0u) << "no wrap to the row above";
  platform::MarkAllSurfacesLost();
  EXPECT_EQ(elDraw::LightLayer(700, 0, n, 0, 0, 1, 1, 0, 0, 0, 0xFF, 1), 1) << "clipped away";
  EXPECT_EQ(elDraw::LightLayer(10, 0, n, 0, 0, 1, 1, 0, 0, 0, 0xFF, 1), 0) << "lock failed";
}

}  // namespace
