// A backend for unit tests: a clock the test moves by hand, message boxes that
// are recorded and answered from a list, a display that keeps the last
// presented frame. Install it with FakeBackend::Install(). What it does not
// record it leaves to the do-nothing backend it derives from.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/null_backend.h"

namespace test_support {

struct RecordedBox {
  platform::MessageBoxKind kind;
  std::string caption;  // Shift-JIS, as shown
  std::string text;
};

class FakeBackend : public platform::NullBackend {
 public:
  // Installs a fresh fake as the platform backend and returns it (owned by
  // the platform until the next install or ResetBackend).
  static FakeBackend& Install();

  std::string_view Name() const override { return "fake"; }

  uint32_t TimeMs() override { return now_ms; }
  int64_t CalendarSeconds() override { return calendar_seconds; }
  void WaitUntil(uint32_t deadline_ms) override;

  bool CreateMainWindow(std::string_view title_sjis) override;
  void DestroyMainWindow() override { has_window = false; }
  bool HasWindow() const override { return has_window; }
  void SetTitle(std::string_view title_sjis) override { title = std::string(title_sjis); }
  std::string Title() const override { return title; }
  void RaiseWindow() override { ++raise_count; }
  void MinimizeWindow() override { minimized = true; }

  void SetPointerVisible(bool visible) override { pointer_visible = visible; }
  void ConfinePointer(const std::optional<platform::Rect>& area) override { confined = area; }
  void WarpPointer(int x, int y) override {
    warp_x = x;
    warp_y = y;
  }
  void SetTextInput(bool enabled) override { text_input = enabled; }

  bool SetDisplayMode(int width_px, int height_px, int bits_per_pixel) override;
  void RestoreDisplayMode() override { display_mode_set = false; }
  int DesktopBitsPerPixel() override { return desktop_bpp; }
  void DesktopSize(int* width_px, int* height_px) override {
    *width_px = 1920;
    *height_px = 1080;
  }
  bool WaitVerticalBlank() override { return vblank_ok; }
  void Present(const platform::Surface& back, const platform::Rect& source) override;

  platform::MessageBoxAnswer ShowMessageBox(platform::MessageBoxKind kind, std::string_view caption,
                                            std::string_view text) override;
  void Beep() override { ++beep_count; }
  bool OpenAudio(AudioRender render) override {
    if (!audio_available) return false;
    audio_render = render;
    return true;
  }
  void CloseAudio() override { audio_render = nullptr; }

  // What the test controls and inspects.
  uint32_t now_ms = 1000;
  int64_t calendar_seconds = 1234567890;  // what the title screen seeds the generator with
  bool has_window = false;
  bool window_fails = false;  // CreateMainWindow answers false
  std::string title;
  int raise_count = 0;
  bool minimized = false;
  bool pointer_visible = true;
  std::optional<platform::Rect> confined;
  int warp_x = -1, warp_y = -1;
  bool text_input = true;
  int desktop_bpp = 16;
  bool display_mode_set = false;
  std::vector<int> refused_depths;  // SetDisplayMode fails for these
  bool vblank_ok = true;
  int present_count = 0;
  std::vector<uint8_t> last_frame;  // pixels of the last presented source rectangle
  platform::Rect last_source{};
  std::deque<platform::MessageBoxAnswer> answers;  // default: ok / yes
  std::vector<RecordedBox> boxes;
  int beep_count = 0;
  bool audio_available = true;
  AudioRender audio_render = nullptr;  // the test pulls audio through it
};

}  // namespace test_support
