#include "engine/font/internal/reveal.h"

#include <algorithm>

#include "engine/font/internal/layout.h"

namespace el::font {

int RevealStep(float wait, float frame_time, int font_count, const elFont::_textpos* cells,
               int* show_count, float* show_wait, const CopyCell& copy) {
  // The count and position are public state: keep them inside the table.
  font_count = std::clamp(font_count, 0, kMaxCells - 1);
  *show_count = std::clamp(*show_count, 0, kMaxCells);
  if (wait == 0.0f || *show_count > font_count) {
    copy(cells[0]);
    *show_count = font_count + 1;
  } else {
    for (int i = 1; i < *show_count; ++i) copy(cells[i]);
  }
  if (*show_count > font_count) return 1;
  *show_wait += frame_time;
  if (*show_wait >= wait) {
    ++*show_count;
    *show_wait = 0.0f;  // the excess is dropped: at most one cell per frame
  }
  return 0;
}

}  // namespace el::font
