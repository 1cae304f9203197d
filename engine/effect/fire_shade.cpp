// The rising fire and the in-place blur of a rectangle of the back surface.
// Both read the four neighbours of each visited pixel, so the visit is kept
// one pixel inside the surface whatever the rectangle says.
#include "engine/draw/internal/pixel16.h"
#include "engine/effect/internal/effect.h"

namespace {

using el::effect::Cool;
using el::effect::Cooling;
using el::effect::Inside;
using el::effect::Span;
using pixel16::Channels;

// Where Fire and Shade stand in FireRandomList; each overload has its own.
struct FireWalk {
  int count = 0;
  int count2 = 0;
  // True when the next pixel is blurred, false when it is copied.
  bool Blur() {
    ++count;
    if (count < elEffect::FireRandomList[count2]) return true;
    count = 0;
    count2 = el::effect::NextIndex(count2);
    return false;
  }
};

// The channel-wise mean of the four neighbours of (c, r), cooled.
uint16_t Average4(pixel16::Lock& back, int c, int r, const Cooling& cooling) {
  Channels sum{0, 0, 0};
  for (const uint16_t p :
       {back.At(c - 1, r), back.At(c + 1, r), back.At(c, r - 1), back.At(c, r + 1)}) {
    const Channels v = pixel16::Five(p);
    sum.r += v.r, sum.g += v.g, sum.b += v.b;
  }
  return pixel16::PackFive(Cool(sum.r >> 2, cooling.r), Cool(sum.g >> 2, cooling.g),
                           Cool(sum.b >> 2, cooling.b));
}

int FireStep(FireWalk& walk, const Cooling& cooling, int px, int py, unsigned width,
             unsigned height) {
  pixel16::Lock back(DDBack.get());
  if (!back.Ok()) return 0;
  const Span rows = Inside(int64_t{py} + 2, int64_t{py} + height - 1, 1, back.Height());
  const Span cols = Inside(int64_t{px} + 1, int64_t{px} + width - 2, 1, back.Width());
  for (auto r = static_cast<int>(rows.first); r <= rows.last; ++r)
    for (auto c = static_cast<int>(cols.first); c <= cols.last; ++c)
      back.At(c, r - 1) = walk.Blur() ? Average4(back, c, r, cooling) : back.At(c, r);
  return 1;
}

int ShadeStep(const Cooling& cooling, int px, int py, unsigned width, unsigned height) {
  pixel16::Lock back(DDBack.get());
  if (!back.Ok()) return 0;
  const Span rows = Inside(int64_t{py} + 1, int64_t{py} + height - 2, 1, back.Height());
  const Span cols = Inside(int64_t{px} + 1, int64_t{px} + width - 2, 1, back.Width());
  for (auto r = static_cast<int>(rows.first); r <= rows.last; ++r)
    for (auto c = static_cast<int>(cols.first); c <= cols.last; ++c)
      back.At(c, r) = Average4(back, c, r, cooling);
  return 1;
}

Cooling Selected(int red, int green, int blue) {
  return {red != 0, green != 0, blue != 0};
}

}  // namespace

int elEffect::Fire(int Px, int Py, unsigned Width, unsigned Height) {
  static FireWalk walk;
  return FireStep(walk, {}, Px, Py, Width, Height);
}

int elEffect::Fire(int Red, int Green, int Blue, int Px, int Py, unsigned Width, unsigned Height) {
  static FireWalk walk;
  return FireStep(walk, Selected(Red, Green, Blue), Px, Py, Width, Height);
}

int elEffect::Shade(int Px, int Py, unsigned Width, unsigned Height) {
  return ShadeStep({}, Px, Py, Width, Height);
}

int elEffect::Shade(int Red, int Green, int Blue, int Px, int Py, unsigned Width, unsigned Height) {
  return ShadeStep(Selected(Red, Green, Blue), Px, Py, Width, Height);
}
