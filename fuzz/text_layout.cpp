// Input: byte 0 chooses the rectangle width, byte 1 the layout flags and the
// background mode; the rest is the text. Everything must stay inside the
// text and the surface, the layout must account for every character, and the
// text class's positioned layouts must end with their cells inside the table.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "engine/font/internal/layout.h"
#include "platform/font.h"
#include "platform/gdi.h"
#include "platform/text/text_chars.h"
#include "platform/text/text_layout.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckLayout(std::string_view text, int width) {
  std::vector<platform::text::TextChar> chars;
  platform::text::CutText(text, &chars);
  size_t next = 0;
  for (const auto& c : chars) {
    Check(c.offset == next && (c.length == 1 || c.length == 2));
    next += c.length;
  }
  Check(next == text.size());
  std::vector<int> advances;
  for (const auto& c : chars) advances.push_back(c.double_byte ? 2 : 1);
  size_t previous_end = 0;
  for (const auto& line : platform::text::LayOutLines(chars, advances, width, true)) {
    Check(line.first <= line.last && line.last <= chars.size() && line.first >= previous_end);
    previous_end = line.last;
  }
}

// Measures with the real font and draws into the surface, as the text
// class does through its drawing context.
class SurfaceTarget : public el::font::LineTarget {
 public:
  explicit SurfaceTarget(platform::DrawingContext& dc) : dc_(dc) {}
  el::font::Extent Measure(std::string_view c) override {
    const platform::Size size = dc_.GetTextExtent(c);
    return {size.cx, size.cy};
  }
  void Draw(int x, int y, std::string_view c, uint32_t color) override {
    dc_.SetTextColor(color);
    dc_.TextOut(x, y, c);
  }
  void FlushLine(int, int, int width, int height) override {
    Check(width >= 0 && height <= 2 * 1024 + 256);
  }

 private:
  platform::DrawingContext& dc_;
};

void CheckPositioned(std::string_view text, uint8_t width, uint8_t mode,
                     platform::DrawingContext& dc) {
  static elFont::_textpos cells[el::font::kMaxCells];
  int count = 0;
  SurfaceTarget target(dc);
  const el::font::Box box{width / 4, mode & 0x1F, width, 48};
  const auto effect = static_cast<uint16_t>((mode & 0x7) << 8 | (mode >> 5));
  el::font::LayOutPositioned(text, box, effect, 12, {0xFFFFFF, 0x101010}, target, cells, &count);
  Check(count >= 1 && count <= el::font::kMaxCells);
  el::font::LayOutAntialiased(text, box, effect, 24, 64, {0xFFFFFF, 0x101010}, target, cells,
                              &count);
  Check(count >= 1 && count <= el::font::kMaxCells);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int width = data[0];
  const uint8_t mode = data[1];
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
  CheckLayout(text, width);

  static const platform::Font font(
      {.face_sjis = "", .height = 12, .weight = (mode & 0x80) ? 700 : 400, .charset = 128});
  platform::Surface surface(64, 48, platform::PixelFormat::Rgb565());
  platform::DrawingContext dc(surface);
  dc.SelectFont(&font);
  dc.SetTextColor(0xFFFFFF);
  dc.SetBkMode((mode & 0x40) ? platform::BackgroundMode::kOpaque
                             : platform::BackgroundMode::kTransparent);
  const unsigned flags = 0x810u | (mode & 0x3u) | ((mode & 0x4u) ? 0x400u : 0u);
  platform::Rect rect{-4, 2, width - 4, 40};
  const int height = dc.DrawText(text, &rect, flags);
  Check(height >= 0 && height % 12 == 0);
  dc.TextOut(static_cast<int>(mode & 0x3F) - 16, 30, text);
  Check(dc.GetTextExtent(text).cy == 12);
  CheckPositioned(text, data[0], mode, dc);
  return 0;
}
