// The one platform query every joystick operation makes, and the direction
// thresholds shared by the digital and the analog stick.
#pragma once

#include <cstdint>

namespace el::joystick {

// The query flags the engine uses.
inline constexpr uint32_t kJoyCenterFlags = 0x8FF;  // every axis, buttons, view, dead zone
inline constexpr uint32_t kJoyButtonFlags = 0x080;  // buttons only
inline constexpr uint32_t kJoyStickFlags = 0x803;   // X and Y with the dead zone

inline constexpr int kJoysticks = 2;
inline constexpr int kAnalogButtons = 4;

bool IsJoystick(int JoystickNo);

// Reads joystick `JoystickNo` into elJoystick::JoyInfo; false when it cannot
// be read (unplugged, or a number other than 0 and 1).
bool QueryJoystick(int JoystickNo, uint32_t flags);

// -1, 0 or +1 for a position against the stored centre of that axis: the
// dead band runs from half the centre to one and a half times it.
int StickDirection(uint32_t position, int center);

}  // namespace el::joystick
