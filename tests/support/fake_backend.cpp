#include "tests/support/fake_backend.h"

#include <algorithm>
#include <cstring>

#include "platform/platform.h"

namespace test_support {

FakeBackend& FakeBackend::Install() {
  auto backend = std::make_unique<FakeBackend>();
  FakeBackend& ref = *backend;
  platform::InstallBackend(std::move(backend));
  platform::ResetMessageQueue();
  return ref;
}

void FakeBackend::WaitUntil(uint32_t deadline_ms) {
  if (static_cast<int32_t>(now_ms - deadline_ms) <= 0) now_ms = deadline_ms + 1;
}

bool FakeBackend::CreateMainWindow(std::string_view title_sjis) {
  if (window_fails) return false;
  has_window = true;
  title = std::string(title_sjis);
  return true;
}

bool FakeBackend::SetDisplayMode(int, int, int bits_per_pixel) {
  if (std::find(refused_depths.begin(), refused_depths.end(), bits_per_pixel) !=
      refused_depths.end())
    return false;
  display_mode_set = true;
  desktop_bpp = bits_per_pixel;
  return true;
}

void FakeBackend::Present(const platform::Surface& back, const platform::Rect& source) {
  ++present_count;
  last_source = source;
  const int bpp = back.Format().BytesPerPixel();
  last_frame.clear();
  for (int y = std::max(source.top, 0); y < std::min(source.bottom, back.Height()); ++y) {
    const uint8_t* row = back.Row(y) + static_cast<size_t>(std::max(source.left, 0)) * bpp;
    const int width = std::min(source.right, back.Width()) - std::max(source.left, 0);
    if (width > 0) last_frame.insert(last_frame.end(), row, row + static_cast<size_t>(width) * bpp);
  }
}

platform::MessageBoxAnswer FakeBackend::ShowMessageBox(platform::MessageBoxKind kind,
                                                       std::string_view caption,
                                                       std::string_view text) {
  boxes.push_back({kind, std::string(caption), std::string(text)});
  if (!answers.empty()) {
    const auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return kind == platform::MessageBoxKind::kYesNo ? platform::MessageBoxAnswer::kYes
                                                  : platform::MessageBoxAnswer::kOk;
}

}  // namespace test_support
