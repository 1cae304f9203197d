// The real backend: an SDL window that shows the 640 x 480 picture scaled to
// the window or the whole screen, SDL input turned into window messages, the
// SDL audio device and SDL message boxes.
#pragma once

#include <SDL.h>

#include <chrono>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/display_mode.h"
#include "platform/frame_keeper.h"
#include "platform/input_poster.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/viewport.h"

namespace platform::sdl {

inline constexpr int kDisplayWidthPx = 640;
inline constexpr int kDisplayHeightPx = 480;

class SdlBackend : public Backend {
 public:
  explicit SdlBackend(const DisplayOptions& options);
  ~SdlBackend() override;

  std::string_view Name() const override { return "sdl"; }
  uint32_t TimeMs() override;
  void WaitUntil(uint32_t deadline_ms) override;

  bool CreateMainWindow(std::string_view title_sjis) override;
  void DestroyMainWindow() override;
  bool HasWindow() const override { return window_ != nullptr; }
  void SetTitle(std::string_view title_sjis) override;
  std::string Title() const override { return title_; }
  void RaiseWindow() override;
  void MinimizeWindow() override;
  void SetFullScreen(bool full_screen) override;
  bool FullScreen() const override { return fullscreen_; }

  void PumpEvents() override;
  void WaitEvents() override;
  void EndFrame() override;

  void SetPointerVisible(bool visible) override;
  void ConfinePointer(const std::optional<Rect>& area) override;
  void WarpPointer(int x, int y) override;
  void SetTextInput(bool enabled) override;

  bool SetDisplayMode(int width_px, int height_px, int bits_per_pixel) override {
    return display_mode_.Set(width_px, height_px, bits_per_pixel);
  }
  void RestoreDisplayMode() override { display_mode_.Restore(); }
  int DesktopBitsPerPixel() override;
  void DesktopSize(int* width_px, int* height_px) override;
  bool WaitVerticalBlank() override { return true; }  // presentation waits for it
  void Present(const Surface& back, const Rect& source) override;

  MessageBoxAnswer ShowMessageBox(MessageBoxKind kind, std::string_view caption,
                                  std::string_view text) override;
  void Beep() override { audio_.Beep(); }
  bool OpenAudio(AudioRender render) override { return audio_.Open(render); }
  void CloseAudio() override { audio_.Close(); }
  std::unique_ptr<JoystickSource> OpenJoysticks() override;

 private:
  // Events (sdl_events.cpp).
  void HandleEvent(const SDL_Event& event);
  void HandleWindowEvent(const SDL_WindowEvent& event);
  void HandleKey(const SDL_KeyboardEvent& event);
  void HandleMouseMotion(int window_x, int window_y);
  void HandleMouseButton(const SDL_MouseButtonEvent& event);
  void HandleMouseWheel(const SDL_MouseWheelEvent& event);
  // Game controllers (sdl_gamepad.cpp).
  void OpenGamepads();
  void CloseGamepads();
  void HandleGamepadEvent(const SDL_Event& event);
  void SetIconFromResource();
  // True while the events after a button press wait for the next frame.
  bool HoldingInputForFrame();
  void ToggleFullScreen();
  void WriteScreenshot();
  // Presentation (sdl_present.cpp).
  bool CreateRenderer();
  void DestroyRenderer();
  void DrawFrame(const Surface& frame);
  // A message box drawn over the game's picture, answered in the window
  // (sdl_dialogs.cpp); for when SDL cannot open a box of its own.
  MessageBoxAnswer AnswerInWindow(MessageBoxKind kind, std::string_view caption_sjis,
                                  std::string_view text_sjis);
  bool PrepareTexture(const Surface& frame);
  // The frame into the texture, converted where the formats differ.
  bool FillTexture(const Surface& frame);
  void DrawKeptFrame();
  // Sharp bilinear: the picture at its largest whole multiple, made with
  // nearest pixels, is what gets smoothed into the viewport.
  SDL_Texture* WholeMultipleTexture(const Viewport& viewport);
  void LimitFrameRate();
  void UpdateFrameInterval();
  // Where the picture lies in window coordinates (input) and in the
  // renderer's pixels (drawing).
  Viewport WindowViewport() const;
  Viewport OutputViewport() const;
  void ApplyConfinement();

  DisplayOptions options_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  SDL_Texture* multiple_texture_ = nullptr;
  int multiple_ = 0;
  int texture_width_ = 0;
  int texture_height_ = 0;
  Uint32 texture_format_ = 0;
  Uint32 native_format_ = 0;  // the renderer's 32-bit format, 0: none we write
  // The kept frame is on screen: a frame equal to it is not drawn again.
  bool frame_shown_ = false;
  std::string title_;
  bool fullscreen_ = false;
  bool active_ = false;
  bool window_close_seen_ = false;
  // A button went down since the last frame: further events wait for it.
  bool button_down_pending_ = false;
  uint32_t button_down_ticks_ = 0;
  std::optional<Rect> confined_;
  std::set<int> swallowed_scancodes_;  // keys the backend took for itself
  DisplayModeState display_mode_;
  FrameKeeper frames_;
  InputPoster poster_;
  std::vector<SDL_GameController*> gamepads_;
  int wheel_remainder_ = 0;  // of precise wheel motion, in 1/kWheelDelta notches
  SdlAudio audio_;
  std::chrono::steady_clock::time_point last_frame_end_{};
  std::chrono::microseconds min_frame_interval_{15000};
  std::chrono::microseconds refresh_period_{16666};
  bool drew_this_frame_ = false;  // presentation drew since the last frame's end
};

}  // namespace platform::sdl
