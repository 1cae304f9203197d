// Tunnels: a table of one texture position per display pixel, built once for
// a centre, a distance measure and a depth rule, then drawn with a rotation
// and a distance that move the texture through it.
#include <algorithm>
#include <cmath>

#include "engine/draw/internal/draw.h"
#include "engine/draw/internal/layer_math.h"
#include "engine/draw/internal/pixel16.h"

elDraw::_tunnellist elDraw::TunnelList[640 * 480] = {};
int elDraw::TunnelSpriteX = 0, elDraw::TunnelSpriteY = 0;
int elDraw::TunnelDisplayX = 0, elDraw::TunnelDisplayY = 0;

namespace {

constexpr int64_t kTableSize = sizeof(elDraw::TunnelList) / sizeof(elDraw::TunnelList[0]);
constexpr int kLargestTexture = 32767;  // positions are signed 16-bit

// Texture and display sizes a table can be built for and drawn with: a
// texture whose positions fit the records and a display area that fits the
// table.
bool Usable(int sx, int sy, int dx, int dy) {
  return sx >= 1 && sx <= kLargestTexture && sy >= 1 && sy <= kLargestTexture && dx >= 1 &&
         dy >= 1 && int64_t{dx} * dy <= kTableSize;
}

// The distance of a display pixel from the centre, by `type`; an unknown
// type measures straight.
double Distance(int type, double dx, double dy, double cx) {
  const double ax = std::fabs(dx), ay = std::fabs(dy);
  switch (type) {
    case 1:
      return std::max(ax, ay);
    case 2:
      return (ax + ay) / 2;
    case 3:
      return std::min(ax, ay);
    case 4:
      return ax;
    case 5:
      return ay;
    case 6:
      return cx;
    default:
      return std::sqrt(dx * dx + dy * dy);
  }
}

// What the depth base is divided by, by `line`; an unknown line is flat.
double DepthDivisor(int line, double dx, double dy) {
  const double ax = std::fabs(dx), ay = std::fabs(dy);
  switch (line) {
    case 1:
      return (ay + 1) / 10;
    case 2:
      return (ax + 1) / 10;
    case 3:
      return std::max(ax, ay);
    case 4:
      return (ax + ay) / 2;
    case 5:
      return std::min(ax, ay);
    default:
      return 32;
  }
}

// A texture position folded into [0, size); one that is not defined (a
// division by 0) or beyond all measure is the texture's first.
int16_t Fold(double v, int size) {
  const auto whole = el::draw::Truncated(v);
  if (!whole) return 0;
  return static_cast<int16_t>(el::draw::PositiveModulo(*whole, size));
}

struct TunnelRule {
  int sx, sy;
  double base;
  int type, line;
};

elDraw::_tunnellist TunnelPoint(const TunnelRule& rule, int64_t dx, int64_t dy, int64_t cx,
                                int64_t cy) {
  const double fx = static_cast<double>(dx), fy = static_cast<double>(dy);
  const double distance = Distance(rule.type, fx, fy, static_cast<double>(cx));
  const double divisor = DepthDivisor(rule.line, fx, fy);
  const double x = std::atan2(fy, fx) * rule.sx / (2.0 * PAI);
  // Where the distance or the depth's divisor is 0 the depth is not defined:
  // the first texture row is shown there.
  double y = 0;
  if (distance != 0 && divisor != 0) {
    const double depth = std::fabs(rule.base / divisor);
    const auto fcx = static_cast<double>(cx), fcy = static_cast<double>(cy);
    const double centre = std::sqrt(fcx * fcx + fcy * fcy);
    y = (centre - distance) * depth / distance;
  }
  return {Fold(x, rule.sx), Fold(y, rule.sy)};
}

// The texture position after the rotation or distance, both already within
// [0, size): one subtraction in the usual case.
int Wrap(int64_t v, int size) {
  if (v >= 0 && v < size) return static_cast<int>(v);
  if (v >= size && v < 2 * int64_t{size}) return static_cast<int>(v - size);
  return static_cast<int>(el::draw::PositiveModulo(v, size));
}

}  // namespace

void elDraw::CreateTunnel(int Sx, int Sy, int Dx, int Dy, int Cx, int Cy, int Size, int Center,
                          int Type, int Line) {
  // Sizes the table cannot hold leave no tunnel rather than a wrong one.
  if (!Usable(Sx, Sy, Dx, Dy)) {
    TunnelSpriteX = TunnelSpriteY = TunnelDisplayX = TunnelDisplayY = 0;
    return;
  }
  TunnelSpriteX = Sx, TunnelSpriteY = Sy, TunnelDisplayX = Dx, TunnelDisplayY = Dy;
  int64_t cx = Cx == -1 ? Dx / 2 : Cx, cy = Cy == -1 ? Dy / 2 : Cy;
  if (Size == -1) Size = 8;
  Size = std::max(Size, 2);
  if (Center == 1) cy = Dy;
  if (Center == 3) cx = Dx;
  if (Center == 4) cx = 0;
  const TunnelRule rule{Sx, Sy, Sy / (2.0 * std::tan(PAI / Size / 2)), Type, Line};
  for (int64_t row = 0; row < Dy; ++row) {
    // The centre moves as the rows go down: up, to the right edge, left or
    // right by one.
    if (Center == 1) --cy;
    if (Center == 2) cx = Dx;
    if (Center == 3) cx = std::max<int64_t>(0, cx - 1);
    if (Center == 4) cx = std::min<int64_t>(Dx, cx + 1);
    _tunnellist* records = TunnelList + row * Dx;
    for (int64_t column = 0; column < Dx; ++column) {
      if (Center == 2) --cx;
      records[column] = TunnelPoint(rule, column - cx, row - cy, cx, cy);
    }
  }
}

int elDraw::TunnelLayer(int Px, int Py, int Rotate, int Dist, int ObjDD) {
  pixel16::Lock source(el::draw::SurfaceOf(ObjDD));
  if (!source.Ok()) return 0;
  pixel16::Lock back(DDBack.get());
  if (!back.Ok()) return 0;
  const int sx = TunnelSpriteX, sy = TunnelSpriteY, dx = TunnelDisplayX, dy = TunnelDisplayY;
  if (!Usable(sx, sy, dx, dy)) return 1;  // no table, or sizes it cannot hold
  // The virtual screen is not consulted, but nothing lands off the surface,
  // and texture positions the sprite does not have are left out.
  const int64_t c0 = std::max<int64_t>(0, -int64_t{Px});
  const int64_t c1 = std::min<int64_t>(dx, int64_t{back.Width()} - Px);
  const int64_t r0 = std::max<int64_t>(0, -int64_t{Py});
  const int64_t r1 = std::min<int64_t>(dy, int64_t{back.Height()} - Py);
  const int64_t rotate = el::draw::PositiveModulo(Rotate, sx);
  const int64_t dist = el::draw::PositiveModulo(Dist, sy);
  const int tw = std::min(sx, source.Width()), th = std::min(sy, source.Height());
  for (int64_t r = r0; r < r1; ++r) {
    const _tunnellist* records = TunnelList + r * dx;
    uint16_t* row = back.Row(static_cast<int>(Py + r));
    for (int64_t c = c0; c < c1; ++c) {
      const int x = Wrap(records[c].x + rotate, sx), y = Wrap(records[c].y + dist, sy);
      if (x < tw && y < th) row[Px + c] = source.At(x, y);
    }
  }
  return 1;
}
