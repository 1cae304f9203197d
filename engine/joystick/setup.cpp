// The joystick records, the centre reading and the ramp settings.
#include <bit>

#include "engine/el.h"
#include "engine/joystick/internal/joystick_query.h"
#include "platform/joystick.h"

int elJoystick::CenterX[2] = {};
int elJoystick::CenterY[2] = {};
elJoystick::_analog elJoystick::Analog[2] = {};
JOYINFOEX elJoystick::JoyInfo = {};

static_assert(sizeof(JOYINFOEX) == sizeof(platform::JoystickPosition));

namespace el::joystick {

bool IsJoystick(int JoystickNo) {
  return JoystickNo >= 0 && JoystickNo < kJoysticks;
}

bool QueryJoystick(int JoystickNo, uint32_t flags) {
  if (!IsJoystick(JoystickNo)) return false;
  elJoystick::JoyInfo.dwSize = sizeof(JOYINFOEX);
  elJoystick::JoyInfo.dwFlags = flags;
  // The record is shared: fields a query does not ask for keep what an
  // earlier query left there.
  auto position = std::bit_cast<platform::JoystickPosition>(elJoystick::JoyInfo);
  const auto result =
      platform::GetJoystickPosition(static_cast<unsigned>(JoystickNo), flags, &position);
  if (result != platform::JoystickResult::kOk) return false;
  elJoystick::JoyInfo = std::bit_cast<JOYINFOEX>(position);
  return true;
}

int StickDirection(uint32_t position, int center) {
  const int64_t half = center / 2;
  const int64_t at = position;
  if (at <= half) return -1;
  if (at >= center + half) return 1;
  return 0;
}

}  // namespace el::joystick

void elJoystick::Init() {
  platform::JoystickConfigChanged();
  InitCenter();
  for (_analog& record : Analog) record = _analog{};
}

void elJoystick::InitCenter() {
  for (int no = 0; no < el::joystick::kJoysticks; ++no) {
    const bool read = el::joystick::QueryJoystick(no, el::joystick::kJoyCenterFlags);
    CenterX[no] = read ? static_cast<int>(JoyInfo.dwXpos) : 0;
    CenterY[no] = read ? static_cast<int>(JoyInfo.dwYpos) : 0;
  }
}

void elJoystick::InitAnalog() {
  for (_analog& record : Analog) {
    record.X = 0.0f;
    record.Y = 0.0f;
    for (float& value : record.B) value = 0.0f;
  }
}

void elJoystick::SetAnalog(int JoystickNo, float Stick, float Button) {
  if (!el::joystick::IsJoystick(JoystickNo)) return;
  Analog[JoystickNo].DefAddXY = Stick;
  Analog[JoystickNo].DefAddB = Button;
}

void elJoystick::CenterPos(int JoystickNo, int* PosX, int* PosY) {
  const bool known = el::joystick::IsJoystick(JoystickNo);
  *PosX = known ? CenterX[JoystickNo] : 0;
  *PosY = known ? CenterY[JoystickNo] : 0;
}
