// Turns painted pictures into paletted ones for the 8-bit and 4-bit files.
#pragma once

#include <optional>

#include "demo/generator/image.h"

namespace demo {

// The picture's own colours in order of first appearance (rows from the top),
// or nothing when it holds more than `max_colours`. Exact: no colour changes,
// so keyed white stays white.
std::optional<PalettedImage> ExactPalette(const Image& image, size_t max_colours);

// A fixed 6 x 7 x 6 colour cube (252 entries) with ordered dithering, for
// pictures with gradients. Pure black and pure white map to themselves.
PalettedImage DitherToCube(const Image& image);

}  // namespace demo
