// The timed reveal: one more character cell every `wait` seconds, then the
// whole box (which also brings in the hanging characters that have no cell).
#pragma once

#include <functional>

#include "engine/el.h"

namespace el::font {

using CopyCell = std::function<void(const elFont::_textpos& rect)>;

// One frame: copies what is shown so far through `copy` and advances the
// reveal; 1 once the whole text is shown.
int RevealStep(float wait, float frame_time, int font_count, const elFont::_textpos* cells,
               int* show_count, float* show_wait, const CopyCell& copy);

}  // namespace el::font
