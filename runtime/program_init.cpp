// Start values of the program's variables, the single-instance check and the
// copy of the command line.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/el.h"
#include "platform/encoding.h"
#include "platform/platform.h"
#include "runtime/runtime.h"

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

// Length of the character that starts at `pos`: Shift-JIS lead bytes take the
// next byte with them; in UTF-8 the lead byte tells the length.
size_t CharacterLength(std::string_view text, size_t pos, bool shift_jis) {
  const auto byte = static_cast<uint8_t>(text[pos]);
  size_t length = 1;
  if (shift_jis) {
    if (platform::IsLeadByte(byte)) length = 2;
  } else if (byte >= 0xF0) {
    length = 4;
  } else if (byte >= 0xE0) {
    length = 3;
  } else if (byte >= 0xC0) {
    length = 2;
  }
  return std::min(length, text.size() - pos);
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
  const std::optional<std::string> sjis = platform::Utf8ToCp932(command_line);
  const std::string_view text = sjis ? std::string_view(*sjis) : command_line;
  const size_t limit = sizeof _CommandLine - 1;
  size_t length = 0;
  while (length < text.size()) {
    const size_t next = length + CharacterLength(text, length, sjis.has_value());
    if (next > limit) break;
    length = next;
  }
  std::memcpy(_CommandLine, text.data(), length);
  _CommandLine[length] = '\0';
}

}  // namespace runtime
