// Game controllers through SDL's controller mapping: buttons and the left
// stick become the player's pad messages. Controllers are opened as SDL
// announces them (also those plugged in before the start).
#include <algorithm>
#include <cstdio>

#include "platform/platform.h"
#include "platform/sdl/sdl_backend.h"

namespace platform::sdl {
namespace {

// SDL numbers the buttons and axes of its common layout in the order of
// PadButton and PadAxis.
bool IsPadButton(Uint8 button) {
  return button < kPadButtonCount;
}
bool IsPadAxis(Uint8 axis) {
  return axis < kPadAxisCount;
}

}  // namespace

void SdlBackend::OpenGamepads() {
  if (!options_.gamepad || SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0) return;
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    std::fprintf(stderr, "aoat: no game controllers: %s\n", SDL_GetError());
  }
}

void SdlBackend::CloseGamepads() {
  for (SDL_GameController* pad : gamepads_) SDL_GameControllerClose(pad);
  gamepads_.clear();
  if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlBackend::HandleGamepadEvent(const SDL_Event& event) {
  if (!options_.gamepad) return;
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      if (SDL_GameController* pad = SDL_GameControllerOpen(event.cdevice.which)) {
        gamepads_.push_back(pad);
      }
      break;
    case SDL_CONTROLLERDEVICEREMOVED: {
      const auto gone = std::find_if(gamepads_.begin(), gamepads_.end(), [&](auto* pad) {
        return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == event.cdevice.which;
      });
      if (gone == gamepads_.end()) break;
      SDL_GameControllerClose(*gone);
      gamepads_.erase(gone);
      // Nothing stays held on a controller that is gone.
      for (uint32_t button = 0; button < kPadButtonCount; ++button)
        poster_.PadButton(static_cast<PadButton>(button), false);
      poster_.PadAxis(PadAxis::kLeftX, 0);
      poster_.PadAxis(PadAxis::kLeftY, 0);
      break;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      if (IsPadButton(event.cbutton.button)) {
        poster_.PadButton(static_cast<PadButton>(event.cbutton.button),
                          event.type == SDL_CONTROLLERBUTTONDOWN);
      }
      break;
    case SDL_CONTROLLERAXISMOTION:
      if (IsPadAxis(event.caxis.axis))
        poster_.PadAxis(static_cast<PadAxis>(event.caxis.axis), event.caxis.value);
      break;
    default:
      break;
  }
}

}  // namespace platform::sdl
