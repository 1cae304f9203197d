// Pieces shared by the procedural effects: the walk through FireRandomList
// and the part of a rectangle that lies on a surface.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "engine/el.h"

namespace el::effect {

inline constexpr int kRandomListSize = 10000;

// A position in FireRandomList; past the end it starts again at a random
// entry among the first thousand (the standard library generator).
inline int NextIndex(int index) {
  return index + 1 < kRandomListSize ? index + 1 : std::rand() % 1000;
}

// A span [first, last] of coordinates (inclusive), empty when last < first.
struct Span {
  int64_t first, last;
};
// The part of [first, last] that keeps `margin` pixels inside [0, size).
inline Span Inside(int64_t first, int64_t last, int margin, int size) {
  return {std::max<int64_t>(first, margin), std::min<int64_t>(last, size - 1 - margin)};
}

// Channel flags of the colour forms, and the cooling they apply.
struct Cooling {
  bool r = false, g = false, b = false;
};
inline int Cool(int v, bool selected) {
  return selected && v > 0 ? v - 1 : v;
}

}  // namespace el::effect
