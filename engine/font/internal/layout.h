// The character-by-character layout of the positioned and the anti-aliased
// text drawing, written against a small drawing target so that cell
// placement, hanging characters, line pitch, the cell table's bound and the
// line flushes can be checked without a display.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/el.h"

namespace el::font {

inline constexpr int kMaxCells = 3200;  // entries of elFont::TextPos
// Coordinates are kept within this range so that no sum can overflow.
inline constexpr int kCoordinateLimit = 1 << 24;

struct Extent {
  int cx = 0;
  int cy = 0;
};

struct Box {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct Colors {
  uint32_t text = 0;
  uint32_t back = 0;
};

// What the layout needs from the surface it draws on.
class GlyphTarget {
 public:
  virtual ~GlyphTarget() = default;
  virtual Extent Measure(std::string_view character) = 0;
  // One plain draw of the character with its cell's top-left at (x, y).
  virtual void Draw(int x, int y, std::string_view character, uint32_t color) = 0;
};

// The anti-aliased layout also flushes each double-size line: the scratch
// rectangle (0, 0)-(width, height) is filtered to (px, py) and cleared.
class LineTarget : public GlyphTarget {
 public:
  virtual void FlushLine(int px, int py, int width, int height) = 0;
};

// The character at `pos`, as long as platform::Cp932CharLength says: a lead
// byte takes its trail (a lead byte as the last byte stands alone), a line
// feed or any other byte is one byte.
std::string_view CharAt(std::string_view text, size_t pos);
bool IsHanging(std::string_view character);
// Colours whose three components are all below 16 become (16, 16, 16): pure
// black is the transparent colour of the text sprites.
uint32_t LiftNearBlack(uint32_t color);
Box ClampBox(int x1, int y1, int x2, int y2);

// The shadow, the plain draw and the thickening passes of one character;
// the shadow lies `shadow_px` (plus one per thickening) down and right.
void DrawWithEffects(GlyphTarget& target, int x, int y, std::string_view character, uint16_t effect,
                     const Colors& colors, int shadow_px);

// The positioned drawing: cells into `cells` (entry 0 the bounding box) and
// their count plus one into `count`.
void LayOutPositioned(std::string_view text, const Box& box, uint16_t effect, int font_height,
                      const Colors& colors, GlyphTarget& target, elFont::_textpos* cells,
                      int* count);

// The anti-aliased drawing: `font_height` is the double size, lines are
// composed at double size in a scratch `scratch_width` pixels wide.
void LayOutAntialiased(std::string_view text, const Box& box, uint16_t effect, int font_height,
                       int scratch_width, const Colors& colors, LineTarget& target,
                       elFont::_textpos* cells, int* count);

}  // namespace el::font
