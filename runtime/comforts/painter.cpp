#include "runtime/comforts/painter.h"

#include <algorithm>
#include <bit>

namespace comforts {
namespace {

// "標準ゴシック" in Shift-JIS: the name that stands for the installed gothic face.
constexpr std::string_view kGothicFace = "\x95\x57\x8f\x80\x83\x53\x83\x56\x83\x62\x83\x4e";
constexpr int kBoldWeight = 700;

// One channel of a raw pixel mixed towards the same channel of `to`.
uint32_t MixChannel(uint32_t from, uint32_t to, uint32_t mask, int alpha) {
  const int shift = std::countr_zero(mask);
  const uint32_t a = (from & mask) >> shift;
  const uint32_t b = (to & mask) >> shift;
  const uint32_t mixed =
      (a * static_cast<uint32_t>(256 - alpha) + b * static_cast<uint32_t>(alpha)) >> 8;
  return (mixed << shift) & mask;
}

}  // namespace

// The display's own 5-6-5 pixels: the reference's mix, channel by channel,
// on 16-bit words.
void ShadeRgb565(platform::Surface& frame, const platform::Rect& r, uint32_t color_ref, int alpha) {
  const uint32_t to = platform::ColorRefToPixel(frame.Format(), color_ref);
  const uint32_t keep = static_cast<uint32_t>(256 - alpha);
  const uint32_t add_r = (to >> 11) * static_cast<uint32_t>(alpha);
  const uint32_t add_g = ((to >> 5) & 0x3F) * static_cast<uint32_t>(alpha);
  const uint32_t add_b = (to & 0x1F) * static_cast<uint32_t>(alpha);
  for (int y = r.top; y < r.bottom; ++y) {
    auto* row = reinterpret_cast<uint16_t*>(frame.Row(y));
    for (int x = r.left; x < r.right; ++x) {
      const uint32_t p = row[x];
      const uint32_t red = ((p >> 11) * keep + add_r) >> 8;
      const uint32_t green = (((p >> 5) & 0x3F) * keep + add_g) >> 8;
      const uint32_t blue = ((p & 0x1F) * keep + add_b) >> 8;
      row[x] = static_cast<uint16_t>(red << 11 | green << 5 | blue);
    }
  }
}

const platform::Font& Fonts::Gothic(int height_px, bool bold) {
  auto& font = fonts_[{height_px, bold}];
  if (!font) {
    platform::FontDescription description;
    description.face_sjis = std::string(kGothicFace);
    description.height = height_px;
    description.weight = bold ? kBoldWeight : 0;
    description.charset = platform::kCharsetShiftJis;
    font = std::make_unique<platform::Font>(description);
  }
  return *font;
}

void Painter::Shade(const platform::Rect& area, uint32_t color_ref, int alpha) {
  const platform::Rect r{std::max(area.left, 0), std::max(area.top, 0),
                         std::min(area.right, frame_.Width()),
                         std::min(area.bottom, frame_.Height())};
  alpha = std::clamp(alpha, 0, 256);
  if (frame_.Format() == platform::PixelFormat::Rgb565()) {
    ShadeRgb565(frame_, r, color_ref, alpha);
  } else {
    ShadeReference(frame_, r, color_ref, alpha);
  }
}

void ShadeReference(platform::Surface& frame, const platform::Rect& area, uint32_t color_ref,
                    int alpha) {
  const platform::PixelFormat& format = frame.Format();
  const uint32_t to = platform::ColorRefToPixel(format, color_ref);
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const uint32_t from = frame.GetPixel(x, y);
      frame.SetPixel(x, y,
                     MixChannel(from, to, format.r_mask, alpha) |
                         MixChannel(from, to, format.g_mask, alpha) |
                         MixChannel(from, to, format.b_mask, alpha));
    }
  }
}

void Painter::Text(int x, int y, std::string_view sjis, uint32_t color_ref,
                   const platform::Font& font) {
  platform::DrawingContext context(frame_);
  if (!context.Valid()) return;
  context.SelectFont(&font);
  context.SetTextColor(color_ref);
  context.SetBkMode(platform::BackgroundMode::kTransparent);
  context.TextOut(x, y, sjis);
}

int Painter::TextWidth(std::string_view sjis, const platform::Font& font) {
  platform::DrawingContext context(frame_);
  if (!context.Valid()) return 0;
  context.SelectFont(&font);
  return context.GetTextExtent(sjis).cx;
}

}  // namespace comforts
