// Effects built from layer copies: tiles rolling within their bounds, the
// row mosaic, scan lines of every Size and the random jitter.
#include <cstdlib>
#include <limits>
#include <vector>

#include "tests/engine/draw_layer_fixture.h"

namespace {

using test_support::kBlue;
using test_support::LayerEffectTest;
using test_support::N;

using DrawLayerRows = LayerEffectTest;

// Every pixel of the screen shows the tile pixel at its place less the
// offset, which moves by FrameTime x speed within (-w, 0].
TEST_F(DrawLayerRows, TilesCoverTheScreenAndRollWithinTheirBounds) {
  const int n = Numbered(3, 2);
  FrameTime = 1.0f;
  struct Case {
    float speed;
    int offsets[4];  // x offsets of four calls in a row
  };
  const Case cases[] = {
      {-1.0f, {0, -1, -2, 0}},  // -3 is taken back to 0
      {1.0f, {0, -2, -1, 0}},   // above 0 goes down by 3; 0 itself stays
      {2.5f, {0, 0, -1, -1}},   // rolls 0, -0.5, -1 (2.5 - 3 below -0.5), -1.5
      {0.0f, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    el::draw::ResetLayerAnimation();
    for (const int offset : c.offsets) {
      Fill(kBlue);
      elDraw::TileLayer(c.speed, 0.0f, n, 0, 0, 3, 2);
      for (const int x : {0, 1, 2, 320, 638, 639})
        for (const int y : {0, 1, 479})
          EXPECT_EQ(Back(x, y), N((x - offset) % 3, y % 2)) << c.speed << " " << x << "," << y;
    }
  }
  // Rows roll the same way.
  el::draw::ResetLayerAnimation();
  elDraw::TileLayer(0.0f, -1.0f, n, 0, 0, 3, 2);
  elDraw::TileLayer(0.0f, -1.0f, n, 0, 0, 3, 2);
  EXPECT_EQ(Back(0, 0), N(0, 1));
  EXPECT_EQ(Back(0, 479), N(0, 0));
}

TEST_F(DrawLayerRows, TileOffsetsStayInRangeWhateverTheSpeed) {
  const int n = Numbered(3, 2);
  FrameTime = 1.0f;
  for (const float speed :
       {1e30f, -1e30f, std::numeric_limits<float>::infinity(), std::nanf(""), 1234.5f}) {
    elDraw::TileLayer(speed, speed, n, 0, 0, 3, 2);
    const auto& state = el::draw::Animation();
    EXPECT_TRUE(state.tile_roll_x > -3.0f && state.tile_roll_x <= 0.0f) << speed;
    EXPECT_TRUE(state.tile_roll_y > -2.0f && state.tile_roll_y <= 0.0f) << speed;
  }
  // An offset kept for larger tiles still leaves no gap with smaller ones.
  el::draw::Animation().tile_roll_x = -50.0f;
  el::draw::Animation().tile_roll_y = 0.0f;
  Fill(kBlue);
  elDraw::TileLayer(0.0f, 0.0f, n, 0, 0, 3, 2);
  EXPECT_EQ(Back(639, 0), N((639 + 2) % 3, 0));
}

TEST_F(DrawLayerRows, MosaicRepeatsTheFirstRowOfEachGroup) {
  const int n = Numbered(2, 5);
  struct Case {
    int size;
    int rows[5];
  };
  const Case cases[] = {
      {2, {0, 0, 2, 2, 4}}, {3, {0, 0, 0, 3, 3}},  {1, {0, 1, 2, 3, 4}},
      {0, {0, 1, 2, 3, 4}}, {-4, {0, 1, 2, 3, 4}},  // below 1: rows unchanged
  };
  for (const Case& c : cases) {
    Fill(kBlue);
    elDraw::MosaicLayer(20, 30, c.size, n, 0, 0, 2, 5);
    for (int y = 0; y < 5; ++y)
      EXPECT_EQ(BackRow(20, 30 + y, 2), NumberedRow(0, c.rows[y], 2)) << c.size << " " << y;
    EXPECT_EQ(Back(20, 35), kBlue);
  }
  Fill(kBlue);
  elDraw::MosaicLayer(20, 30, 2, n, 0, 1, 2, 5);  // groups start at Y1
  EXPECT_EQ(Back(20, 31), N(0, 1));
  EXPECT_EQ(Back(20, 32), N(0, 3));
}

// Which destination rows (0 to 6 below Py) a LineLayer call drew.
std::vector<int> DrawnRows() {
  std::vector<int> rows;
  for (int y = 0; y < 7; ++y)
    if (DDBack->GetPixel(20, 30 + y) != kBlue) rows.push_back(y);
  return rows;
}

TEST_F(DrawLayerRows, LinesKeepEverySizethRowOrRandomGaps) {
  const int n = Numbered(2, 7);
  Fill(kBlue);
  elDraw::LineLayer(20, 30, 2, n, 0, 0, 2, 7);
  EXPECT_EQ(DrawnRows(), (std::vector<int>{2, 4, 6}));
  EXPECT_EQ(Back(21, 34), N(1, 4)) << "each row at its own place";
  Fill(kBlue);
  elDraw::LineLayer(20, 30, 3, n, 0, 0, 2, 7);
  EXPECT_EQ(DrawnRows(), (std::vector<int>{3, 6}));
  Fill(kBlue);
  elDraw::LineLayer(20, 30, 0, n, 0, 0, 2, 7);
  EXPECT_EQ(DrawnRows(), std::vector<int>{});
  // Negative: gaps of 1 to -Size drawn from the standard generator.
  for (const unsigned seed : {1u, 2u, 3u, 4u}) {
    std::srand(seed);
    std::vector<int> expected;
    for (int y = std::rand() % 3 + 1; y < 7; y += std::rand() % 3 + 1) expected.push_back(y);
    std::srand(seed);
    Fill(kBlue);
    elDraw::LineLayer(20, 30, -3, n, 0, 0, 2, 7);
    EXPECT_EQ(DrawnRows(), expected) << seed;
  }
}

TEST_F(DrawLayerRows, RandomShiftsEachRowOrDrawsOnePlainLayer) {
  const int n = Numbered(2, 4);
  std::srand(9);
  std::vector<int> shifts;
  for (int y = 0; y < 4; ++y) shifts.push_back(std::rand() % 6 - 3);
  std::srand(9);
  Fill(kBlue);
  elDraw::RandomLayer(100, 30, 3, n, 0, 0, 2, 4);
  for (int y = 0; y < 4; ++y)
    EXPECT_EQ(BackRow(100 + shifts[y], 30 + y, 2), NumberedRow(0, y, 2)) << y;
  for (const int size : {0, -5}) {
    Fill(kBlue);
    elDraw::RandomLayer(100, 30, size, n, 0, 0, 2, 4);
    for (int y = 0; y < 4; ++y) EXPECT_EQ(BackRow(100, 30 + y, 2), NumberedRow(0, y, 2)) << size;
  }
  Fill(kBlue);
  elDraw::RandomLayer(100, 30, std::numeric_limits<int>::max(), n, 0, 0, 2, 4);  // no overflow
}

}  // namespace
