// The line layout of the rectangle text drawing: carriage return and line
// feed start new lines; with word break, lines are wrapped at the right edge
// where a space separates words and before or after a double-byte character.
// A word wider than the whole line is not cut: it stands alone and is clipped.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "platform/text/text_chars.h"

namespace platform::text {

struct LaidLine {
  size_t first = 0;  // characters [first, last) are drawn
  size_t last = 0;
  int width_px = 0;
};

// `advances[i]` is the advance of `chars[i]`. The spaces where a line was
// wrapped belong to no line; spaces at the end of a paragraph do not count
// towards its width. A final line break does not open an empty last line.
std::vector<LaidLine> LayOutLines(std::span<const TextChar> chars, std::span<const int> advances,
                                  int wrap_width_px, bool word_break);

}  // namespace platform::text
