// Joysticks read from SDL. The joystick subsystem starts on the first query,
// so a program that never reads a joystick never opens one.
#include <SDL.h>

#include <array>

#include "platform/joystick.h"
#include "platform/sdl/sdl_backend.h"

namespace platform {
namespace {

constexpr unsigned kMaxJoysticks = 2;

// SDL hat bits to eighths of a turn clockwise from up; -1 when centred.
int HatEighth(Uint8 hat) {
  switch (hat) {
    case SDL_HAT_UP:
      return 0;
    case SDL_HAT_RIGHTUP:
      return 1;
    case SDL_HAT_RIGHT:
      return 2;
    case SDL_HAT_RIGHTDOWN:
      return 3;
    case SDL_HAT_DOWN:
      return 4;
    case SDL_HAT_LEFTDOWN:
      return 5;
    case SDL_HAT_LEFT:
      return 6;
    case SDL_HAT_LEFTUP:
      return 7;
    default:
      return -1;
  }
}

JoystickReading ReadDevice(SDL_Joystick* device) {
  JoystickReading reading;
  const int axes = SDL_JoystickNumAxes(device);
  for (int i = 0; i < 6 && i < axes; ++i) reading.axes[i] = SDL_JoystickGetAxis(device, i);
  const int buttons = SDL_JoystickNumButtons(device);
  for (int i = 0; i < 32 && i < buttons; ++i) {
    if (SDL_JoystickGetButton(device, i) != 0) reading.buttons |= 1u << i;
  }
  if (SDL_JoystickNumHats(device) > 0) reading.hat = HatEighth(SDL_JoystickGetHat(device, 0));
  return reading;
}

class SdlJoysticks final : public JoystickSource {
 public:
  SdlJoysticks() = default;
  SdlJoysticks(const SdlJoysticks&) = delete;
  SdlJoysticks& operator=(const SdlJoysticks&) = delete;
  ~SdlJoysticks() override {
    CloseAll();
    if (started_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  }

  JoystickResult GetPosition(unsigned id, uint32_t flags, JoystickPosition* out) override {
    if (id >= kMaxJoysticks || !Start()) return JoystickResult::kUnplugged;
    SDL_JoystickUpdate();
    SDL_Joystick* device = Device(id);
    if (device == nullptr) return JoystickResult::kUnplugged;
    FillJoystickPosition(ReadDevice(device), flags, out);
    return JoystickResult::kOk;
  }

  // Devices are opened again on the next query, in SDL's current order.
  void ConfigChanged() override {
    CloseAll();
    start_failed_ = false;
  }

 private:
  bool Start() {
    if (started_) return true;
    if (start_failed_) return false;
    // Frames keep running while the program is inactive; so do the readings.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    started_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    start_failed_ = !started_;
    return started_;
  }

  SDL_Joystick* Device(unsigned id) {
    SDL_Joystick*& device = devices_[id];
    if (device != nullptr && SDL_JoystickGetAttached(device) == SDL_FALSE) {
      SDL_JoystickClose(device);
      device = nullptr;
    }
    if (device == nullptr && static_cast<int>(id) < SDL_NumJoysticks() &&
        !HeldByAnotherSlot(id, SDL_JoystickGetDeviceInstanceID(static_cast<int>(id)))) {
      device = SDL_JoystickOpen(static_cast<int>(id));
    }
    return device;
  }

  // After an unplug SDL renumbers its devices; a slot never takes the device
  // the other slot reads.
  bool HeldByAnotherSlot(unsigned id, SDL_JoystickID instance) const {
    for (unsigned other = 0; other < kMaxJoysticks; ++other) {
      if (other != id && devices_[other] != nullptr &&
          SDL_JoystickInstanceID(devices_[other]) == instance)
        return true;
    }
    return false;
  }

  void CloseAll() {
    for (SDL_Joystick*& device : devices_) {
      if (device != nullptr) SDL_JoystickClose(device);
      device = nullptr;
    }
  }

  std::array<SDL_Joystick*, kMaxJoysticks> devices_{};
  bool started_ = false;
  bool start_failed_ = false;
};

}  // namespace

std::unique_ptr<JoystickSource> CreateSdlJoystickSource() {
  return std::make_unique<SdlJoysticks>();
}

std::unique_ptr<JoystickSource> sdl::SdlBackend::OpenJoysticks() {
  return CreateSdlJoystickSource();
}

}  // namespace platform
