// Joysticks: a position query shaped like the multimedia joystick interface
// the engine was written for. Positions run from 0 to 65535 with the rest
// position near the middle; buttons are a bit mask, bit 0 for button 1.
//
// The readings come from a source: the SDL devices while the SDL backend
// runs, none otherwise (every joystick then reads as unplugged). Tests install
// a source of their own.
#pragma once

#include <cstdint>
#include <memory>

namespace platform {

// The extended position record, field for field.
struct JoystickPosition {
  uint32_t size = sizeof(JoystickPosition);
  uint32_t flags = 0;
  uint32_t x = 0, y = 0, z = 0, r = 0, u = 0, v = 0;
  uint32_t buttons = 0;        // bit n set while button n + 1 is down
  uint32_t button_number = 0;  // how many buttons are down
  uint32_t pov = 0;            // point of view in hundredths of a degree, or kPovCentered
  uint32_t reserved1 = 0;
  uint32_t reserved2 = 0;
};
static_assert(sizeof(JoystickPosition) == 52);

// What a query asks for (the flag values the engine passes).
namespace joy {
inline constexpr uint32_t kReturnX = 0x001;
inline constexpr uint32_t kReturnY = 0x002;
inline constexpr uint32_t kReturnZ = 0x004;
inline constexpr uint32_t kReturnR = 0x008;
inline constexpr uint32_t kReturnU = 0x010;
inline constexpr uint32_t kReturnV = 0x020;
inline constexpr uint32_t kReturnPov = 0x040;
inline constexpr uint32_t kReturnButtons = 0x080;
inline constexpr uint32_t kReturnAll = 0x0FF;
// Positions close to the rest position read as exactly the middle.
inline constexpr uint32_t kUseDeadZone = 0x800;

inline constexpr uint32_t kPovCentered = 0xFFFF;
inline constexpr uint32_t kMiddle = 32767;
inline constexpr int kDeadZone = 2048;  // of the axis range -32768..32767
}  // namespace joy

enum class JoystickResult { kOk, kUnplugged };

// Reads joystick `id` (0 for the first). Only the fields that `flags` ask for
// are filled; on kUnplugged nothing is.
JoystickResult GetJoystickPosition(unsigned id, uint32_t flags, JoystickPosition* out);
// The set of joysticks may have changed: the next query looks again.
void JoystickConfigChanged();

// One device's raw state, from which a source fills the position record.
struct JoystickReading {
  int16_t axes[6] = {};  // X, Y, Z, R, U, V, -32768..32767 with 0 at rest
  uint32_t buttons = 0;
  int hat = -1;  // -1 centred, else 0..7 clockwise from up in eighths
};
// Fills `out` from `reading` for the fields `flags` ask for.
void FillJoystickPosition(const JoystickReading& reading, uint32_t flags, JoystickPosition* out);
// Maps an axis value to the position range; with the dead zone, values within
// joy::kDeadZone of rest read as joy::kMiddle.
uint32_t AxisToPosition(int16_t axis, bool dead_zone);

class JoystickSource {
 public:
  virtual ~JoystickSource() = default;
  // Answers one query of GetJoystickPosition.
  virtual JoystickResult GetPosition(unsigned id, uint32_t flags, JoystickPosition* out) = 0;
  virtual void ConfigChanged() = 0;
};

// Installs the source every query reads; null goes back to the default
// choice (SDL devices under the SDL backend, none otherwise).
void SetJoystickSource(std::unique_ptr<JoystickSource> source);

// The SDL devices (platform/sdl/sdl_joystick.cpp, in the SDL backend's
// library), which that backend opens.
std::unique_ptr<JoystickSource> CreateSdlJoystickSource();
// No devices: every joystick is unplugged.
std::unique_ptr<JoystickSource> CreateNoJoystickSource();

}  // namespace platform
