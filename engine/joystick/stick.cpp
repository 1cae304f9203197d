// The stick: raw positions, digital directions, the numeric-keypad direction
// and the analog values that ramp while a direction is held.
#include <algorithm>

#include "engine/el.h"
#include "engine/joystick/internal/joystick_query.h"

namespace {

// The numeric keypad's layout: rows up, centre, down; columns left to right.
constexpr int kTenkey[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};

// Moves an analog value one frame towards the held direction, or back
// towards 0 at the same speed when the stick is at rest.
float RampAxis(float value, int direction, float step) {
  if (direction != 0)
    return std::clamp(value + static_cast<float>(direction) * step, -100.0f, 100.0f);
  if (value > 0.0f) return std::max(value - step, 0.0f);
  if (value < 0.0f) return std::min(value + step, 0.0f);
  return value;
}

}  // namespace

void elJoystick::StickPos(int JoystickNo, int* PosX, int* PosY) {
  const bool read = el::joystick::QueryJoystick(JoystickNo, el::joystick::kJoyStickFlags);
  *PosX = read ? static_cast<int>(JoyInfo.dwXpos) : 0;
  *PosY = read ? static_cast<int>(JoyInfo.dwYpos) : 0;
}

void elJoystick::Stick(int JoystickNo, int* PosX, int* PosY) {
  if (!el::joystick::QueryJoystick(JoystickNo, el::joystick::kJoyStickFlags)) {
    *PosX = 0;
    *PosY = 0;
    return;
  }
  *PosX = el::joystick::StickDirection(JoyInfo.dwXpos, CenterX[JoystickNo]);
  *PosY = el::joystick::StickDirection(JoyInfo.dwYpos, CenterY[JoystickNo]);
}

int elJoystick::StickTenkey(int JoystickNo) {
  if (!el::joystick::QueryJoystick(JoystickNo, el::joystick::kJoyStickFlags)) return 5;
  const int x = el::joystick::StickDirection(JoyInfo.dwXpos, CenterX[JoystickNo]);
  const int y = el::joystick::StickDirection(JoyInfo.dwYpos, CenterY[JoystickNo]);
  return kTenkey[y + 1][x + 1];
}

void elJoystick::AnalogStick(int JoystickNo, int* PosX, int* PosY) {
  if (!el::joystick::QueryJoystick(JoystickNo, el::joystick::kJoyStickFlags)) {
    *PosX = 0;
    *PosY = 0;
    return;
  }
  _analog& record = Analog[JoystickNo];
  const float step = record.DefAddXY * FrameTime;
  record.X =
      RampAxis(record.X, el::joystick::StickDirection(JoyInfo.dwXpos, CenterX[JoystickNo]), step);
  record.Y =
      RampAxis(record.Y, el::joystick::StickDirection(JoyInfo.dwYpos, CenterY[JoystickNo]), step);
  *PosX = static_cast<int>(record.X);
  *PosY = static_cast<int>(record.Y);
}
