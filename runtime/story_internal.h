// Small helpers the story screen's units share.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace runtime::story {

// Layout numbers come from the project file and may hold anything; positions
// are worked out in 64 bits and brought back into the range of a coordinate
// so that no sum overflows on the way to the engine.
constexpr int ClampToInt(int64_t value) {
  return static_cast<int>(
      std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The advance mode after `mode`: manual, slow, normal, fast, then manual again.
constexpr int NextAdvanceMode(int mode) {
  return mode < 0 || mode >= 3 ? 0 : mode + 1;
}

}  // namespace runtime::story
