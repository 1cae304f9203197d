// The engine's one error report: a beep and a modal box naming the failing
// operation and the problem. Callers return its result as their failure.
#include <array>
#include <cstdio>
#include <string>

#include "engine/el.h"
#include "engine/system/internal/sjis_text.h"
#include "platform/encoding.h"
#include "platform/platform.h"

int elDraw::ErrorCheck = 0;

namespace {

constexpr size_t kTextBytes = 256;

// "place : message", cut between characters when it does not fit.
std::array<char, kTextBytes> ComposeReport(const char* place, const char* message) {
  std::array<char, kTextBytes> text{};
  const std::string joined =
      std::string(place != nullptr ? place : "") + " : " + (message != nullptr ? message : "");
  el::system::CopyWholeCharacters(text, joined);
  return text;
}

}  // namespace

int elDraw::Error(const char* Function, const char* Message, long Code) {
  // The platform's result code is accepted and neither shown nor kept.
  (void)Code;
  const auto text = ComposeReport(Function, Message);
  if (platform::HasBackend()) {
    // No switch to the window system's surface is needed for a full-screen
    // display: the box is a window of its own, drawn above the game's.
    elSound::Beep();
    platform::ShowMessageBox(platform::MessageBoxKind::kError, "エラー発生", text.data());
  } else {
    // Before the platform is up there is no box to show; the report still
    // reaches the user.
    std::fprintf(stderr, "%s\n", platform::Cp932ToUtf8(text.data()).c_str());
  }
  ErrorCheck = 1;
  return 0;
}

int elDraw::Error() {
  return ErrorCheck;
}
