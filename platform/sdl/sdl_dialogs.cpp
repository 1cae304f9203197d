// Modal message boxes. SDL offers information, warning and error icons but
// no question mark: the yes/no question uses the information icon, the
// nearest in meaning.
#include <array>
#include <cstdio>

#include "platform/encoding.h"
#include "platform/sdl/sdl_backend.h"

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
  if (!shown) {
    // No box can be shown (no display server for it): the text goes to the
    // terminal, and a question is answered No, as a box that failed.
    std::fprintf(stderr, "%s: %s\n", caption_utf8.c_str(), text_utf8.c_str());
    return yes_no ? MessageBoxAnswer::kNo : MessageBoxAnswer::kOk;
  }
  if (!yes_no) return MessageBoxAnswer::kOk;
  return chosen == kButtonYes ? MessageBoxAnswer::kYes : MessageBoxAnswer::kNo;
}

}  // namespace platform::sdl
