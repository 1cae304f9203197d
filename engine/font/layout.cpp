#include "engine/font/internal/layout.h"

#include <algorithm>

#include "platform/encoding.h"

namespace el::font {
namespace {

constexpr uint16_t kShadow = 0x100;
constexpr uint16_t kThickenX = 0x200;
constexpr uint16_t kThickenY = 0x400;

void Enlarge(uint16_t effect, int shadow_px, Extent* e) {
  if (effect & kShadow) {
    e->cx += shadow_px;
    e->cy += shadow_px;
  }
  if (effect & kThickenX) ++e->cx;
  if (effect & kThickenY) ++e->cy;
}

int Clamp(int v) {
  return std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
}

// Cell and bounding-box bookkeeping shared by both layouts.
void Record(elFont::_textpos* cells, int* count, int x1, int y1, int x2, int y2) {
  cells[*count] = {x1, y1, x2, y2};
  ++*count;
}

void Widen(elFont::_textpos* box, int x2, int y2) {
  box->X2 = std::max(box->X2, x2);
  box->Y2 = std::max(box->Y2, y2);
}

}  // namespace

std::string_view CharAt(std::string_view text, size_t pos) {
  return text.substr(std::min(pos, text.size()), platform::Cp932CharLength(text, pos));
}

bool IsHanging(std::string_view character) {
  return std::any_of(std::begin(OutData), std::end(OutData),
                     [&](const char* hanging) { return character == hanging; });
}

uint32_t LiftNearBlack(uint32_t color) {
  const bool dark =
      (color & 0xFF) < 16 && ((color >> 8) & 0xFF) < 16 && ((color >> 16) & 0xFF) < 16;
  return dark ? 0x101010u : color;
}

Box ClampBox(int x1, int y1, int x2, int y2) {
  return {Clamp(x1), Clamp(y1), Clamp(x2), Clamp(y2)};
}

void DrawWithEffects(GlyphTarget& target, int x, int y, std::string_view character, uint16_t effect,
                     const Colors& colors, int shadow_px) {
  if (effect & kShadow) {
    const int sx = shadow_px + ((effect & kThickenX) ? 1 : 0);
    const int sy = shadow_px + ((effect & kThickenY) ? 1 : 0);
    target.Draw(x + sx, y + sy, character, colors.back);
  }
  target.Draw(x, y, character, colors.text);
  if (effect & kThickenX) {
    target.Draw(x + 1, y, character, colors.text);
    if (effect & kThickenY) target.Draw(x + 1, y + 1, character, colors.text);
  }
  if (effect & kThickenY) target.Draw(x, y + 1, character, colors.text);
}

void LayOutPositioned(std::string_view text, const Box& box, uint16_t effect, int font_height,
                      const Colors& colors, GlyphTarget& target, elFont::_textpos* cells,
                      int* count) {
  int dx = box.x1, dy = box.y1;
  int pitch = Clamp(font_height) + (effect & 0xFF);
  cells[0] = {dx, dy, dx, dy};  // the box of this drawing only
  *count = 1;
  std::string_view current;  // the last character taken (a line feed keeps it)
  bool line_empty = true;
  size_t i = 0;
  while (i < text.size() && *count < kMaxCells) {
    const bool line_feed = text[i] == '\n';
    Extent e;
    size_t length = 1;
    if (!line_feed) {
      current = CharAt(text, i);
      length = current.size();
      e = target.Measure(current);
      Enlarge(effect, 1, &e);
    }
    Record(cells, count, dx, dy, dx + e.cx, dy + e.cy);
    dx += e.cx;
    pitch = std::max(pitch, e.cy);
    if (dx <= box.x2 && !line_feed) {
      DrawWithEffects(target, dx - e.cx, dy, current, effect, colors, 1);
      Widen(&cells[0], dx + e.cx, dy + e.cy);
      line_empty = false;
      i += length;
      continue;
    }
    --*count;  // the cell is withdrawn
    if (dx > box.x2 && IsHanging(current)) {
      DrawWithEffects(target, dx - e.cx, dy, current, effect, colors, 1);
      i += length;
    } else if (line_feed) {
      i += length;
    } else if (line_empty) {
      break;  // wider than the whole box: it would move down line by line
    }
    dx = box.x1;
    dy += pitch;
    line_empty = true;
    if (dy + pitch >= box.y2) break;
  }
}

void LayOutAntialiased(std::string_view text, const Box& box, uint16_t effect, int font_height,
                       int scratch_width, const Colors& colors, LineTarget& target,
                       elFont::_textpos* cells, int* count) {
  const int base_pitch = Clamp(font_height) + (effect & 0xFF);
  int dx = box.x1, dy = box.y1, sx = 0, sy = base_pitch;
  cells[0] = {dx, dy, dx, dy};
  *count = 1;
  const auto flush = [&] {
    int height = sy;
    const int excess = dy + sy / 2 - box.y2;
    if (excess > 0) height -= 2 * excess;  // nothing lands below the box
    Widen(&cells[0], dx + sx / 2, dy + height / 2);
    target.FlushLine(dx, dy, sx, height);
  };
  std::string_view current;
  size_t i = 0;
  while (i < text.size() && *count < kMaxCells) {
    const bool line_feed = text[i] == '\n';
    Extent e;
    size_t length = 1;
    if (!line_feed) {
      current = CharAt(text, i);
      length = current.size();
      DrawWithEffects(target, sx, 0, current, effect, colors, 2);
      e = target.Measure(current);
      e.cx += e.cx & 1;
      e.cy += e.cy & 1;
      Enlarge(effect, 2, &e);
    }
    Record(cells, count, dx + sx / 2, dy, dx + sx / 2 + e.cx / 2, dy + e.cy / 2);
    const int line_sx = sx;
    sx += e.cx;
    sy = std::max(sy, e.cy);
    const bool edge = dx + sx / 2 >= box.x2;
    if (!edge && sx < scratch_width && !line_feed) {
      i += length;
      continue;
    }
    --*count;
    if ((edge && IsHanging(current)) || line_feed) {
      i += length;
    } else {
      sx -= e.cx;  // taken again after the flush
      // First on a line that starts at the box's left edge (or wider than the
      // scratch): it can never fit.
      if (line_sx == 0 && (dx == box.x1 || !edge)) break;
    }
    flush();
    dx += sx / 2;
    if (dx + e.cx / 2 >= box.x2 || line_feed) {
      dx = box.x1;
      dy += sy / 2;
    }
    sx = 0;
    sy = base_pitch;
    if (dy >= box.y2) break;
  }
  if (sx != 0) flush();
}

}  // namespace el::font
