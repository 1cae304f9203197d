// Start values of the program's variables, the single-instance check and the
// copy of the command line.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/el.h"
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
  el::system::CopyCommandLine(platform::Utf8ToCp932Lossy(command_line));
}

}  // namespace runtime
