// Modal message boxes. SDL offers information, warning and error icons but
// no question mark: the yes/no question uses the information icon, the
// nearest in meaning.
#include <array>
#include <cstdio>
#include <cstring>

#include "platform/encoding.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/window_message_box.h"

namespace platform::sdl {
namespace {

constexpr int kButtonNo = 0;
constexpr int kButtonYes = 1;
constexpr int kButtonOk = 2;

}  // namespace

MessageBoxAnswer SdlBackend::ShowMessageBox(MessageBoxKind kind, std::string_view caption,
                                            std::string_view text) {
  const std::string caption_utf8 = Cp932ToUtf8(caption);
  const std::string text_utf8 = Cp932ToUtf8(text);
  const bool yes_no = kind == MessageBoxKind::kYesNo;
  const std::array<SDL_MessageBoxButtonData, 2> yes_no_buttons = {{
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kButtonYes, "はい"},
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kButtonNo, "いいえ"},
  }};
  const SDL_MessageBoxButtonData ok_button = {
      SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kButtonOk,
      "OK"};
  SDL_MessageBoxData data{};
  data.flags =
      (kind == MessageBoxKind::kError ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION) |
      SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
  data.window = window_;
  data.title = caption_utf8.c_str();
  data.message = text_utf8.c_str();
  data.numbuttons = yes_no ? static_cast<int>(yes_no_buttons.size()) : 1;
  data.buttons = yes_no ? yes_no_buttons.data() : &ok_button;

  // The pointer may need to leave the picture to reach the box.
  if (window_ != nullptr && confined_) SDL_SetWindowMouseRect(window_, nullptr);
  int chosen = -1;
  const bool shown = SDL_ShowMessageBox(&data, &chosen) == 0;
  ApplyConfinement();
  if (!shown && window_ != nullptr && renderer_ != nullptr) {
    // SDL cannot open a box here (no fonts for it, no helper program): the
    // box is drawn in the game's window, where the player looks.
    return AnswerInWindow(kind, caption, text);
  }
  if (!shown) {
    // No window at all: the text goes to the terminal, and a question is
    // answered No, as a box that failed.
    std::fprintf(stderr, "%s: %s\n", caption_utf8.c_str(), text_utf8.c_str());
    return yes_no ? MessageBoxAnswer::kNo : MessageBoxAnswer::kOk;
  }
  if (!yes_no) return MessageBoxAnswer::kOk;
  return chosen == kButtonYes ? MessageBoxAnswer::kYes : MessageBoxAnswer::kNo;
}

MessageBoxAnswer SdlBackend::AnswerInWindow(MessageBoxKind kind, std::string_view caption_sjis,
                                            std::string_view text_sjis) {
  const Surface* kept = frames_.Frame();
  Surface picture(kDisplayWidthPx, kDisplayHeightPx,
                  kept != nullptr ? kept->Format() : PixelFormat::Rgb565());
  if (kept != nullptr && kept->Width() == picture.Width() && kept->Height() == picture.Height()) {
    for (int y = 0; y < picture.Height(); ++y)
      std::memcpy(picture.Row(y), kept->Row(y), static_cast<size_t>(picture.PitchBytes()));
  }
  PaintWindowBox(picture, kind, caption_sjis, text_sjis);
  DrawFrame(picture);
  for (;;) {
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, 100) == 0) continue;
    if (event.type == SDL_QUIT) return WindowBoxCancelAnswer(kind);
    if (event.type == SDL_WINDOWEVENT) DrawFrame(picture);
    if (event.type == SDL_KEYDOWN) {
      const SDL_Keycode key = event.key.keysym.sym;
      if (key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_SPACE || key == SDLK_y)
        return WindowBoxDefaultAnswer(kind);
      if (key == SDLK_ESCAPE || key == SDLK_n) return WindowBoxCancelAnswer(kind);
    }
    if (event.type == SDL_MOUSEBUTTONUP && event.button.button == SDL_BUTTON_LEFT) {
      const Viewport v = WindowViewport();
      if (v.width <= 0 || v.height <= 0) continue;
      const int x = (event.button.x - v.x) * kDisplayWidthPx / v.width;
      const int y = (event.button.y - v.y) * kDisplayHeightPx / v.height;
      if (const auto answer = WindowBoxAnswerAt(kind, kDisplayWidthPx, kDisplayHeightPx, x, y))
        return *answer;
    }
  }
}

}  // namespace platform::sdl
