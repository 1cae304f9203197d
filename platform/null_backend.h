// A backend that does nothing: every call of the interface answers at once
// with a harmless value, the clock moves only when waited on, and there is
// no window, screen or audio device to reach. The test doubles derive from
// it (the tests' fake, the benchmarks' backend) and override what they
// record or control, so a new call in platform::Backend is given its
// default here once.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/backend.h"

namespace platform {

class NullBackend : public Backend {
 public:
  std::string_view Name() const override { return "null"; }

  // A virtual clock: waiting moves it just past the deadline.
  uint32_t TimeMs() override { return now_ms_; }
  void WaitUntil(uint32_t deadline_ms) override { now_ms_ = deadline_ms + 1; }

  bool CreateMainWindow(std::string_view) override { return true; }
  void DestroyMainWindow() override {}
  bool HasWindow() const override { return true; }
  void SetTitle(std::string_view) override {}
  std::string Title() const override { return {}; }
  void RaiseWindow() override {}
  void MinimizeWindow() override {}

  void PumpEvents() override {}
  void WaitEvents() override {}

  void SetPointerVisible(bool) override {}
  void ConfinePointer(const std::optional<Rect>&) override {}
  void WarpPointer(int, int) override {}
  void SetTextInput(bool) override {}

  bool SetDisplayMode(int, int, int) override { return true; }
  void RestoreDisplayMode() override {}
  int DesktopBitsPerPixel() override { return 16; }
  void DesktopSize(int* width_px, int* height_px) override {
    *width_px = 640;
    *height_px = 480;
  }
  bool WaitVerticalBlank() override { return true; }
  void Present(const Surface&, const Rect&) override {}

  MessageBoxAnswer ShowMessageBox(MessageBoxKind, std::string_view, std::string_view) override {
    return MessageBoxAnswer::kOk;
  }
  void Beep() override {}

  bool OpenAudio(AudioRender) override { return false; }
  void CloseAudio() override {}

 private:
  uint32_t now_ms_ = 0;
};

}  // namespace platform
