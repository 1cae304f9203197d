// The modal information and question boxes.
#include <array>
#include <cstdarg>
#include <cstring>

#include "engine/el.h"
#include "engine/system/internal/sjis_text.h"
#include "platform/platform.h"

namespace {

constexpr size_t kTextBytes = 256;
constexpr char kLineEnd[] = "\r\n";

// Formats the text and ends it with a line break; a text too long for the
// buffer is cut between characters so that the line break still fits.
std::array<char, kTextBytes> ComposeText(const char* format, va_list args) {
  std::array<char, kTextBytes> text{};
  const size_t max_text = kTextBytes - sizeof(kLineEnd);
  const size_t length = el::system::FormatWholeCharacters(text, max_text, format, args);
  std::memcpy(text.data() + length, kLineEnd, sizeof(kLineEnd));
  return text;
}

platform::MessageBoxAnswer ShowModal(platform::MessageBoxKind kind, const char* caption,
                                     const char* text) {
  // A full-screen display needs no switch to the window system's surface
  // here: the box is a window of its own, drawn above the game's.
  if (_ShowMouse == 0) {
    platform::ShowCursor(true);
    _ShowMouse = 1;
  }
  _ShowDialog = 1;
  const platform::MessageBoxAnswer answer = platform::ShowMessageBox(kind, caption, text);
  _ShowDialog = 0;
  // The time spent in the box must not show as one long frame.
  elSystem::InitFrame();
  return answer;
}

}  // namespace

void elSystem::Message(const char* Format, ...) {
  va_list args;
  va_start(args, Format);
  const auto text = ComposeText(Format, args);
  va_end(args);
  ShowModal(platform::MessageBoxKind::kInfo, "INFOMATION", text.data());
}

int elSystem::YesNo(const char* Format, ...) {
  va_list args;
  va_start(args, Format);
  const auto text = ComposeText(Format, args);
  va_end(args);
  const auto answer = ShowModal(platform::MessageBoxKind::kYesNo, "メッセージ", text.data());
  return answer == platform::MessageBoxAnswer::kYes ? 1 : 0;
}
