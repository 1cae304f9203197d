#include "runtime/shell/input_messages.h"

#include "engine/el.h"
#include "platform/messages.h"
#include "runtime/shell/shell.h"

namespace runtime::input {
namespace {

bool Locked() {
  return elSystem::KeyboardLock != 0;
}

}  // namespace

void PointerMoved(int64_t position) {
  const auto bits = static_cast<uint32_t>(position);
  MousePX = static_cast<int>(bits & 0xFFFF);
  MousePY = static_cast<int>(bits >> 16);
}

void LeftButtonDown() {
  if (Locked()) {
    MouseMenu = 1;
    return;
  }
  MousePL = MouseCL = MouseLL = 1;
  MousePush = MouseLast = platform::vk::kLButton;
}

void LeftButtonUp() {
  MousePL = 0;
  if (MousePush == platform::vk::kLButton) MousePush = 0;
  MouseMenu = 0;
}

void LeftDoubleClick() {
  if (!Locked()) MouseDL = 1;
}

void RightButtonDown() {
  if (Locked()) return;
  MousePR = MouseCR = MouseLR = 1;
  MousePush = MouseLast = platform::vk::kRButton;
}

void RightButtonUp() {
  MousePR = 0;
  if (MousePush == platform::vk::kRButton) MousePush = 0;
}

void RightDoubleClick() {
  if (Locked()) return;
  MouseDR = 1;
  // With confinement in use, a right double-click frees or catches the pointer.
  if (_MouseArea == 0) return;
  if (elSystem::GetMouseArea() != 0)
    elSystem::ClearMouseArea();
  else
    elSystem::WindowMouseArea();
}

void KeyDown(uint32_t code) {
  if (Locked())
    MenuKey = code;
  else
    KeyboardProc(code);
}

bool SystemKeyDown(uint32_t code) {
  // Swallowing system keys keeps Alt from opening the window menu and Alt+F4
  // from closing the game behind its back.
  if (elSystem::SystemKeyCheck == 0) return false;
  if (elSystem::SystemKeyCheck == 2 && code == platform::vk::kMenu) return false;
  KeyDown(code);
  return true;
}

void KeyUp(uint32_t code) {
  if (code == PushKey) PushKey = 0;
  if (code == HelpKey) HelpKey = 0;
  if (code == MenuKey) MenuKey = 0;
  if (code == platform::vk::kShift) PushShift = 1 - PushShift;
  if (code == _PullKey) ++_PullCount;
}

void HotKey(uint64_t id) {
  if (Locked()) return;
  if (id == kHotKeySnapshot) KeyboardProc(platform::vk::kSnapshot);
  if (id == kHotKeyExtra) KeyboardProc(kExtraKeyCode);
}

}  // namespace runtime::input

void KeyboardProc(unsigned wParam) {
  if (elDraw::HelpOn != 0) {
    HelpKey = wParam;
    return;
  }
  PushKey = wParam;
  LastKey = wParam;
}
