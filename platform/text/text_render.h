// Drawing a run of characters onto a surface: the opaque cell background,
// the monochrome glyphs in the text colour and the underline, all along the
// font's escapement and clipped to a rectangle.
#pragma once

#include <cstdint>
#include <span>

#include "platform/font.h"
#include "platform/surface.h"
#include "platform/text/text_chars.h"

namespace platform::text {

struct TextStyle {
  uint32_t text_color_ref = 0;
  uint32_t bk_color_ref = 0xFFFFFF;
  bool opaque = false;  // fill the character cells with the background colour
};

// The width of the run: the sum of the glyph advances.
int MeasureRun(const Font& font, std::span<const TextChar> chars);

// Draws the run with the top-left corner of its first cell at (x, y); nothing
// lands outside `clip` or the surface. Returns a rectangle holding every
// pixel written (empty when none was).
Rect DrawRun(Surface& surface, const Font& font, std::span<const TextChar> chars, int x, int y,
             const Rect& clip, const TextStyle& style);

}  // namespace platform::text
