// Where drawing landed on a surface: the box of the pixels that differ from
// a background value, and counts of pixels of one value.
#pragma once

#include <cstdint>

#include "platform/surface.h"

namespace test_support {

// The smallest rectangle holding every pixel that is not `background`
// (right and bottom exclusive); empty when there is none.
platform::Rect InkBox(const platform::Surface& surface, uint32_t background);
platform::Rect InkBox(const platform::Surface& surface, uint32_t background,
                      const platform::Rect& area);
// Pixels inside `area` whose raw value is `value`.
int CountPixels(const platform::Surface& surface, uint32_t value, const platform::Rect& area);
int CountPixels(const platform::Surface& surface, uint32_t value);

}  // namespace test_support
