// Tunnels: the table's texture positions for every distance type, depth line
// and moving centre, the undefined points, sizes the table cannot hold, and
// the drawing through a table (set by hand or built).
#include <limits>
#include <vector>

#include "tests/engine/draw_layer_fixture.h"

namespace {

using test_support::kBlue;
using test_support::LayerEffectTest;
using test_support::N;

using DrawLayerTunnel = LayerEffectTest;

struct Position {
  int x, y;
  bool operator==(const Position&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Position& p) {
  return out << "(" << p.x << ", " << p.y << ")";
}

Position At(int column, int row) {
  const auto& r = elDraw::TunnelList[row * elDraw::TunnelDisplayX + column];
  return {r.x, r.y};
}

std::vector<Position> Table() {
  std::vector<Position> table;
  for (int i = 0; i < elDraw::TunnelDisplayX * elDraw::TunnelDisplayY; ++i)
    table.push_back({elDraw::TunnelList[i].x, elDraw::TunnelList[i].y});
  return table;
}

// A 64 x 64 texture on 8 x 8 pixels about (4, 4), Size 8: pixel (1, 2) is
// at (-3, -2) from the centre, pixel (7, 5) at (3, 1).
TEST_F(DrawLayerTunnel, PositionsFollowEachTypeAndLine) {
  struct Case {
    int type, line;
    Position at_1_2, at_7_5;
  };
  const Case cases[] = {
      {0, 0, {38, 2}, {3, 3}},   {1, 0, {38, 4}, {3, 4}},   {2, 0, {38, 6}, {3, 9}},
      {3, 0, {38, 9}, {3, 23}},  {4, 0, {38, 4}, {3, 4}},   {5, 0, {38, 9}, {3, 23}},
      {6, 0, {38, 2}, {3, 2}},   {0, 1, {38, 49}, {3, 58}}, {0, 2, {38, 36}, {3, 61}},
      {0, 3, {38, 30}, {3, 42}}, {0, 4, {38, 36}, {3, 63}}, {0, 5, {38, 45}, {3, 62}},
  };
  for (const Case& c : cases) {
    elDraw::CreateTunnel(64, 64, 8, 8, -1, -1, 8, 0, c.type, c.line);
    EXPECT_EQ(At(1, 2), c.at_1_2) << c.type << " " << c.line;
    EXPECT_EQ(At(7, 5), c.at_7_5) << c.type << " " << c.line;
  }
  EXPECT_EQ(elDraw::TunnelSpriteX, 64);
  EXPECT_EQ(elDraw::TunnelDisplayY, 8);
  // Centre (0, 0): a negative row is raised by the texture height until it
  // is not negative.
  elDraw::CreateTunnel(64, 64, 8, 8, 0, 0, 8, 0, 0, 3);
  EXPECT_EQ(At(1, 0), (Position{0, 32}));  // trunc(-160.9) + 3 x 64
}

TEST_F(DrawLayerTunnel, UndefinedPointsShowTheFirstRowAndOddArgumentsFallBack) {
  elDraw::CreateTunnel(64, 64, 8, 8, -1, -1, 8, 0, 0, 0);
  EXPECT_EQ(At(4, 4), (Position{0, 0})) << "the centre: distance 0";
  elDraw::CreateTunnel(64, 64, 8, 8, -1, -1, 8, 0, 0, 5);
  EXPECT_EQ(At(1, 4), (Position{32, 0})) << "centre row: the smaller offset is 0";
  elDraw::CreateTunnel(64, 64, 8, 8, -1, -1, 8, 0, 3, 0);
  EXPECT_EQ(At(4, 1), (Position{48, 0})) << "centre column: the smaller distance is 0";
  struct Same {
    int size, type, line;     // this table
    int size2, type2, line2;  // equals this one
  };
  const Same same[] = {
      {-1, 0, 0, 8, 0, 0}, {1, 0, 0, 2, 0, 0},  {0, 0, 0, 2, 0, 0}, {-5, 2, 1, 2, 2, 1},
      {8, 7, 0, 8, 0, 0},  {8, -1, 2, 8, 0, 2}, {8, 1, 6, 8, 1, 0}, {8, 1, -1, 8, 1, 0},
  };
  for (const Same& s : same) {
    elDraw::CreateTunnel(64, 32, 8, 6, -1, -1, s.size2, 0, s.type2, s.line2);
    const auto expected = Table();
    elDraw::CreateTunnel(64, 32, 8, 6, -1, -1, s.size, 0, s.type, s.line);
    EXPECT_EQ(Table(), expected) << s.size << " " << s.type << " " << s.line;
  }
}

// Each moving centre (on 4 x 6 pixels) gives, row by row (or pixel by pixel), the table of a
// fixed centre at the place it has moved to.
constexpr int kDx = 4, kDy = 6;

TEST_F(DrawLayerTunnel, CentresMoveRowByRow) {
  struct Case {
    int center;
    int (*cx)(int column, int row);
    int (*cy)(int column, int row);
  };
  const Case cases[] = {
      {1, [](int, int) { return -1; }, [](int, int r) { return kDy - 1 - r; }},
      {2, [](int c, int) { return kDx - 1 - c; }, [](int, int) { return -1; }},
      {3, [](int, int r) { return std::max(0, kDx - 1 - r); }, [](int, int) { return -1; }},
      {4, [](int, int r) { return std::min(kDx, r + 1); }, [](int, int) { return -1; }},
  };
  for (const Case& c : cases) {
    elDraw::CreateTunnel(64, 64, kDx, kDy, -1, -1, 8, c.center, 0, 0);
    const auto moving = Table();
    for (int r = 0; r < kDy; ++r) {
      for (int col = 0; col < kDx; ++col) {
        elDraw::CreateTunnel(64, 64, kDx, kDy, c.cx(col, r), c.cy(col, r), 8, 0, 0, 0);
        EXPECT_EQ(moving[r * kDx + col], At(col, r)) << c.center << " " << col << "," << r;
      }
    }
  }
}

TEST_F(DrawLayerTunnel, SizesTheTableCannotHoldLeaveNoTunnel) {
  const int bad[][4] = {{0, 64, 8, 8},           {64, 0, 8, 8},   {40000, 64, 8, 8},
                        {64, 64, 0, 8},          {64, 64, 8, -1}, {64, 64, 641, 480},
                        {64, 64, 100000, 100000}};
  for (const auto& b : bad) {
    elDraw::CreateTunnel(64, 64, 8, 8, -1, -1, 8, 0, 0, 0);
    elDraw::CreateTunnel(b[0], b[1], b[2], b[3], -1, -1, 8, 0, 0, 0);
    EXPECT_EQ(elDraw::TunnelSpriteX + elDraw::TunnelSpriteY + elDraw::TunnelDisplayX +
                  elDraw::TunnelDisplayY,
              0)
        << b[0] << " " << b[1] << " " << b[2] << " " << b[3];
  }
  elDraw::CreateTunnel(64, 64, 1000, 100, -1, -1, 8, 0, 0, 0);  // any shape that fits
  EXPECT_EQ(elDraw::TunnelDisplayX, 1000);
  elDraw::CreateTunnel(64, 64, 8, 8, std::numeric_limits<int>::min(),
                       std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), 2, 6, 5);
  for (const Position& p : Table()) EXPECT_TRUE(p.x >= 0 && p.x < 64 && p.y >= 0 && p.y < 64);
}

class DrawLayerTunnelTable : public DrawLayerTunnel {
 protected:
  // A 4 x 3 texture shown on 2 x 2 pixels, its records set by hand.
  void SetUp() override {
    DrawLayerTunnel::SetUp();
    elDraw::TunnelSpriteX = 4, elDraw::TunnelSpriteY = 3;
    elDraw::TunnelDisplayX = 2, elDraw::TunnelDisplayY = 2;
    const elDraw::_tunnellist records[] = {{0, 0}, {3, 2}, {1, -1}, {2, 0}};
    std::copy(std::begin(records), std::end(records), elDraw::TunnelList);
    Fill(kBlue);
  }
};

TEST_F(DrawLayerTunnelTable, CopiesTheShiftedTexturePositionsBlackIncluded) {
  test_support::Rows rows(3, std::vector<uint16_t>(4));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) rows[y][x] = N(x, y);
  rows[1][1] = 0;
  const int n = Make(rows);
  for (const int rotate : {1, 5, -3}) {
    Fill(kBlue);
    elDraw::VirtualScreen(0, 0, 5, 5);  // not consulted
    EXPECT_EQ(elDraw::TunnelLayer(10, 20, rotate, 1, n), 1);
    EXPECT_EQ(Back(10, 20), 0u) << rotate << ": (1, 1) is black";
    EXPECT_EQ(Back(11, 20), N(0, 0)) << rotate;
    EXPECT_EQ(Back(10, 21), N(2, 0)) << rotate;  // (1, -1) + (1, 1): row -1 + 1
    EXPECT_EQ(Back(11, 21), N(3, 1)) << rotate;
    EXPECT_EQ(Back(12, 20), kBlue);
    EXPECT_EQ(Back(10, 22), kBlue);
  }
}

TEST_F(DrawLayerTunnelTable, KeepsToTheSurfaceAndTheSprite) {
  const int n = Numbered(4, 3), small = Numbered(2, 2);
  EXPECT_EQ(elDraw::TunnelLayer(639, 479, 0, 0, n), 1);
  EXPECT_EQ(Back(639, 479), N(0, 0));
  EXPECT_EQ(elDraw::TunnelLayer(-1, -1, 0, 0, n), 1);
  EXPECT_EQ(Back(0, 0), N(2, 0));
  // Positions the sprite does not have are left out.
  Fill(kBlue);
  EXPECT_EQ(elDraw::TunnelLayer(10, 20, 0, 0, small), 1);
  EXPECT_EQ(Back(10, 20), N(0, 0));
  EXPECT_EQ(Back(11, 20), kBlue);  // (3, 2)
  EXPECT_EQ(Back(10, 21), kBlue);  // (1, 2)
  EXPECT_EQ(Back(11, 21), kBlue);  // (2, 0)
  EXPECT_EQ(elDraw::TunnelLayer(10, 20, 0, 0, 5000), 0) << "no sprite";
  EXPECT_EQ(elDraw::TunnelLayer(10, 20, std::numeric_limits<int>::min(),
                                std::numeric_limits<int>::max(), n),
            1);
}

TEST_F(DrawLayerTunnelTable, DrawsNothingWithoutAUsableTable) {
  const int n = Numbered(4, 3);
  const auto before = Screen();
  const int bad[][4] = {{0, 0, 0, 0},     {4, 3, 100000, 100000}, {0, 3, 2, 2},
                        {40000, 3, 2, 2}, {4, 3, -2, 2},          {4, 3, 640, 481}};
  for (const auto& b : bad) {
    elDraw::TunnelSpriteX = b[0], elDraw::TunnelSpriteY = b[1];
    elDraw::TunnelDisplayX = b[2], elDraw::TunnelDisplayY = b[3];
    EXPECT_EQ(elDraw::TunnelLayer(10, 20, 0, 0, n), 1) << b[0] << " " << b[2];
  }
  EXPECT_EQ(Screen(), before);
}

TEST_F(DrawLayerTunnel, DrawsThroughABuiltTable) {
  const int n = Numbered(16, 16);
  elDraw::CreateTunnel(16, 16, 8, 8, -1, -1, 8, 0, 0, 0);
  Fill(kBlue);
  EXPECT_EQ(elDraw::TunnelLayer(100, 100, 3, 5, n), 1);
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c) {
      const Position p = At(c, r);
      EXPECT_EQ(Back(100 + c, 100 + r), N((p.x + 3) % 16, (p.y + 5) % 16)) << c << "," << r;
    }
  platform::MarkAllSurfacesLost();
  EXPECT_EQ(elDraw::TunnelLayer(100, 100, 3, 5, n), 0);
}

}  // namespace
