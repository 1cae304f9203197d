// A 5 x 7 pixel font of capital Latin letters, digits and a little
// punctuation, for the words on the title and the logos. Lower-case letters
// are drawn as capitals; other characters as blanks.
#pragma once

#include <string_view>

#include "demo/generator/image.h"

namespace demo {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;

// Width of `text` drawn at `scale`: 6 cells a character, less the last gap.
int TextWidthPx(std::string_view text, int scale);
// Draws `text` with its top-left at (x, y), each font cell a scale x scale
// block of `colour`.
void DrawText(Image& image, int x, int y, std::string_view text, int scale, Rgb colour);
// As DrawText, centred horizontally on `centre_x`.
void DrawTextCentred(Image& image, int centre_x, int y, std::string_view text, int scale,
                     Rgb colour);
// Whether cell (column, row) of the glyph for `c` is lit.
bool GlyphCell(char c, int column, int row);

}  // namespace demo
