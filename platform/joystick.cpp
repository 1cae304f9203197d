// The joystick query and the choice of the source that answers it.
#include "platform/joystick.h"

#include <cstdlib>

#include "platform/backend.h"

namespace platform {
namespace {

class NoJoysticks final : public JoystickSource {
 public:
  JoystickResult GetPosition(unsigned, uint32_t, JoystickPosition*) override {
    return JoystickResult::kUnplugged;
  }
  void ConfigChanged() override {}
};

struct Sources {
  std::unique_ptr<JoystickSource> installed;  // a test's own source
  std::unique_ptr<JoystickSource> sdl;        // opened on first use under SDL
  NoJoysticks none;
};

Sources& State() {
  static Sources sources;
  return sources;
}

// SDL devices are read only while the SDL backend runs; the headless backend
// and the tests' fake backend have none, so their runs never depend on what
// is plugged into the machine.
JoystickSource& ActiveSource() {
  Sources& s = State();
  if (s.installed) return *s.installed;
  if (HasBackend() && CurrentBackend().Name() == "sdl") {
    if (!s.sdl) s.sdl = CurrentBackend().OpenJoysticks();
    return *s.sdl;
  }
  return s.none;
}

// Hat directions clockwise from up, in hundredths of a degree.
constexpr uint32_t kHatPov[8] = {0, 4500, 9000, 13500, 18000, 22500, 27000, 31500};

}  // namespace

std::unique_ptr<JoystickSource> Backend::OpenJoysticks() {
  return CreateNoJoystickSource();
}

uint32_t AxisToPosition(int16_t axis, bool dead_zone) {
  if (dead_zone && std::abs(static_cast<int>(axis)) < joy::kDeadZone) return joy::kMiddle;
  return static_cast<uint32_t>(static_cast<int>(axis) + 32768);
}

void FillJoystickPosition(const JoystickReading& reading, uint32_t flags, JoystickPosition* out) {
  const bool dead_zone = (flags & joy::kUseDeadZone) != 0;
  uint32_t* const positions[6] = {&out->x, &out->y, &out->z, &out->r, &out->u, &out->v};
  const uint32_t axis_flags[6] = {joy::kReturnX, joy::kReturnY, joy::kReturnZ,
                                  joy::kReturnR, joy::kReturnU, joy::kReturnV};
  for (int i = 0; i < 6; ++i) {
    if ((flags & axis_flags[i]) != 0) *positions[i] = AxisToPosition(reading.axes[i], dead_zone);
  }
  if ((flags & joy::kReturnButtons) != 0) {
    out->buttons = reading.buttons;
    out->button_number = static_cast<uint32_t>(__builtin_popcount(reading.buttons));
  }
  if ((flags & joy::kReturnPov) != 0) {
    out->pov = reading.hat >= 0 && reading.hat < 8 ? kHatPov[reading.hat] : joy::kPovCentered;
  }
  out->flags = flags;
}

JoystickResult GetJoystickPosition(unsigned id, uint32_t flags, JoystickPosition* out) {
  return ActiveSource().GetPosition(id, flags, out);
}

void JoystickConfigChanged() {
  ActiveSource().ConfigChanged();
}

void SetJoystickSource(std::unique_ptr<JoystickSource> source) {
  State().installed = std::move(source);
}

std::unique_ptr<JoystickSource> CreateNoJoystickSource() {
  return std::make_unique<NoJoysticks>();
}

}  // namespace platform
