// Small helpers the story screen's units share.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/el.h"

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

// Every text of the player's screens is gothic, neither rounded, italic nor
// underlined, on a transparent background.
inline void BeginGothic(int size_px, bool bold) {
  elFont::Begin(/*Type=*/1, size_px, 0, bold ? 1 : 0, 0, 0);
}
inline void TextColor(uint32_t color) {
  elFont::Color(color, 0, /*Mode=transparent*/ 1);
}

}  // namespace runtime::story
