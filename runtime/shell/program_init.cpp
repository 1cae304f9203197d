// Start values of the program's variables, the single-instance check and the
// copy of the command line.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/el.h"
#include "engine/system/internal/sjis_text.h"
#include "platform/encoding.h"
#include "platform/platform.h"
#include "runtime/shell/shell.h"

namespace {

inline constexpr uintptr_t kLockHeld = 1;
inline constexpr uint32_t kFirstBlinkMs = 1000;

void ClearInputVariables() {
  PushKey = LastKey = HelpKey = MenuKey = 0;
  PushShift = 0;
  _PullKey = 0;
  _PullCount = 0;
  MousePX = MousePY = MouseLX = MouseLY = MouseMX = MouseMY = 0;
  MousePL = MousePR = MouseCL = MouseCR = MouseDL = MouseDR = MouseLL = MouseLR = 0;
  MousePush = MouseLast = 0;
  MouseMenu = 0;
}

// Length of the UTF-8 character that starts at `pos`; a byte that starts no
// well-formed sequence stands alone.
size_t Utf8Length(std::string_view text, size_t pos) {
  const auto byte = static_cast<uint8_t>(text[pos]);
  size_t length = 1;
  if (byte >= 0xC2 && byte <= 0xDF) {
    length = 2;
  } else if (byte >= 0xE0 && byte <= 0xEF) {
    length = 3;
  } else if (byte >= 0xF0 && byte <= 0xF4) {
    length = 4;
  }
  if (pos + length > text.size()) return 1;
  for (size_t i = 1; i < length; ++i)
    if ((static_cast<uint8_t>(text[pos + i]) & 0xC0) != 0x80) return 1;
  return length;
}

// The engine's texts are Shift-JIS; a character without a Shift-JIS form
// becomes '?'.
std::string ToShiftJis(std::string_view utf8) {
  if (auto whole = platform::Utf8ToCp932(utf8)) return *whole;
  std::string sjis;
  for (size_t pos = 0; pos < utf8.size();) {
    const size_t length = Utf8Length(utf8, pos);
    const auto one = platform::Utf8ToCp932(utf8.substr(pos, length));
    sjis += one ? *one : "?";
    pos += length;
  }
  return sjis;
}

}  // namespace

void elAllInit() {
  hwnd = 0;
  _Instance = 0;
  _Mutex = 0;
  std::memset(_CommandLine, 0, sizeof _CommandLine);
  ClearInputVariables();
  FrameTime = 0.0f;
  Blink = 1;
  _WindowActive = 0;
  _FullWindow = 0;
  _ScreenNo = _CallScreenNo = _LastScreenNo = _ChangeScreen = 0;
  _WaitTime = platform::TimeMs();
  _BlinkTime = platform::TimeMs() + kFirstBlinkMs;
  DrawSkip = 0;
  _SetWindow = 0;
  _FullScreen = 1;
  _CloseEvent = 0;
  _ShowMouse = 1;
  _MouseArea = 0;
  _ShowDialog = 0;
  _WindowX = _WindowY = 0;
}

int elMutexCheck(const char* Name) {
  char name[2048];
  std::snprintf(name, sizeof name, "%s:ElMutex", Name);
  // The running instance raises its window when its title is still `Name`.
  if (platform::AcquireInstanceLock(name, Name) == platform::InstanceLock::kAlreadyRunning)
    return 0;
  _Mutex = kLockHeld;
  return 1;
}

namespace runtime {

void CopyCommandLine(std::string_view command_line) {
  el::system::CopyWholeCharacters(_CommandLine, ToShiftJis(command_line));
}

}  // namespace runtime
