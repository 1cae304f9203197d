// The main window's procedure: input messages into the engine's variables,
// window moves, activation, the pointer shape, the close sequence and the
// end-of-song notice of the music device.
#include <cstring>

#include "engine/el.h"
#include "platform/audio/mci.h"
#include "platform/platform.h"
#include "runtime/shell/input_messages.h"
#include "runtime/shell/shell.h"

namespace runtime {
namespace {

WindowProcHooks g_hooks;

int ShutDownEngine() {
  return g_hooks.shut_down ? g_hooks.shut_down() : elDraw::Exit();
}

void QueryMusicMode(char* reply, size_t size) {
  if (g_hooks.query_midi_mode)
    g_hooks.query_midi_mode(reply, size);
  else
    platform::MciSendString("status midi mode", reply, size, 0);
}

void ReplayMusic() {
  if (g_hooks.replay_music)
    g_hooks.replay_music();
  else
    elMusic::Replay();
}

// Position parameters carry two signed 16-bit halves.
int SignedLow(int64_t value) {
  return static_cast<int16_t>(static_cast<uint32_t>(value) & 0xFFFF);
}
int SignedHigh(int64_t value) {
  return static_cast<int16_t>(static_cast<uint32_t>(value) >> 16);
}

void WindowMoved(int64_t position) {
  _WindowX = SignedLow(position);
  _WindowY = SignedHigh(position);
  elDraw::RefreshPos = {_WindowX, _WindowY, _WindowX + elDraw::Width, _WindowY + elDraw::Height};
  if (_MouseArea != 0) elSystem::WindowMouseArea();
}

void ActivationChanged(bool active) {
  if (!active) {
    ChangeActive(0);
    // Another program gets the system pointer back.
    if (_ShowMouse == 0) {
      platform::ShowCursor(true);
      _ShowMouse = 1;
    }
    if (_MouseArea != 0) elSystem::ClearMouseArea();
    return;
  }
  ChangeActive(1);
  // The time spent away must not appear as one long frame.
  elSystem::InitFrame();
  if (_MouseArea != 0) elSystem::WindowMouseArea();
  elSystem::InitMouse(1);
}

// Over the full-screen window only the game's own pointer picture is seen,
// except while a message box needs the system pointer.
bool HideSystemPointer() {
  if (_FullScreen == 0 || _ShowDialog != 0) return false;
  platform::SetCursorShape(false);
  return true;
}

void CloseRequested() {
  if (_CloseEvent == 0) _CloseEvent = 1;
  // Below 2 the engine is still up: shut it down once. When the engine's exit
  // came first (the ending screen), it posted this request itself and only
  // the window is left to destroy.
  if (_CloseEvent < 2) ShutDownEngine();
  platform::DestroyMainWindow();
}

void MusicNotice(uint64_t code) {
  if (code != platform::mci::kNotifySuccessful || elMusic::PlayMusic == 0) return;
  std::memset(MciBuffer, 0, sizeof MciBuffer);
  QueryMusicMode(MciBuffer, sizeof MciBuffer);
  MciBuffer[sizeof MciBuffer - 1] = '\0';
  // "stopped" is the only mode word that begins so: the song has ended.
  if (MciBuffer[0] == 's' && MciBuffer[1] == 't') ReplayMusic();
}

}  // namespace

void SetWindowProcHooks(const WindowProcHooks& hooks) {
  g_hooks = hooks;
}

}  // namespace runtime

void ChangeActive(int Active) {
  _WindowActive = Active;
}

int64_t WindowProc(uint32_t Message, uint64_t wParam, int64_t lParam) {
  namespace msg = platform::msg;
  namespace input = runtime::input;
  const auto code = static_cast<uint32_t>(wParam);
  switch (Message) {
    case msg::kMouseMove:
      input::PointerMoved(lParam);
      break;
    case msg::kLButtonDown:
      input::LeftButtonDown();
      break;
    case msg::kLButtonUp:
      input::LeftButtonUp();
      break;
    case msg::kLButtonDblClk:
      input::LeftDoubleClick();
      return 0;
    case msg::kRButtonDown:
      input::RightButtonDown();
      break;
    case msg::kRButtonUp:
      input::RightButtonUp();
      break;
    case msg::kRButtonDblClk:
      input::RightDoubleClick();
      return 0;
    case msg::kKeyDown:
      input::KeyDown(code);
      break;
    case msg::kSysKeyDown:
      if (!input::SystemKeyDown(code)) return 0;
      break;
    case msg::kKeyUp:
      input::KeyUp(code);
      break;
    case msg::kHotKey:
      input::HotKey(wParam);
      return 0;
    case msg::kMove:
      runtime::WindowMoved(lParam);
      break;
    case msg::kActivateApp:
      runtime::ActivationChanged(wParam != 0);
      return 0;
    case msg::kSetCursor:
      if (runtime::HideSystemPointer()) return 1;
      break;
    case msg::kClose:
      runtime::CloseRequested();
      return 0;
    case msg::kDestroy:
      platform::PostQuitMessage(0);
      return 0;
    case msg::kMciNotify:
      runtime::MusicNotice(wParam);
      break;
    default:
      break;
  }
  return platform::DefWindowProc(Message, wParam, lParam);
}
