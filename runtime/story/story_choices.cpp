// The choice box of a page that ends with choices: up to four rows below a
// free band, the row under the pointer in red, and the pick of a row.
#include <cstdint>
#include <string>

#include "engine/el.h"
#include "runtime/story/story.h"
#include "runtime/story/story_internal.h"

namespace {

namespace field = project::field;
using runtime::story::ClampToInt;

constexpr int kRowWidthInSizes = 20;
constexpr int kBoxMargin = 5;
constexpr uint32_t kPointedColor = 0x0000FF;  // red
constexpr uint32_t kOtherColor = 0x808080;    // grey
constexpr uint32_t kOutlineColor = 0x000000;
constexpr int kChoiceLine0 = project::kMessageLines;  // text records 10-13

std::string_view ChoiceText(int row) {
  return runtime::PageText(sinariono, kChoiceLine0 + row);
}

// The box around the rows and the free band above them.
void DrawBox(const SCREENPRM& box) {
  const int64_t x = box.x;
  const int64_t y = box.y;
  const int64_t size = box.sizex;
  elDraw::Box(ClampToInt(x - kBoxMargin), ClampToInt(y + size - kBoxMargin),
              ClampToInt(x + kRowWidthInSizes * size + kBoxMargin),
              ClampToInt(y + 5 * size + kBoxMargin), selectcolor(box.sizey), kOutlineColor, 1);
}

}  // namespace

namespace runtime {

bool PointInChoiceRow(const SCREENPRM& slot, int row, int x, int y) {
  if (row < 0 || row >= project::kChoices) return false;
  const int64_t size = slot.sizex;
  const int64_t left = slot.x;
  const int64_t right = left + kRowWidthInSizes * size;
  const int64_t top = int64_t{slot.y} + (row + 1) * size;
  const int64_t bottom = top + size;
  return x >= left && x < right && y >= top && y < bottom;
}

void DrawChoices(const ScreenLayout& layout) {
  const SCREENPRM& box = layout[project::slot::kChoiceBox];
  if (box.show != 0) DrawBox(box);
  // The rows are drawn, and can be picked, also when the box is hidden.
  runtime::story::BeginGothic(box.sizex, true);
  for (int row = 0; row < project::kChoices; ++row) {
    const bool pointed = PointInChoiceRow(box, row, MousePX, MousePY);
    runtime::story::TextColor(pointed ? kPointedColor : kOtherColor);
    const std::string text(ChoiceText(row));
    if (text.empty()) continue;
    elFont::Draw(box.x, ClampToInt(int64_t{box.y} + int64_t{box.sizex} * (row + 1)), text.c_str());
  }
  elFont::Before();
}

}  // namespace runtime

void selectfunc1() {
  const SCREENPRM& box = runtime::CurrentLayout()[project::slot::kChoiceBox];
  for (int row = 0; row < project::kChoices; ++row) {
    if (!runtime::PointInChoiceRow(box, row, MousePX, MousePY) || ChoiceText(row).empty()) continue;
    // A target outside the pages leaves the choices shown.
    runtime::GoToPage(runtime::CurrentPageField(field::kChoiceTarget0 + row));
    return;
  }
}
