// The drawing context's text members: one line at a point, its extent, and
// the rectangle layout with word break and alignment.
#include <algorithm>
#include <vector>

#include "platform/font.h"
#include "platform/gdi.h"
#include "platform/text/text_chars.h"
#include "platform/text/text_layout.h"
#include "platform/text/text_render.h"

namespace platform {
namespace {

const Font& FontOf(const Font* selected) {
  return selected ? *selected : DefaultFont();
}

}  // namespace

void DrawingContext::TextOut(int x, int y, std::string_view text_sjis) {
  last_text_bounds_ = {};
  if (!valid_ || text_sjis.empty()) return;
  std::vector<text::TextChar> chars;
  text::CutText(text_sjis, &chars);
  const text::TextStyle style{text_color_, bk_color_, bk_mode_ == BackgroundMode::kOpaque};
  last_text_bounds_ = text::DrawRun(target_, FontOf(font_), chars, x, y, target_.Bounds(), style);
}

Size DrawingContext::GetTextExtent(std::string_view text_sjis) const {
  const Font& font = FontOf(font_);
  std::vector<text::TextChar> chars;
  text::CutText(text_sjis, &chars);
  return {text::MeasureRun(font, chars), font.Metrics().height_px};
}

int DrawingContext::DrawText(std::string_view text_sjis, Rect* rect, unsigned flags) {
  if (rect == nullptr) return 0;
  const Font& font = FontOf(font_);
  std::vector<text::TextChar> chars;
  text::CutText(text_sjis, &chars);
  std::vector<int> advances(chars.size());
  for (size_t i = 0; i < chars.size(); ++i) advances[i] = font.AdvanceFor(chars[i].code_point);
  const std::vector<text::LaidLine> lines =
      text::LayOutLines(chars, advances, rect->Width(), (flags & dt::kWordBreak) != 0);
  const int line_px = font.Metrics().height_px;
  const int height = static_cast<int>(lines.size()) * line_px;
  if (flags & dt::kCalcRect) {
    int widest = 0;
    for (const auto& line : lines) widest = std::max(widest, line.width_px);
    rect->right = rect->left + widest;
    rect->bottom = rect->top + height;
    return height;
  }
  if (!valid_) return height;
  const text::TextStyle style{text_color_, bk_color_, bk_mode_ == BackgroundMode::kOpaque};
  int y = rect->top;
  for (const auto& line : lines) {
    if (y >= rect->bottom) break;
    int x = rect->left;
    if (flags & dt::kRight) {
      x = rect->right - line.width_px;
    } else if (flags & dt::kCenter) {
      x = rect->left + (rect->Width() - line.width_px) / 2;
    }
    const std::span<const text::TextChar> run(chars.data() + line.first, line.last - line.first);
    text::DrawRun(target_, font, run, x, y, *rect, style);
    y += line_px;
  }
  return height;
}

}  // namespace platform
