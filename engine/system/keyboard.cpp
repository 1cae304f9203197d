// Key and button polling, release detection, the keyboard lock, the
// system-key filter mode, release counting and the input-method switch. The
// window procedure writes the input variables; these operations read them.
#include <cstdarg>

#include "engine/el.h"
#include "engine/system/internal/system.h"
#include "platform/platform.h"

int elSystem::KeyboardLock = 0;
int elSystem::SystemKeyCheck = 0;
int elSystem::StatusIME = 0;

namespace el::system {

int AdvancePollState(int* state, bool down) {
  if (down) {
    *state = *state == 0 ? 1 : 3;
  } else {
    *state = *state == 1 || *state == 3 ? 2 : 0;
  }
  if (elDraw::FadeNo != 0 || elDraw::HelpOn != 0 || elSystem::KeyboardLock != 0) *state = 0;
  return *state;
}

}  // namespace el::system

namespace {

constexpr int16_t kKeyDownBit = 0x80;

// The release detector's state, kept between calls: 0 waits until nothing is
// held, 1 waits for a listed code to be pressed, 2 follows the pressed code
// until it is released.
int check_mode = 0;
unsigned check_key = 0;

bool IsMouseCode(unsigned code) {
  return code == 1 || code == 2;
}

// The listed codes are walked in order; `check_key` ends on the match, or on
// the last code listed when none matches.
void ArmOnListedCode(unsigned first, va_list rest) {
  for (unsigned code = first; code != 0; code = va_arg(rest, unsigned)) {
    check_key = code;
    if (LastKey == code || MouseLast == code) {
      check_mode = 2;
      return;
    }
  }
}

}  // namespace

void elSystem::GetKey(unsigned Code, int* Flag) {
  el::system::AdvancePollState(Flag, (platform::GetKeyState(Code) & kKeyDownBit) != 0);
}

unsigned elSystem::CheckKey(unsigned Code, ...) {
  if (check_mode == 0 && PushKey == 0 && MousePush == 0) check_mode = 1;
  if (check_mode == 1) {
    va_list rest;
    va_start(rest, Code);
    ArmOnListedCode(Code, rest);
    va_end(rest);
  }
  if (check_mode != 2) return 0;

  const bool mouse = IsMouseCode(check_key);
  // Something else was pressed since: start over, but a release of the
  // followed code seen in this same call still counts.
  if ((mouse && MouseLast != check_key) || (!mouse && LastKey != check_key)) check_mode = 0;
  if ((!mouse && PushKey == 0) || (mouse && MousePush == 0)) {
    check_mode = 0;
    LastKey = 0;
    MouseLast = 0;
    return check_key;
  }
  return 0;
}

void elSystem::LockKey() {
  KeyboardLock = 1;
}

void elSystem::UnlockKey() {
  KeyboardLock = 0;
  PushKey = 0;
}

void elSystem::SystemKey(int Flag) {
  SystemKeyCheck = Flag;
}

void elSystem::SetPullCount(unsigned Code) {
  _PullKey = Code;
  _PullCount = 0;
}

int elSystem::GetPullCount() {
  return _PullCount;
}

void elSystem::IME(int Flag) {
  // Text input off means key presses reach the game as plain key codes.
  platform::EnableTextInput(Flag != 0);
  StatusIME = Flag;
}
