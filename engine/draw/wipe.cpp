// Wipe transitions: the virtual screen grows from a pattern's start to the
// saved rectangle (wipe in) or shrinks from it to nothing (wipe out), a
// frame-time-proportional distance per frame, so that drawing clipped by it
// reveals the new picture or freezes the old one.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "engine/el.h"

namespace {

// No edge moves further than this in one frame: more than any screen, and
// far from the range where edge arithmetic could overflow.
constexpr float kMaxStepPx = 1 << 24;
constexpr int kPatternCount = 9;

// The saved rectangle's centre and the half slit of patterns 8 and 9.
struct Centre {
  int cx, cy, h;
};

Centre SavedCentre() {
  const auto mid = [](int a, int b) {
    return static_cast<int>(int64_t{a} + (int64_t{b} - int64_t{a}) / 2);
  };
  return {mid(elDraw::Wx1, elDraw::Wx2), mid(elDraw::Wy1, elDraw::Wy2), elDraw::EffectSize / 2};
}

// Moves an edge by `delta`, held inside the range of a coordinate.
void Move(int& edge, int64_t delta) {
  edge = static_cast<int>(std::clamp<int64_t>(
      int64_t{edge} + delta, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// This frame's distance: the frame time times the speed, truncated, plus one,
// so that every frame moves at least one pixel (a zero, negative or
// undefined speed would otherwise never end the wipe).
int StepPx() {
  const float distance = FrameTime * elDraw::EffectSpeed;
  if (!(distance > 0.0f)) return 1;
  return static_cast<int>(std::min(distance, kMaxStepPx)) + 1;
}

bool AtSaved() {
  return elDraw::Vx1 == elDraw::Wx1 && elDraw::Vy1 == elDraw::Wy1 && elDraw::Vx2 == elDraw::Wx2 &&
         elDraw::Vy2 == elDraw::Wy2;
}

// Wipe in: one axis opens by d on both sides; full once either edge passes.
// True when it is full.
bool OpenAxis(int& low, int& high, int full_low, int full_high, int d) {
  Move(low, -d);
  Move(high, d);
  if (low > full_low && high < full_high) return false;
  low = full_low, high = full_high;
  return true;
}

// Patterns 8 and 9 of a wipe in: the slit first opens along its own axis
// `s`, then across it along `o`.
void OpenSlitThenAcross(int& s1, int& s2, int full_s1, int full_s2, int& o1, int& o2, int full_o1,
                        int full_o2, int d) {
  if (s1 != full_s1 || s2 != full_s2) {
    OpenAxis(s1, s2, full_s1, full_s2, d);
  } else {
    OpenAxis(o1, o2, full_o1, full_o2, d);
  }
}

// Wipe out: one axis closes by d on both sides; meets at `centre` once the
// edges cross.
void CloseAxis(int& low, int& high, int centre, int d) {
  Move(low, d);
  Move(high, -d);
  if (low >= high) low = high = centre;
}

void StartWipeIn(int type) {
  const Centre c = SavedCentre();
  int& x1 = elDraw::Vx1;
  int& y1 = elDraw::Vy1;
  int& x2 = elDraw::Vx2;
  int& y2 = elDraw::Vy2;
  switch (type) {
    case 1:
      y1 = elDraw::Wy2;
      break;
    case 2:
      y2 = elDraw::Wy1;
      break;
    case 3:
      x1 = elDraw::Wx2;
      break;
    case 4:
      x2 = elDraw::Wx1;
      break;
    case 5:
      y1 = y2 = c.cy;
      break;
    case 6:
      x1 = x2 = c.cx;
      break;
    case 7:
      x1 = x2 = c.cx, y1 = y2 = c.cy;
      break;
    case 8:
      x1 = c.cx - c.h, x2 = c.cx + c.h, y1 = y2 = c.cy;
      break;
    case 9:
      x1 = x2 = c.cx, y1 = c.cy - c.h, y2 = c.cy + c.h;
      break;
    default:
      break;
  }
}

// One frame of a wipe in; true when it reached the saved rectangle.
bool StepWipeIn(int type, int d) {
  int& x1 = elDraw::Vx1;
  int& y1 = elDraw::Vy1;
  int& x2 = elDraw::Vx2;
  int& y2 = elDraw::Vy2;
  const int wx1 = elDraw::Wx1, wy1 = elDraw::Wy1, wx2 = elDraw::Wx2, wy2 = elDraw::Wy2;
  switch (type) {
    case 1:
      Move(y1, -d);
      return y1 <= wy1;
    case 2:
      Move(y2, d);
      return y2 >= wy2;
    case 3:
      Move(x1, -d);
      return x1 <= wx1;
    case 4:
      Move(x2, d);
      return x2 >= wx2;
    case 5:
      return OpenAxis(y1, y2, wy1, wy2, d);
    case 6:
      return OpenAxis(x1, x2, wx1, wx2, d);
    case 7:
      OpenAxis(x1, x2, wx1, wx2, d);
      OpenAxis(y1, y2, wy1, wy2, d);
      return AtSaved();
    case 8:
      OpenSlitThenAcross(y1, y2, wy1, wy2, x1, x2, wx1, wx2, d);
      return AtSaved();
    case 9:
      OpenSlitThenAcross(x1, x2, wx1, wx2, y1, y2, wy1, wy2, d);
      return AtSaved();
    default:
      return false;
  }
}

// Patterns 8 and 9 of a wipe out: first the axis `slit` closes to the slit
// around its centre, then the other axis closes; true when that one is shut.
bool StepSlitOut(int& s1, int& s2, int centre, int h, int& o1, int& o2, int d) {
  if (s1 != centre - h && s2 != centre + h) {
    Move(s1, d);
    Move(s2, -d);
    if (s1 >= centre - h || s2 <= centre + h) s1 = centre - h, s2 = centre + h;
    return false;
  }
  Move(o1, d);
  Move(o2, -d);
  return o1 >= o2;
}

// One frame of a wipe out; true when the virtual screen is shut.
bool StepWipeOut(int type, int d) {
  const Centre c = SavedCentre();
  int& x1 = elDraw::Vx1;
  int& y1 = elDraw::Vy1;
  int& x2 = elDraw::Vx2;
  int& y2 = elDraw::Vy2;
  switch (type) {
    case 1:
      Move(y1, d);
      return y1 >= elDraw::Wy2;
    case 2:
      Move(y2, -d);
      return y2 <= elDraw::Wy1;
    case 3:
      Move(x1, d);
      return x1 >= elDraw::Wx2;
    case 4:
      Move(x2, -d);
      return x2 <= elDraw::Wx1;
    case 5:
      Move(y1, d), Move(y2, -d);
      return y1 >= y2;
    case 6:
      Move(x1, d), Move(x2, -d);
      return x1 >= x2;
    case 7:
      CloseAxis(x1, x2, c.cx, d);
      CloseAxis(y1, y2, c.cy, d);
      return x1 == x2 && y1 == y2;
    case 8:
      return StepSlitOut(x1, x2, c.cx, c.h, y1, y2, d);
    case 9:
      return StepSlitOut(y1, y2, c.cy, c.h, x1, x2, d);
    default:
      return false;
  }
}

}  // namespace

int elDraw::SetWipe(int InOut, int Type, float Speed, int Size) {
  if (EffectOn > 0) return 0;
  // A pattern the table does not have would open nothing and never end.
  if (Type < 0 || Type > kPatternCount) return 0;
  if (EffectOn == -1) VirtualScreen(Wx1, Wy1, Wx2, Wy2);
  Wx1 = Vx1, Wy1 = Vy1, Wx2 = Vx2, Wy2 = Vy2;
  if (Type == 0) Type = std::rand() % kPatternCount + 1;
  WipeIn = WipeOut = 0;
  EffectInOut = InOut;
  EffectType = Type;
  EffectSpeed = Speed;
  EffectSize = Size;
  if (InOut == 0) {
    EffectOn = 1;
    StartWipeIn(Type);
  } else {
    EffectOn = 2;
  }
  return 1;
}

void elDraw::SetWipeOut() {
  // While a wipe runs or the screen is already shut, the virtual screen is
  // partial or empty and the saved rectangle is the full one: keep it, or the
  // next wipe would restore a screen that shows nothing.
  if (EffectOn == 0) Wx1 = Vx1, Wy1 = Vy1, Wx2 = Vx2, Wy2 = Vy2;
  Vx2 = Vx1;
  Vy2 = Vy1;
  EffectOn = -1;
}

int elDraw::Wipe() {
  if (EffectOn <= 0) return 0;
  const int d = StepPx();
  if (EffectOn == 1) {
    if (StepWipeIn(EffectType, d)) {
      VirtualScreen(Wx1, Wy1, Wx2, Wy2);
      EffectOn = 0;
      WipeIn = 1;
    }
  } else if (StepWipeOut(EffectType, d)) {
    EffectOn = -1;
    WipeOut = 1;
  }
  return 1;
}
