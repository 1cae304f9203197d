#include "bench/support/null_backend.h"

#include <cstdio>
#include <cstdlib>

#include "engine/draw/internal/draw.h"
#include "platform/backend.h"

namespace bench_support {
namespace {

class NullBackend : public platform::Backend {
 public:
  std::string_view Name() const override { return "null"; }
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
  void ConfinePointer(const std::optional<platform::Rect>&) override {}
  void WarpPointer(int, int) override {}
  void SetTextInput(bool) override {}
  bool SetDisplayMode(int, int, int) override { return true; }
  void RestoreDisplayMode() override {}
  int DesktopBitsPerPixel() override { return 16; }
  void DesktopSize(int* w, int* h) override { *w = 640, *h = 480; }
  bool WaitVerticalBlank() override { return true; }
  void Present(const platform::Surface&, const platform::Rect&) override {}
  platform::MessageBoxAnswer ShowMessageBox(platform::MessageBoxKind, std::string_view,
                                            std::string_view) override {
    return platform::MessageBoxAnswer::kOk;
  }
  void Beep() override {}
  bool OpenAudio(AudioRender) override { return false; }
  void CloseAudio() override {}

 private:
  uint32_t now_ms_ = 0;
};

int SixteenBits() {
  return 16;
}

}  // namespace

void OpenDisplay() {
  platform::InstallBackend(std::make_unique<NullBackend>());
  _FullScreen = 0;
  if (const auto failure = el::draw::OpenDisplay(640, 480, 1, &SixteenBits)) {
    std::fprintf(stderr, "display: %s\n", failure->message);
    std::exit(1);
  }
}

}  // namespace bench_support
