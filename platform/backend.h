// What a backend provides. Two exist: `sdl` (a real window, input, audio device
// and message boxes) and `headless` (virtual clock, scripted input, in-memory
// display, offline audio). The engine and the runtime never talk to a backend
// directly; they call the functions of platform/platform.h, which forward here.
#pragma once

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/mix_rate.h"
#include "platform/surface.h"

namespace platform {

class JoystickSource;

enum class MessageBoxKind { kInfo, kYesNo, kError };
enum class MessageBoxAnswer { kOk, kYes, kNo };

enum class ScaleMode { kFit, kInteger, kStretch };
// How the picture's pixels are filtered when scaled: kAuto keeps whole
// multiples sharp (integer scale mode) and smooths the others; sharp
// bilinear enlarges by the largest whole multiple with nearest pixels, then
// smooths the rest of the way.
enum class ScaleFilter { kAuto, kNearest, kLinear, kSharpBilinear };

struct DisplayOptions {
  bool windowed = false;  // false: full screen at the desktop's size
  int scale = 1;          // window of 640*scale x 480*scale
  ScaleMode scale_mode = ScaleMode::kFit;
  ScaleFilter filter = ScaleFilter::kAuto;
  // Game controllers post the pad messages (platform/messages.h).
  bool gamepad = false;
};

class Backend {
 public:
  virtual ~Backend() = default;
  virtual std::string_view Name() const = 0;

  // Millisecond clock with timeGetTime semantics (wraps at 2^32).
  virtual uint32_t TimeMs() = 0;
  // Calendar time in seconds since 1970, the seed of the story's random
  // jumps; the real clock unless the backend keeps a virtual one.
  virtual int64_t CalendarSeconds() { return static_cast<int64_t>(std::time(nullptr)); }
  // Returns once TimeMs() has passed `deadline_ms` (strictly greater). Real
  // backends sleep; the headless one advances its virtual clock.
  virtual void WaitUntil(uint32_t deadline_ms) = 0;

  // The main window. Creation posts the activation and the move messages that
  // a freshly shown window receives.
  virtual bool CreateMainWindow(std::string_view title_sjis) = 0;
  virtual void DestroyMainWindow() = 0;
  virtual bool HasWindow() const = 0;
  virtual void SetTitle(std::string_view title_sjis) = 0;
  virtual std::string Title() const = 0;  // Shift-JIS
  virtual void RaiseWindow() = 0;
  virtual void MinimizeWindow() = 0;
  // Window or whole screen; a backend without a screen only remembers it.
  virtual void SetFullScreen(bool full_screen) { full_screen_ = full_screen; }
  virtual bool FullScreen() const { return full_screen_; }

  // Moves native events into the message queue; Wait blocks until one came.
  virtual void PumpEvents() = 0;
  virtual void WaitEvents() = 0;
  // Called by the main loop after every frame.
  virtual void EndFrame() {}

  // Pointer over the window, in 640 x 480 display coordinates.
  virtual void SetPointerVisible(bool visible) = 0;
  virtual void ConfinePointer(const std::optional<Rect>& area) = 0;
  virtual void WarpPointer(int x, int y) = 0;
  virtual void SetTextInput(bool enabled) = 0;

  // The display: one mode (the game's) and presentation of the back surface.
  virtual bool SetDisplayMode(int width_px, int height_px, int bits_per_pixel) = 0;
  virtual void RestoreDisplayMode() = 0;
  virtual int DesktopBitsPerPixel() = 0;
  virtual void DesktopSize(int* width_px, int* height_px) = 0;
  virtual bool WaitVerticalBlank() = 0;
  virtual void Present(const Surface& back, const Rect& source) = 0;

  // Modal boxes; texts in Shift-JIS.
  virtual MessageBoxAnswer ShowMessageBox(MessageBoxKind kind, std::string_view caption,
                                          std::string_view text) = 0;
  virtual void Beep() = 0;

  // Audio output: the backend pulls `render` for interleaved stereo 16-bit
  // frames at kMixRateHz (SDL: from its audio thread; headless: once per
  // frame, also writing --audio-out). False when there is no device.
  using AudioRender = void (*)(int16_t* frames, int frame_count);
  virtual bool OpenAudio(AudioRender render) = 0;
  virtual void CloseAudio() = 0;

  // The joysticks this backend reads (platform/joystick.h); by default none,
  // every joystick unplugged.
  virtual std::unique_ptr<JoystickSource> OpenJoysticks();

 private:
  bool full_screen_ = false;
};

// Installs the backend every platform function forwards to.
void InstallBackend(std::unique_ptr<Backend> backend);
Backend& CurrentBackend();
bool HasBackend();
// Removes the backend (tests, and the end of the program).
void ResetBackend();

}  // namespace platform
