// The main loop: one window message at a time, and one frame whenever the
// queue is empty. A frame runs exactly one step of the current screen.
#include <climits>

#include "engine/el.h"
#include "platform/platform.h"
#include "platform/trace.h"
#include "runtime/shell/shell.h"

namespace runtime {
namespace {

inline constexpr uint32_t kBlinkOnMs = 1000;
inline constexpr uint32_t kBlinkOffMs = 200;
inline constexpr int kNoScreenTraced = INT_MIN;

ScreenTable g_screens{};
FrameObserver g_frame_observer = nullptr;
int g_traced_screen = kNoScreenTraced;

void TraceScreenNumber() {
  if (_ScreenNo == g_traced_screen) return;
  g_traced_screen = _ScreenNo;
  platform::TraceEvent("screen").Int("no", _ScreenNo);
}

void UpdateFrameClock() {
  // Unsigned difference: correct across the clock's 32-bit wrap.
  const uint32_t elapsed_ms = platform::TimeMs() - _WaitTime;
  FrameTime = static_cast<float>(static_cast<float>(elapsed_ms) / 1000.0);
  _WaitTime = platform::TimeMs();
}

void MeasurePointerMovement() {
  MouseMX = MousePX - MouseLX;
  MouseMY = MousePY - MouseLY;
}

// The very first frame after start-up counts as the first frame of its screen.
void MarkFirstFrame() {
  if (_LastScreenNo != 0 || _ScreenNo == 0) return;
  _ChangeScreen = 1;
  _LastScreenNo = _ScreenNo;
}

void CallScreen(int number) {
  if (number < 0 || number >= kScreenCount) return;
  const ScreenFunction screen = g_screens[static_cast<size_t>(number)];
  if (screen != nullptr) screen();
}

void RunScreenStep() {
  if (DrawSkip != 0) return;
  if (elDraw::FadeAdd != 1) {
    elSystem::NowTime = platform::TimeMs();
    CallScreen(_ScreenNo);
    return;
  }
  // A fade-out lays its mask frames over the last picture; when it ends the
  // queued screen takes over.
  elDraw::Refresh();
  if (elDraw::FadeAdd == 0) _ScreenNo = _CallScreenNo;
}

void DetectScreenChange() {
  if (_ScreenNo != _LastScreenNo) {
    _ChangeScreen = 1;
    // An armed wipe covers the new screen's area.
    if (elDraw::EffectOn > 0) {
      elDraw::Vx1 = elDraw::Wx1;
      elDraw::Vy1 = elDraw::Wy1;
      elDraw::Vx2 = elDraw::Wx2;
      elDraw::Vy2 = elDraw::Wy2;
      elDraw::EffectOn = 0;
    }
  } else {
    _ChangeScreen = 0;
  }
  _LastScreenNo = _ScreenNo;
}

void UpdateBlink() {
  const uint32_t now_ms = platform::TimeMs();
  if (now_ms < _BlinkTime) return;
  Blink = Blink == 0 ? 1 : 0;
  _BlinkTime = now_ms + (Blink == 1 ? kBlinkOnMs : kBlinkOffMs);
}

// Between frames MouseMX and MouseMY hold the position, not a movement.
void EndFrameInput() {
  MouseLX = MousePX;
  MouseLY = MousePY;
  MouseMX = MousePX;
  MouseMY = MousePY;
  MouseCL = MouseCR = MouseDL = MouseDR = 0;
}

}  // namespace

void InstallScreens(const ScreenTable& screens) {
  g_screens = screens;
}
const ScreenTable& InstalledScreens() {
  return g_screens;
}

void SetFrameObserver(FrameObserver observer) {
  g_frame_observer = observer;
}

void RunFrame() {
  UpdateFrameClock();
  MeasurePointerMovement();
  MarkFirstFrame();
  TraceScreenNumber();
  RunScreenStep();
  DetectScreenChange();
  TraceScreenNumber();
  UpdateBlink();
  EndFrameInput();
  if (g_frame_observer != nullptr) g_frame_observer();
  // The backend's end of frame also counts the trace's frame number.
  platform::EndFrame();
}

int RunMainLoop() {
  g_traced_screen = kNoScreenTraced;
  platform::Message message;
  for (;;) {
    if (platform::PeekMessage(&message)) {
      // The quit message carries 0: the program's exit code is 0 in every case.
      if (message.message == platform::msg::kQuit) return 0;
      platform::TranslateMessage(message);
      platform::DispatchMessage(message);
    } else if (_WindowActive == 0 && (_SetWindow & 2) == 0) {
      platform::WaitMessage();
    } else {
      RunFrame();
    }
  }
}

}  // namespace runtime
