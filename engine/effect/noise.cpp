// Additive noise from FireRandomList over a rectangle of the back surface.
#include <algorithm>

#include "engine/draw/internal/pixel16.h"
#include "engine/effect/internal/effect.h"

namespace {

using el::effect::Inside;
using el::effect::Span;

struct Selection {
  bool r = true, g = true, b = true;
};

int NoiseStep(int& count, const Selection& selected, int force, int px, int py, unsigned width,
              unsigned height) {
  pixel16::Lock back(DDBack.get());
  if (!back.Ok()) return 0;
  // Any shift of 5 or more lifts a non-zero entry past 31 already; holding
  // the count there keeps the shift defined.
  const int shift = std::clamp(force, 0, 5);
  const Span rows = Inside(py, int64_t{py} + height - 1, 0, back.Height());
  const Span cols = Inside(px, int64_t{px} + width - 1, 0, back.Width());
  for (auto r = static_cast<int>(rows.first); r <= rows.last; ++r) {
    uint16_t* row = back.Row(r);
    for (auto c = static_cast<int>(cols.first); c <= cols.last; ++c) {
      const int add = elEffect::FireRandomList[count] << shift;
      count = el::effect::NextIndex(count);
      const pixel16::Channels v = pixel16::Five(row[c]);
      const auto lift = [add](int channel, bool on) {
        return on ? std::min(31, channel + add) : channel;
      };
      row[c] =
          pixel16::PackFive(lift(v.r, selected.r), lift(v.g, selected.g), lift(v.b, selected.b));
    }
  }
  return 1;
}

}  // namespace

int elEffect::Noise(int Force, int Px, int Py, unsigned Width, unsigned Height) {
  static int count = 0;
  return NoiseStep(count, {}, Force, Px, Py, Width, Height);
}

int elEffect::Noise(int Red, int Green, int Blue, int Force, int Px, int Py, unsigned Width,
                    unsigned Height) {
  static int count = 0;
  return NoiseStep(count, {Red != 0, Green != 0, Blue != 0}, Force, Px, Py, Width, Height);
}
