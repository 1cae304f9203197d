// Window, pointer, clock and dialog services: thin forwards to the backend,
// plus the state the window system keeps on the program's behalf (the pointer
// show counter and shape) and the trace events of these services.
#include "platform/platform.h"
#include "platform/trace.h"

namespace platform {
namespace {

struct PointerState {
  int show_count = 0;
  bool arrow_shape = true;
};

PointerState& Pointer() {
  static PointerState state;
  return state;
}

// The program's clock is the backend's less the time spent paused.
struct ClockState {
  bool paused = false;
  uint32_t paused_at_ms = 0;  // backend time when the pause began
  uint32_t offset_ms = 0;     // all paused time so far
};

ClockState& Clock() {
  static ClockState state;
  return state;
}

void ApplyPointerVisibility() {
  if (!HasBackend()) return;
  CurrentBackend().SetPointerVisible(Pointer().show_count >= 0 && Pointer().arrow_shape);
}

const char* KindName(MessageBoxKind kind) {
  switch (kind) {
    case MessageBoxKind::kInfo:
      return "info";
    case MessageBoxKind::kYesNo:
      return "yesno";
    case MessageBoxKind::kError:
      return "error";
  }
  return "info";
}

const char* AnswerName(MessageBoxAnswer answer) {
  switch (answer) {
    case MessageBoxAnswer::kOk:
      return "ok";
    case MessageBoxAnswer::kYes:
      return "yes";
    case MessageBoxAnswer::kNo:
      return "no";
  }
  return "ok";
}

}  // namespace

uint32_t TimeMs() {
  const ClockState& c = Clock();
  return (c.paused ? c.paused_at_ms : CurrentBackend().TimeMs()) - c.offset_ms;
}
uint32_t BackendTimeMs() {
  return CurrentBackend().TimeMs();
}
void PauseClock(bool paused) {
  ClockState& c = Clock();
  if (paused == c.paused || !HasBackend()) return;
  const uint32_t now_ms = CurrentBackend().TimeMs();
  if (paused)
    c.paused_at_ms = now_ms;
  else
    c.offset_ms += now_ms - c.paused_at_ms;
  c.paused = paused;
}
bool ClockPaused() {
  return Clock().paused;
}
void ResetClockPauses() {
  Clock() = ClockState{};
}
int64_t CalendarSeconds() {
  return CurrentBackend().CalendarSeconds();
}
void WaitUntil(uint32_t deadline_ms) {
  // A wait while paused would never end: the backend's time goes on.
  CurrentBackend().WaitUntil(deadline_ms + Clock().offset_ms);
}

bool CreateMainWindow(std::string_view title_sjis) {
  Pointer() = PointerState{};
  return CurrentBackend().CreateMainWindow(title_sjis);
}

void DestroyMainWindow() {
  if (!HasBackend() || !CurrentBackend().HasWindow()) return;
  CurrentBackend().DestroyMainWindow();
  SendMessage(msg::kDestroy, 0, 0);
}

void SetWindowTitle(std::string_view title_sjis) {
  CurrentBackend().SetTitle(title_sjis);
  TraceEvent("title").SjisText("text", title_sjis);
}

std::string WindowTitle() {
  return CurrentBackend().Title();
}
void RaiseMainWindow() {
  CurrentBackend().RaiseWindow();
}
void MinimizeMainWindow() {
  CurrentBackend().MinimizeWindow();
}
void SetFullScreen(bool full_screen) {
  CurrentBackend().SetFullScreen(full_screen);
}
bool IsFullScreen() {
  return CurrentBackend().FullScreen();
}
bool HasMainWindow() {
  return CurrentBackend().HasWindow();
}

int ShowCursor(bool show) {
  Pointer().show_count += show ? 1 : -1;
  ApplyPointerVisibility();
  return Pointer().show_count;
}

void SetCursorShape(bool arrow) {
  Pointer().arrow_shape = arrow;
  ApplyPointerVisibility();
}

void ClipCursor(const std::optional<Rect>& area) {
  CurrentBackend().ConfinePointer(area);
}
void SetCursorPos(int x, int y) {
  CurrentBackend().WarpPointer(x, y);
}
void EnableTextInput(bool enabled) {
  CurrentBackend().SetTextInput(enabled);
}

MessageBoxAnswer ShowMessageBox(MessageBoxKind kind, std::string_view caption_sjis,
                                std::string_view text_sjis) {
  const MessageBoxAnswer answer = CurrentBackend().ShowMessageBox(kind, caption_sjis, text_sjis);
  TraceEvent("msgbox")
      .Text("kind", KindName(kind))
      .SjisText("caption", caption_sjis)
      .SjisText("text", text_sjis)
      .Text("answer", AnswerName(answer));
  return answer;
}

void MessageBeep() {
  CurrentBackend().Beep();
}

}  // namespace platform
