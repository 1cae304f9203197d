// Joystick buttons: levels, the four-state edges of keyboard polling, and
// analog values that ramp while a button is held.
#include <algorithm>

#include "engine/el.h"
#include "engine/joystick/internal/joystick_query.h"
#include "engine/system/internal/system.h"

namespace {

constexpr int kMaskButtons = 32;

bool IsAnalogButton(int ButtonNo) {
  return ButtonNo >= 1 && ButtonNo <= el::joystick::kAnalogButtons;
}

// Whether button `ButtonNo` (1-based) is down in the last reading.
bool Down(int ButtonNo) {
  if (ButtonNo < 1 || ButtonNo > kMaskButtons) return false;
  return (elJoystick::JoyInfo.dwButtons >> (ButtonNo - 1) & 1u) != 0;
}

float NextRamp(float value, bool down, float step) {
  return down ? std::min(value + step, 100.0f) : 0.0f;
}

void WriteFour(const int (&values)[4], int* B1, int* B2, int* B3, int* B4) {
  *B1 = values[0];
  *B2 = values[1];
  *B3 = values[2];
  *B4 = values[3];
}

}  // namespace

int elJoystick::Button(int JoystickNo, int ButtonNo) {
  if (!el::joystick::QueryJoystick(JoystickNo, el::joystick::kJoyButtonFlags)) return 0;
  return Down(ButtonNo) ? 1 : 0;
}

void elJoystick::Buttons(int JoystickNo, int* B1, int* B2, int* B3, int* B4) {
  int levels[4] = {};
  if (el::joystick::QueryJoystick(JoystickNo, el::joystick::kJoyButtonFlags)) {
    for (int i = 0; i < 4; ++i) levels[i] = Down(i + 1) ? 1 : 0;
  }
  WriteFour(levels, B1, B2, B3, B4);
}

int elJoystick::ButtonInfo(int JoystickNo, int ButtonNo) {
  if (!IsAnalogButton(ButtonNo) ||
      !el::joystick::QueryJoystick(JoystickNo, el::joystick::kJoyButtonFlags))
    return 0;
  return el::system::AdvancePollState(&Analog[JoystickNo].InfoB[ButtonNo - 1], Down(ButtonNo));
}

void elJoystick::ButtonsInfo(int JoystickNo, int* B1, int* B2, int* B3, int* B4) {
  int edges[4] = {};
  if (el::joystick::QueryJoystick(JoystickNo, el::joystick::kJoyButtonFlags)) {
    for (int i = 0; i < 4; ++i)
      edges[i] = el::system::AdvancePollState(&Analog[JoystickNo].InfoB[i], Down(i + 1));
  }
  WriteFour(edges, B1, B2, B3, B4);
}

int elJoystick::AnalogButton(int JoystickNo, int ButtonNo) {
  if (!el::joystick::IsJoystick(JoystickNo) || !IsAnalogButton(ButtonNo)) return 0;
  // A reading that fails counts as the button being up.
  const bool down = Button(JoystickNo, ButtonNo) == 1;
  _analog& record = Analog[JoystickNo];
  float& value = record.B[ButtonNo - 1];
  value = NextRamp(value, down, record.DefAddB * FrameTime);
  return static_cast<int>(value);
}

void elJoystick::AnalogButtons(int JoystickNo, int* B1, int* B2, int* B3, int* B4) {
  int values[4] = {};
  if (el::joystick::QueryJoystick(JoystickNo, el::joystick::kJoyButtonFlags)) {
    _analog& record = Analog[JoystickNo];
    for (int i = 0; i < 4; ++i) {
      record.B[i] = NextRamp(record.B[i], Down(i + 1), record.DefAddB * FrameTime);
      values[i] = static_cast<int>(record.B[i]);
    }
  }
  WriteFour(values, B1, B2, B3, B4);
}
