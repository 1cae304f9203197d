// Drawing of the comforts' overlays onto a presented frame: shaded panels
// and text in the game's gothic face, in the frame's own pixel format.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <utility>

#include "platform/font.h"
#include "platform/gdi.h"
#include "platform/surface.h"

namespace comforts {

// Colour references (0x00BBGGRR).
inline constexpr uint32_t kBlue = 0xFF0000;
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kBlack = 0x000000;

// The gothic faces, made once per size and weight.
class Fonts {
 public:
  const platform::Font& Gothic(int height_px, bool bold);

 private:
  std::map<std::pair<int, bool>, std::unique_ptr<platform::Font>> fonts_;
};

// Mixes the pixels of `area` (inside the surface) towards `color_ref` by
// alpha/256, each channel at its own depth: the plain loop for any format,
// and the same mix on the display's 5-6-5 words. Painter::Shade picks.
void ShadeReference(platform::Surface& frame, const platform::Rect& area, uint32_t color_ref,
                    int alpha);
void ShadeRgb565(platform::Surface& frame, const platform::Rect& area, uint32_t color_ref,
                 int alpha);

class Painter {
 public:
  explicit Painter(platform::Surface& frame) : frame_(frame) {}

  // Mixes `area` (clipped to the frame) towards `color_ref` by alpha/256.
  void Shade(const platform::Rect& area, uint32_t color_ref, int alpha);
  void Text(int x, int y, std::string_view sjis, uint32_t color_ref, const platform::Font& font);
  int TextWidth(std::string_view sjis, const platform::Font& font);
  int Width() const { return frame_.Width(); }
  int Height() const { return frame_.Height(); }

 private:
  platform::Surface& frame_;
};

}  // namespace comforts
