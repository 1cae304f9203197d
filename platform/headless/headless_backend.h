// The deterministic backend: a virtual clock advanced by a fixed step per
// frame, input from a script, a display that only keeps the presented frame,
// and audio rendered per frame (optionally into a WAV file).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/backends.h"
#include "platform/display_mode.h"
#include "platform/frame_keeper.h"
#include "platform/headless/script_runner.h"
#include "platform/headless/wav_writer.h"

namespace platform::headless {

inline constexpr int kMaxFrameMs = 1000;

class HeadlessBackend : public Backend {
 public:
  static constexpr uint32_t kStartTimeMs = 1000;

  HeadlessBackend(std::vector<ScriptStep> steps, int frame_ms);
  ~HeadlessBackend() override;

  // Starts writing the rendered mix to `path`; false when it cannot be created.
  bool OpenAudioOut(const std::string& path);

  std::string_view Name() const override { return "headless"; }
  uint32_t TimeMs() override { return now_ms_; }
  // A fixed calendar that runs with the virtual clock, so that random jumps
  // come out the same in every run.
  static constexpr int64_t kCalendarStartSeconds = 946684800;  // 2000-01-01 00:00 UTC
  int64_t CalendarSeconds() override { return kCalendarStartSeconds + now_ms_ / 1000; }
  void WaitUntil(uint32_t deadline_ms) override;

  bool CreateMainWindow(std::string_view title_sjis) override;
  void DestroyMainWindow() override { has_window_ = false; }
  bool HasWindow() const override { return has_window_; }
  void SetTitle(std::string_view title_sjis) override { title_ = std::string(title_sjis); }
  std::string Title() const override { return title_; }
  void RaiseWindow() override {}
  void MinimizeWindow() override {}

  void PumpEvents() override;
  void WaitEvents() override;
  void EndFrame() override;

  void SetPointerVisible(bool) override {}
  void ConfinePointer(const std::optional<Rect>&) override {}
  void WarpPointer(int, int) override {}
  void SetTextInput(bool) override {}

  bool SetDisplayMode(int width_px, int height_px, int bits_per_pixel) override {
    return display_mode_.Set(width_px, height_px, bits_per_pixel);
  }
  void RestoreDisplayMode() override { display_mode_.Restore(); }
  int DesktopBitsPerPixel() override { return display_mode_.DesktopBitsPerPixel(32); }
  void DesktopSize(int* width_px, int* height_px) override;
  bool WaitVerticalBlank() override { return true; }
  void Present(const Surface& back, const Rect& source) override { frames_.Keep(back, source); }

  MessageBoxAnswer ShowMessageBox(MessageBoxKind kind, std::string_view caption,
                                  std::string_view text) override;
  void Beep() override {}
  bool OpenAudio(AudioRender render) override;
  void CloseAudio() override { render_ = nullptr; }

 private:
  void RenderAudio();

  uint32_t now_ms_ = kStartTimeMs;
  uint32_t frame_ms_;
  bool has_window_ = false;
  std::string title_;
  DisplayModeState display_mode_;
  FrameKeeper frames_;
  ScriptRunner runner_;
  AudioRender render_ = nullptr;
  uint64_t audio_ms_ = 0;           // virtual time covered by rendered audio
  uint64_t audio_frames_done_ = 0;  // stereo frames rendered so far
  std::vector<int16_t> audio_buffer_;
  WavWriter wav_;
};

}  // namespace platform::headless
