// A message box drawn inside the game's own picture, for desktops where the
// window system cannot open one of its own (no fonts for it, no helper
// program): the game's frame stays underneath, the box shows the caption,
// the text and the buttons of its kind, and is answered by a click, Enter
// (the first button), Escape (the last) or Y/N.
#pragma once

#include <optional>
#include <string_view>

#include "platform/backend.h"
#include "platform/surface.h"

namespace platform {

struct WindowBoxLayout {
  Rect box;
  Rect caption;
  Rect text;
  Rect buttons[2];
  int button_count = 1;
};

// Where the box of `kind` lies on a picture of `width_px` x `height_px`.
WindowBoxLayout LayOutWindowBox(MessageBoxKind kind, int width_px, int height_px);
// Draws the box over what `picture` shows.
void PaintWindowBox(Surface& picture, MessageBoxKind kind, std::string_view caption_sjis,
                    std::string_view text_sjis);
// The answer a click at (x, y) of the picture gives, if it hits a button.
std::optional<MessageBoxAnswer> WindowBoxAnswerAt(MessageBoxKind kind, int width_px, int height_px,
                                                  int x, int y);
// The answers of the first and the last button (Enter and Escape).
MessageBoxAnswer WindowBoxDefaultAnswer(MessageBoxKind kind);
MessageBoxAnswer WindowBoxCancelAnswer(MessageBoxKind kind);

}  // namespace platform
