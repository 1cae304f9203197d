// Number guards of the layer effects: real results that may be huge or not a
// number, and coordinates that must fit the engine's int arguments.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace el::draw {

// `v` truncated toward zero, or nothing when it is not a number or too large
// to be a coordinate of anything.
inline std::optional<int64_t> Truncated(double v) {
  constexpr double kLimit = 4.0e18;
  if (!(std::fabs(v) < kLimit)) return std::nullopt;
  return static_cast<int64_t>(v);
}

inline bool FitsInt(int64_t v) {
  return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
}

// The non-negative remainder of `v` by `size` (> 0).
inline int64_t PositiveModulo(int64_t v, int64_t size) {
  const int64_t r = v % size;
  return r < 0 ? r + size : r;
}

}  // namespace el::draw
