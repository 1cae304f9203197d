// The rules by which the window procedure turns mouse and keyboard messages
// into the engine's input variables (PushKey, MousePX, MouseCL, ...).
#pragma once

#include <cstdint>

namespace runtime::input {

inline constexpr uint64_t kHotKeySnapshot = 0xBF01;  // handled as Print Screen
inline constexpr uint64_t kHotKeyExtra = 0xBF02;     // handled as code 0x101
inline constexpr uint32_t kExtraKeyCode = 0x101;

void PointerMoved(int64_t position);
void LeftButtonDown();
void LeftButtonUp();
void LeftDoubleClick();
void RightButtonDown();
void RightButtonUp();
void RightDoubleClick();
// A key went down: into MenuKey while the keyboard is locked, else KeyboardProc.
void KeyDown(uint32_t code);
// The system-key filter: false when the message is swallowed; otherwise the
// key-down rule has been applied.
bool SystemKeyDown(uint32_t code);
void KeyUp(uint32_t code);
void HotKey(uint64_t id);

}  // namespace runtime::input
