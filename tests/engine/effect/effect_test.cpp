// Procedural effects on the back surface of a 5-6-5 display, driven by a
// FireRandomList of known values.
#include <cstdlib>
#include <cstring>

#include "engine/effect/internal/effect.h"
#include "tests/engine/draw_fixture.h"

namespace {

using test_support::DisplayTest;

constexpr uint16_t P5(int r, int g, int b) {
  return static_cast<uint16_t>(r << 11 | g << 6 | b);
}
uint16_t Orig(int x, int y) {
  return static_cast<uint16_t>(x * 7 + y * 1301 + 1);
}

class Effect : public DisplayTest {
 protected:
  static void Table(char value) {
    std::memset(elEffect::FireRandomList, value, sizeof elEffect::FireRandomList);
  }
  static void Pattern() {
    for (int y = 0; y < 130; ++y)
      for (int x = 0; x < 130; ++x) DDBack->SetPixel(x, y, Orig(x, y));
  }
  static void Set(int x, int y, uint16_t raw) { DDBack->SetPixel(x, y, raw); }
};

TEST_F(Effect, FireMovesUpAndBlursWhereTheTableSays) {
  for (const bool colour : {false, true}) {
    // A one-pixel step over a table of zeros copies and resets the count.
    Table(0);
    colour ? elEffect::Fire(1, 0, 0, 0, 0, 3, 3) : elEffect::Fire(0, 0, 3, 3);
    Table(2);  // blur, copy, blur, ... through the nine visited pixels
    elDraw::ColorFill(0, 0, 640, 480, P5(4, 4, 4));
    Set(11, 13, P5(20, 8, 0));
    EXPECT_EQ(colour ? elEffect::Fire(1, 0, 1, 10, 10, 5, 5) : elEffect::Fire(10, 10, 5, 5), 1);
    EXPECT_EQ(Back(11, 11), colour ? P5(7, 5, 2) : P5(8, 5, 3)) << colour;
    EXPECT_EQ(Back(12, 11), P5(4, 4, 4)) << colour;
    EXPECT_EQ(Back(11, 12), P5(20, 8, 0)) << colour << ": copied up";
    for (int i = 10; i < 15; ++i) {
      EXPECT_EQ(Back(10, i), P5(4, 4, 4));
      EXPECT_EQ(Back(14, i), P5(4, 4, 4));
      EXPECT_EQ(Back(i, 10), P5(4, 4, 4)) << "the outer rows stay";
    }
  }
}

TEST_F(Effect, FireAndShadeStayInsideTheSurfaceAndSmallAreas) {
  Table(2);
  Pattern();
  for (unsigned size : {0u, 1u, 2u}) {
    EXPECT_EQ(elEffect::Fire(10, 10, size, 40), 1);
    EXPECT_EQ(elEffect::Shade(10, 10, 40, size), 1);
  }
  EXPECT_EQ(Back(11, 11), Orig(11, 11)) << "below three pixels nothing changes";
  EXPECT_EQ(Back(12, 12), Orig(12, 12));
  EXPECT_EQ(elEffect::Fire(-5, 470, 700, 0xFFFFFFFFu), 1);  // reads stay on the surface
  EXPECT_EQ(elEffect::Shade(1, 1, 0xFFFFFFFFu, 0xFFFFFFFFu), 1);
  EXPECT_EQ(elEffect::Noise(3, 630, 470, 0xFFFFFFFFu, 100), 1);
}

TEST_F(Effect, ShadeAveragesNeighboursInPlace) {
  struct Case {
    int r, g, b;
    uint16_t first, second;
  };
  const Case cases[] = {{0, 0, 0, P5(10, 6, 6), P5(8, 7, 7)}, {0, 1, 0, P5(10, 5, 6), P5(8, 6, 7)}};
  for (const Case& c : cases) {
    elDraw::ColorFill(0, 0, 640, 480, P5(8, 8, 8));
    Set(20, 21, P5(16, 0, 0));
    Set(21, 21, P5(31, 31, 31));  // the pixel itself does not take part
    const int done =
        c.g ? elEffect::Shade(c.r, c.g, c.b, 20, 20, 4, 4) : elEffect::Shade(20, 20, 4, 4);
    EXPECT_EQ(done, 1);
    EXPECT_EQ(Back(21, 21), c.first);
    EXPECT_EQ(Back(22, 21), c.second) << "reads the new left neighbour";
    EXPECT_EQ(Back(20, 21), P5(16, 0, 0));
  }
}

TEST_F(Effect, NoiseAddsShiftedTableValuesAndSaturates) {
  struct Case {
    char entry;
    int force;
    bool red_only;
    uint16_t before, after;
  };
  const Case cases[] = {
      {1, 0, false, P5(30, 31, 0), P5(31, 31, 1)}, {1, 2, false, P5(20, 31, 3), P5(24, 31, 7)},
      {1, 2, true, P5(20, 31, 3), P5(24, 31, 3)},  {2, 9, false, P5(0, 1, 2), P5(31, 31, 31)},
      {1, -4, false, P5(0, 1, 2), P5(1, 2, 3)},    {0, 3, false, P5(5, 6, 7), P5(5, 6, 7)},
  };
  for (const Case& c : cases) {
    Table(c.entry);
    elDraw::ColorFill(0, 0, 640, 480, c.before);
    const int done = c.red_only ? elEffect::Noise(1, 0, 0, c.force, 30, 30, 2, 2)
                                : elEffect::Noise(c.force, 30, 30, 2, 2);
    EXPECT_EQ(done, 1);
    EXPECT_EQ(Back(30, 30), c.after) << int{c.entry} << " " << c.force;
    EXPECT_EQ(Back(31, 31), c.after);
    EXPECT_EQ(Back(32, 31), c.before);
  }
}

TEST_F(Effect, TheWalkRestartsAtARandomEntryOfTheFirstThousand) {
  std::srand(77);
  const int expected = std::rand() % 1000;
  std::srand(77);
  EXPECT_EQ(el::effect::NextIndex(9999), expected);
  EXPECT_EQ(el::effect::NextIndex(41), 42);
}

TEST_F(Effect, ZoomMagnifiesThroughTheBufferSprite) {
  constexpr uint16_t kOld = 0x1234;
  for (const int factor : {2, 4})
    for (const int mesh : {0, 1}) {
      Pattern();
      Sprite[0].Object->Fill(Sprite[0].Object->Bounds(), kOld);
      const int done = factor == 2 ? elEffect::Zoom2(100, 100, 3, 2, mesh)
                                   : elEffect::Zoom4(100, 100, 3, 2, mesh);
      EXPECT_EQ(done, 1);
      const int dot = mesh ? factor / 2 : factor;
      for (int y = 0; y < 2 * factor; ++y)
        for (int x = 0; x < 3 * factor; ++x) {
          const bool drawn = x % factor < dot && y % factor < dot;
          EXPECT_EQ(Back(100 + x, 100 + y), drawn ? Orig(100 + x / factor, 100 + y / factor) : kOld)
              << factor << " " << mesh << " " << x << "," << y;
        }
      EXPECT_EQ(Back(100 + 3 * factor, 100), Orig(100 + 3 * factor, 100));
    }
  // Off the surface's edges and larger than the buffer: clipped, no fault.
  EXPECT_EQ(elEffect::Zoom2(-3, -3, 0xFFFFFFFFu, 8, 0), 1);
  EXPECT_EQ(elEffect::Zoom4(630, 470, 40, 40, 1), 1);
}

TEST_F(Effect, MosaicPaintsCellsInsideTheCircle) {
  Pattern();
  EXPECT_EQ(elEffect::Mosaic(50, 50, 0, 2), 1);
  EXPECT_EQ(elEffect::Mosaic(50, 50, 9, 1), 1);
  EXPECT_EQ(elEffect::Mosaic(50, 50, 3, 0), 0) << "a cell of no size is refused";
  for (int y = 40; y < 60; ++y)
    for (int x = 40; x < 60; ++x) ASSERT_EQ(Back(x, y), Orig(x, y)) << x << "," << y;
  EXPECT_EQ(elEffect::Mosaic(50, 50, 3, 2), 1);
  EXPECT_EQ(Back(48, 48), Orig(47, 47));  // cell (-3, -3), distance 2
  EXPECT_EQ(Back(47, 47), Orig(47, 47));  // its corner, distance 4: itself
  EXPECT_EQ(Back(50, 50), Orig(49, 49));
  EXPECT_EQ(Back(52, 50), Orig(51, 49));
  EXPECT_EQ(Back(53, 50), Orig(53, 50)) << "past the last cell";
  EXPECT_EQ(Back(47, 50), Orig(47, 50)) << "distance 3 is outside";
  // Near the corner the grid starts at the screen's edge.
  EXPECT_EQ(elEffect::Mosaic(1, 1, 3, 2), 1);
  EXPECT_EQ(Back(1, 1), Orig(0, 0));
  EXPECT_EQ(Back(2, 1), Orig(2, 0));
  EXPECT_EQ(elEffect::Mosaic(639, 479, 5000, 7), 1);
}

TEST_F(Effect, EveryStepFailsWhenTheSurfaceCannotBeLocked) {
  platform::MarkAllSurfacesLost();
  EXPECT_EQ(elEffect::Fire(10, 10, 5, 5), 0);
  EXPECT_EQ(elEffect::Fire(1, 1, 1, 10, 10, 5, 5), 0);
  EXPECT_EQ(elEffect::Shade(10, 10, 5, 5), 0);
  EXPECT_EQ(elEffect::Shade(1, 1, 1, 10, 10, 5, 5), 0);
  EXPECT_EQ(elEffect::Noise(1, 10, 10, 5, 5), 0);
  EXPECT_EQ(elEffect::Noise(1, 1, 1, 1, 10, 10, 5, 5), 0);
  EXPECT_EQ(elEffect::Zoom2(10, 10, 5, 5, 0), 0);
  EXPECT_EQ(elEffect::Mosaic(10, 10, 5, 2), 0);
  Sprite[0].Object->Restore();  // the buffer alone is not enough
  EXPECT_EQ(elEffect::Zoom4(10, 10, 5, 5, 0), 0);
  EXPECT_FALSE(Sprite[0].Object->Locked());
}

}  // namespace
