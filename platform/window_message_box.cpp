#include "platform/window_message_box.h"

#include <algorithm>
#include <string>

#include "platform/encoding.h"
#include "platform/font.h"
#include "platform/gdi.h"

namespace platform {
namespace {

constexpr int kBoxWidthPx = 400;
constexpr int kBoxHeightPx = 160;
constexpr int kCaptionHeightPx = 22;
constexpr int kButtonWidthPx = 90;
constexpr int kButtonHeightPx = 26;
constexpr int kMarginPx = 12;
constexpr uint32_t kFace = 0xE0E0E0;
constexpr uint32_t kCaptionBar = 0x803000;  // colour references: 0x00BBGGRR
constexpr uint32_t kInk = 0x000000;
constexpr uint32_t kCaptionInk = 0xFFFFFF;

bool YesNo(MessageBoxKind kind) {
  return kind == MessageBoxKind::kYesNo;
}

void Panel(DrawingContext& dc, const Rect& r, uint32_t fill) {
  dc.SelectPen(Pen{true, kInk, 1});
  dc.SelectBrush(Brush{Brush::Style::kSolid, fill});
  dc.Rectangle(r.left, r.top, r.right, r.bottom);
}

void Label(DrawingContext& dc, const Rect& r, std::string_view text_sjis, unsigned flags) {
  Rect area = r;
  dc.DrawText(text_sjis, &area, flags);
}

}  // namespace

WindowBoxLayout LayOutWindowBox(MessageBoxKind kind, int width_px, int height_px) {
  WindowBoxLayout layout;
  const int w = std::min(kBoxWidthPx, width_px);
  const int h = std::min(kBoxHeightPx, height_px);
  const int left = (width_px - w) / 2;
  const int top = (height_px - h) / 2;
  layout.box = {left, top, left + w, top + h};
  layout.caption = {left, top, left + w, top + kCaptionHeightPx};
  const int buttons_top = top + h - kMarginPx - kButtonHeightPx;
  layout.text = {left + kMarginPx, top + kCaptionHeightPx + kMarginPx, left + w - kMarginPx,
                 buttons_top - kMarginPx};
  layout.button_count = YesNo(kind) ? 2 : 1;
  const int row_width =
      layout.button_count * kButtonWidthPx + (layout.button_count - 1) * kMarginPx;
  int x = left + (w - row_width) / 2;
  for (int i = 0; i < layout.button_count; ++i) {
    layout.buttons[i] = {x, buttons_top, x + kButtonWidthPx, buttons_top + kButtonHeightPx};
    x += kButtonWidthPx + kMarginPx;
  }
  return layout;
}

void PaintWindowBox(Surface& picture, MessageBoxKind kind, std::string_view caption_sjis,
                    std::string_view text_sjis) {
  const WindowBoxLayout layout = LayOutWindowBox(kind, picture.Width(), picture.Height());
  DrawingContext dc(picture);
  static const Font font(FontDescription{.face_sjis = Utf8ToCp932("標準ゴシック").value_or(""),
                                         .height = 14,
                                         .weight = 400,
                                         .charset = 128});
  dc.SelectFont(&font);
  dc.SetBkMode(BackgroundMode::kTransparent);
  Panel(dc, layout.box, kFace);
  Panel(dc, layout.caption, kCaptionBar);
  dc.SetTextColor(kCaptionInk);
  Label(dc,
        {layout.caption.left + 6, layout.caption.top + 4, layout.caption.right - 6,
         layout.caption.bottom},
        caption_sjis, dt::kLeft);
  dc.SetTextColor(kInk);
  Label(dc, layout.text, text_sjis, dt::kLeft | dt::kWordBreak);
  static const std::string yes = Utf8ToCp932("はい").value_or("Yes");
  static const std::string no = Utf8ToCp932("いいえ").value_or("No");
  const std::string_view names[2] = {YesNo(kind) ? std::string_view(yes) : "OK", no};
  for (int i = 0; i < layout.button_count; ++i) {
    const Rect& b = layout.buttons[i];
    Panel(dc, b, 0xFFFFFF);
    Label(dc, {b.left, b.top + 6, b.right, b.bottom}, names[i], dt::kCenter);
  }
}

std::optional<MessageBoxAnswer> WindowBoxAnswerAt(MessageBoxKind kind, int width_px, int height_px,
                                                  int x, int y) {
  const WindowBoxLayout layout = LayOutWindowBox(kind, width_px, height_px);
  for (int i = 0; i < layout.button_count; ++i) {
    const Rect& b = layout.buttons[i];
    if (x >= b.left && x < b.right && y >= b.top && y < b.bottom)
      return i == 0 ? WindowBoxDefaultAnswer(kind) : WindowBoxCancelAnswer(kind);
  }
  return std::nullopt;
}

MessageBoxAnswer WindowBoxDefaultAnswer(MessageBoxKind kind) {
  return YesNo(kind) ? MessageBoxAnswer::kYes : MessageBoxAnswer::kOk;
}

MessageBoxAnswer WindowBoxCancelAnswer(MessageBoxKind kind) {
  return YesNo(kind) ? MessageBoxAnswer::kNo : MessageBoxAnswer::kOk;
}

}  // namespace platform
