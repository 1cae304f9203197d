// Waves drawn row by row: the cosine offsets, the alternating sign and the
// rolls that run on from call to call with a fixed frame time, and the
// waterfall's stretched rows.
#include <cmath>
#include <limits>

#include "tests/engine/draw_layer_fixture.h"

namespace {

using test_support::kBlue;
using test_support::LayerEffectTest;
using test_support::N;

using DrawLayerWaves = LayerEffectTest;

// Each source row y lands at (Px + dx, Py + y - Y1): 100 cos((y + angle)°)
// truncated, the angle moving by FrameTime x Speed after each call.
TEST_F(DrawLayerWaves, WaveRowsFollowTheCosineOfAngleAndRow) {
  const int n = Numbered(2, 3);
  FrameTime = 0.5f;
  const int expected[][3] = {{100, 99, 99}, {50, 48, 46}, {-49, -51, -52}};
  for (const auto& offsets : expected) {
    Fill(kBlue);
    elDraw::WaveLayer(200, 100, 100, 0, 120.0f, n, 0, 0, 2, 3, 0);
    for (int y = 0; y < 3; ++y) {
      EXPECT_EQ(BackRow(200 + offsets[y], 100 + y, 2), NumberedRow(0, y, 2)) << offsets[y];
      EXPECT_EQ(Back(199 + offsets[y], 100 + y), kBlue);
    }
  }
}

TEST_F(DrawLayerWaves, WaveBandsShareTheirOffsetAndStartFromTheSourceRow) {
  const int n = Numbered(2, 6);
  Fill(kBlue);
  // Rows 2 to 5 of the sprite: bands of two rows, counted from row 0.
  elDraw::WaveLayer(200, 100, 100, 2, 0.0f, n, 0, 2, 2, 6, 0);
  const int offsets[] = {99, 99, 99, 99};  // bands 1, 1, 2, 2
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(BackRow(200 + offsets[i], 100 + i, 2), NumberedRow(0, 2 + i, 2)) << i;
  elDraw::WaveLayer(300, 100, 100, 4, 0.0f, n, 0, 0, 2, 6, 0);
  EXPECT_EQ(Back(400, 103), N(0, 3)) << "band 0";
  EXPECT_EQ(Back(399, 104), N(0, 4)) << "band 1";
}

// Mode != 0 alternates the sign from row to row, and the sign runs on into
// the next call.
TEST_F(DrawLayerWaves, WaveSignAlternatesAcrossCalls) {
  const int three = Numbered(1, 3), two = Numbered(1, 2);
  struct Case {
    int sprite, rows, mode;
    int signs[3][3];
  };
  const Case cases[] = {
      {three, 3, 1, {{1, -1, 1}, {-1, 1, -1}, {1, -1, 1}}},
      {two, 2, 1, {{1, -1}, {1, -1}, {1, -1}}},
      {three, 3, 0, {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}},
  };
  for (const Case& c : cases) {
    el::draw::ResetLayerAnimation();
    for (const auto& signs : c.signs) {
      Fill(kBlue);
      elDraw::WaveLayer(100, 50, 10, 1000, 0.0f, c.sprite, 0, 0, 1, c.rows, c.mode);
      for (int y = 0; y < c.rows; ++y)
        EXPECT_EQ(Back(100 + 10 * signs[y], 50 + y), N(0, y)) << c.mode << " row " << y;
    }
  }
}

TEST_F(DrawLayerWaves, AnglesTakeOff360WhenTheyReachIt) {
  const int n = Numbered(1, 1);
  FrameTime = 1.0f;
  const int offsets[] = {10, -4, -5, 10};  // 0, 120, 240, then 360 - 360
  for (const int dx : offsets) {
    Fill(kBlue);
    elDraw::WaveLayer(100, 50, 10, 0, 120.0f, n, 0, 0, 1, 1, 0);
    EXPECT_EQ(Back(100 + dx, 50), N(0, 0)) << dx;
  }
  EXPECT_EQ(el::draw::Animation().wave_angle, 120.0f);
  // Speeds out of all measure leave an angle that still draws.
  for (const float speed : {1e30f, std::numeric_limits<float>::infinity(), std::nanf(""), -1e9f}) {
    elDraw::WaveLayer(100, 50, 10, 0, speed, n, 0, 0, 1, 1, 0);
    const float angle = el::draw::Animation().wave_angle;
    EXPECT_TRUE(std::isfinite(angle) && std::fabs(angle) < 360.0f) << speed << " " << angle;
  }
}

// The source row is rolled: y + trunc(roll), and past the bottom it comes
// back one below the top; roll -= FrameTime x RollSpeed within [0, rows).
TEST_F(DrawLayerWaves, RollWaveRollsTheRowsAndLandsThemAtPyPlusY) {
  const int n = Numbered(2, 4);
  FrameTime = 1.0f;
  const int rows[][4] = {{0, 1, 2, 3}, {3, 1, 2, 3}, {2, 3, 1, 2}, {1, 2, 3, 1}, {0, 1, 2, 3}};
  for (const auto& expected : rows) {
    Fill(kBlue);
    elDraw::RollWaveLayer(100, 50, 0, 0, 0.0f, 1.0f, n, 0, 0, 2, 4);
    for (int y = 0; y < 4; ++y)
      EXPECT_EQ(BackRow(100, 50 + y, 2), NumberedRow(0, expected[y], 2)) << y;
  }
  el::draw::ResetLayerAnimation();
  Fill(kBlue);
  elDraw::RollWaveLayer(100, 50, 100, 0, 0.0f, 0.0f, n, 0, 1, 2, 4);
  EXPECT_EQ(Back(200, 50), kBlue) << "the rectangle's top is not taken off";
  EXPECT_EQ(Back(199, 51), N(0, 1));  // 100 cos 1°
  EXPECT_EQ(Back(199, 53), N(0, 3));
}

// Rows Py1 to Py2 - 1 of the whole width: row i shows source row
// (i mod h + roll) at x = j w + dx - Width.
TEST_F(DrawLayerWaves, TileRollWaveFillsItsRowsAcrossTheScreen) {
  const int n = Numbered(4, 3);
  FrameTime = 1.0f;
  Fill(kBlue);
  elDraw::TileRollWaveLayer(10, 16, 2, 1000, 90.0f, -1.0f, n, 0, 0, 4, 3);
  for (int i = 10; i < 16; ++i)
    for (const int x : {0, 1, 5, 638, 639}) EXPECT_EQ(Back(x, i), N(x % 4, i % 3)) << x << "," << i;
  EXPECT_EQ(Back(0, 9), kBlue);
  EXPECT_EQ(Back(0, 16), kBlue);
  // Angle 90 (dx 0, so two pixels left) and roll 1.
  Fill(kBlue);
  elDraw::TileRollWaveLayer(10, 16, 2, 1000, 90.0f, -1.0f, n, 0, 0, 4, 3);
  for (int i = 10; i < 16; ++i)
    for (const int x : {0, 3, 639}) EXPECT_EQ(Back(x, i), N((x + 2) % 4, (i % 3 + 1) % 3)) << x;
}

// H = 5: cos((y + roll) 2π / 4) x 2 + 2 sets where each row ends; a row is
// drawn from the end of the one before, opaque, rows counted from the top of
// the sprite.
TEST_F(DrawLayerWaves, WaterfallStretchesRowsAlongTheCosine) {
  const int n = Numbered(3, 7);
  FrameTime = 1.0f;
  struct Case {
    int type;
    float speed;
    int rows[3][5];  // three calls
  };
  const Case cases[] = {
      {1, 1.0f, {{0, 3, 4, 4, 4}, {0, 2, 3, 3, 3}, {0, 1, 2, 2, 2}}},
      {0, 1.0f, {{0, 3, 4, 4, 4}, {0, 3, 4, 4, 4}, {0, 4, 1, 1, 1}}},  // rolls 0, 4, 3
      {1, 0.0f, {{0, 3, 4, 4, 4}, {0, 3, 4, 4, 4}, {0, 3, 4, 4, 4}}},
  };
  for (const Case& c : cases) {
    el::draw::ResetLayerAnimation();
    for (const auto& rows : c.rows) {
      Fill(kBlue);
      elDraw::WaterfallLayer(50, 60, c.type, c.speed, n, 0, 2, 3, 7);  // only H is taken
      for (int k = 0; k < 5; ++k)
        EXPECT_EQ(BackRow(50, 60 + k, 3), NumberedRow(0, rows[k], 3)) << c.type << " " << k;
      EXPECT_EQ(Back(50, 65), kBlue);
    }
  }
}

TEST_F(DrawLayerWaves, WaterfallRowsAreOpaqueAndTinyHeightsSafe) {
  const int n = Make({{0, N(1, 0)}});
  Fill(kBlue);
  elDraw::WaterfallLayer(50, 60, 0, 1.0f, n, 0, 0, 2, 1);  // one row: drawn once
  EXPECT_EQ(Back(50, 60), 0u) << "black is drawn";
  EXPECT_EQ(Back(51, 60), N(1, 0));
  EXPECT_EQ(Back(50, 61), kBlue);
  const auto before = Screen();
  for (const int y2 : {0, -5}) elDraw::WaterfallLayer(50, 60, 0, 1.0f, n, 0, 0, 2, y2);
  EXPECT_EQ(Screen(), before);
  EXPECT_EQ(el::draw::Animation().waterfall_roll, 0.0f);
}

}  // namespace
