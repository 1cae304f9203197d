// SDL events turned into the window messages the program's window procedure
// expects; Alt+Enter and F12 are the backend's own and never reach it.
#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/file_writing.h"
#include "platform/instance_lock.h"
#include "platform/platform.h"
#include "platform/sdl/key_table.h"
#include "platform/sdl/sdl_backend.h"

namespace platform::sdl {
namespace {

constexpr Sint32 kWaitSliceMs = 10;  // event sources are polled between slices
constexpr Uint32 kButtonHoldMaxMs = 100;

KeyLayout CurrentLayout() {
  return LayoutFromKeyRightOfP(SDL_GetKeyFromScancode(SDL_SCANCODE_LEFTBRACKET));
}

// Writes `png` into `folder` under a name made from the local time; a name
// already taken gets a number, so no screenshot is ever overwritten.
bool WriteNewScreenshot(const std::string& folder, const std::vector<uint8_t>& png,
                        std::string* path, std::string* error) {
  constexpr int kMaxPerSecond = 99;
  const LocalDateTime now = LocalTime();
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "screenshot-%04d%02d%02d-%02d%02d%02d", now.year, now.month,
                now.day, now.hour, now.minute, now.second);
  for (int n = 1; n <= kMaxPerSecond; ++n) {
    // Appended piece by piece: at -O3 GCC 12 takes a literal added to a
    // temporary string for an overlapping copy (-Wrestrict).
    *path = folder;
    *path += stamp;
    if (n > 1) {
      *path += '-';
      *path += std::to_string(n);
    }
    *path += ".png";
    const WriteResult result = WriteWholeFile(*path, png, IfExists::kKeep, error);
    if (result != WriteResult::kKept) return result == WriteResult::kWritten;
  }
  *error = "too many screenshots in one second";
  return false;
}

}  // namespace

void SdlBackend::PumpEvents() {
  // Another start asked for this window: raised only while the title is
  // still the one the lock was taken with, as the second start looks for it.
  if (TakeRaiseRequest() && window_ != nullptr && title_ == InstanceLockTitle()) RaiseWindow();
  window_close_seen_ = false;
  audio_.Tick();
  if (HoldingInputForFrame()) return;
  SDL_Event event;
  while (!button_down_pending_ && SDL_PollEvent(&event) != 0) HandleEvent(event);
}

bool SdlBackend::HoldingInputForFrame() {
  if (!button_down_pending_) return false;
  // No frame may come while the program waits elsewhere: never hold long.
  if (SDL_GetTicks() - button_down_ticks_ < kButtonHoldMaxMs) return true;
  button_down_pending_ = false;
  return false;
}

void SdlBackend::WaitEvents() {
  SDL_WaitEventTimeout(nullptr, kWaitSliceMs);
  PumpEvents();
}

void SdlBackend::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      // Closing the last window also produces a quit event: one request.
      if (!window_close_seen_) PostMessage(msg::kClose, 0, 0);
      break;
    case SDL_WINDOWEVENT:
      HandleWindowEvent(event.window);
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      HandleKey(event.key);
      break;
    case SDL_MOUSEMOTION:
      HandleMouseMotion(event.motion.x, event.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      HandleMouseButton(event.button);
      break;
    case SDL_MOUSEWHEEL:
      HandleMouseWheel(event.wheel);
      break;
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERAXISMOTION:
      HandleGamepadEvent(event);
      break;
    case SDL_RENDER_DEVICE_RESET:
      // The textures went with the device: make them again.
      if (texture_ != nullptr) SDL_DestroyTexture(texture_);
      texture_ = nullptr;
      if (multiple_texture_ != nullptr) SDL_DestroyTexture(multiple_texture_);
      multiple_texture_ = nullptr;
      frame_shown_ = false;
      MarkAllSurfacesLost();
      break;
    case SDL_RENDER_TARGETS_RESET:
      frame_shown_ = false;
      MarkAllSurfacesLost();
      break;
    default:
      break;
  }
}

void SdlBackend::HandleWindowEvent(const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      if (!active_) PostMessage(msg::kActivateApp, 1, 0);
      active_ = true;
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      if (active_) PostMessage(msg::kActivateApp, 0, 0);
      active_ = false;
      break;
    case SDL_WINDOWEVENT_CLOSE:
      window_close_seen_ = true;
      PostMessage(msg::kClose, 0, 0);
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      ApplyConfinement();
      DrawKeptFrame();
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      DrawKeptFrame();
      break;
    default:
      break;
  }
}

void SdlBackend::HandleKey(const SDL_KeyboardEvent& event) {
  const bool down = event.type == SDL_KEYDOWN;
  const int scancode = event.keysym.scancode;
  // Repeats and the release of a key the backend took stay with it; a new
  // press (its release may have gone to another window) is a key again.
  if (swallowed_scancodes_.count(scancode) != 0) {
    if (down && event.repeat != 0) return;
    swallowed_scancodes_.erase(scancode);
    if (!down) return;
  }
  const Uint16 mod = event.keysym.mod;
  const KeyContext context{CurrentLayout(), (mod & KMOD_NUM) != 0, (mod & KMOD_SHIFT) != 0};
  const uint32_t virtual_key = VirtualKeyFromSdl(scancode, event.keysym.sym, context);
  if (virtual_key == 0) return;
  const bool alt = (mod & KMOD_ALT) != 0;
  if (down && virtual_key == vk::kReturn && alt) {
    swallowed_scancodes_.insert(scancode);
    ToggleFullScreen();
    return;
  }
  if (down && virtual_key == vk::kF12) {
    swallowed_scancodes_.insert(scancode);
    WriteScreenshot();
    return;
  }
  poster_.Key(virtual_key, down, alt, (mod & KMOD_CTRL) != 0);
}

void SdlBackend::HandleMouseMotion(int window_x, int window_y) {
  int x = 0;
  int y = 0;
  WindowToDisplay(WindowViewport(), kDisplayWidthPx, kDisplayHeightPx, window_x, window_y, &x, &y);
  poster_.MoveTo(x, y);
}

void SdlBackend::HandleMouseButton(const SDL_MouseButtonEvent& event) {
  MouseButton button = MouseButton::kLeft;
  if (event.button == SDL_BUTTON_RIGHT) {
    button = MouseButton::kRight;
  } else if (event.button != SDL_BUTTON_LEFT) {
    return;
  }
  int x = 0;
  int y = 0;
  WindowToDisplay(WindowViewport(), kDisplayWidthPx, kDisplayHeightPx, event.x, event.y, &x, &y);
  if (x != poster_.X() || y != poster_.Y()) poster_.MoveTo(x, y);
  const bool down = event.state == SDL_PRESSED;
  // SDL counts the clicks of a series; every second one is a double click.
  const bool double_click = down && event.clicks >= 2 && event.clicks % 2 == 0;
  poster_.Button(button, down, double_click);
  // The program polls the buttons once a frame: a press and its release taken
  // in the same pump (a quick tap) would never be seen down. What follows a
  // press waits in SDL's queue until a frame has run.
  if (down) {
    button_down_pending_ = true;
    button_down_ticks_ = SDL_GetTicks();
  }
}

// Whole notches, as the window system counts them; a precise wheel (a touch
// pad) adds up its fractions until they make one.
void SdlBackend::HandleMouseWheel(const SDL_MouseWheelEvent& event) {
  if (event.which == SDL_TOUCH_MOUSEID) return;
  const float sign = event.direction == SDL_MOUSEWHEEL_FLIPPED ? -1.0f : 1.0f;
  wheel_remainder_ += static_cast<int>(event.preciseY * sign * kWheelDelta);
  const int notches = wheel_remainder_ / kWheelDelta;
  if (notches == 0) return;
  wheel_remainder_ -= notches * kWheelDelta;
  poster_.Wheel(notches);
}

void SdlBackend::ToggleFullScreen() {
  SetFullScreen(!fullscreen_);
}

void SdlBackend::SetFullScreen(bool full_screen) {
  if (window_ == nullptr) {
    fullscreen_ = full_screen;
    return;
  }
  if (full_screen == fullscreen_) return;
  if (SDL_SetWindowFullscreen(window_, full_screen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
    std::fprintf(stderr, "aoat: cannot switch the display: %s\n", SDL_GetError());
    return;
  }
  fullscreen_ = full_screen;
  UpdateFrameInterval();
  ApplyConfinement();
  DrawKeptFrame();
}

void SdlBackend::WriteScreenshot() {
  const std::string folder = ScreenshotFolder();
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  std::vector<uint8_t> png;
  std::string path = folder;
  std::string error;
  if (frames_.EncodePng(&png, &error) && WriteNewScreenshot(folder, png, &path, &error)) {
    std::fprintf(stderr, "aoat-player: screenshot written to %s\n", path.c_str());
  } else {
    std::fprintf(stderr, "aoat-player: cannot write the screenshot %s: %s\n", path.c_str(),
                 error.c_str());
  }
}

}  // namespace platform::sdl
