// A drawing context on a surface: the stand-in for the window system's device
// context. It holds the selected pen, brush, font, text colours and background
// mode, and rasterises lines, rectangles, curves, polygons, pixels, stretched
// bitmaps and text onto its surface in the surface's own pixel format.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/surface.h"

namespace platform {

class Font;
class Dib;

struct Pen {
  bool visible = true;  // false: the null pen
  uint32_t color = 0;   // colour reference 0x00BBGGRR
  int width = 1;
};

struct Brush {
  enum class Style { kNull, kSolid, kDiagonalCross };
  Style style = Style::kSolid;
  uint32_t color = 0xFFFFFF;
};

enum class BackgroundMode { kTransparent = 1, kOpaque = 2 };

struct Size {
  int cx = 0;
  int cy = 0;
};

// Flags of the rectangle text layout (the values the engine passes).
namespace dt {
inline constexpr unsigned kLeft = 0x000;
inline constexpr unsigned kCenter = 0x001;
inline constexpr unsigned kRight = 0x002;
inline constexpr unsigned kWordBreak = 0x010;
inline constexpr unsigned kCalcRect = 0x400;
inline constexpr unsigned kNoPrefix = 0x800;
}  // namespace dt

struct IntPoint {
  int x = 0;
  int y = 0;
};

class DrawingContext {
 public:
  // Holds the surface locked for the context's lifetime.
  explicit DrawingContext(Surface& target);
  DrawingContext(const DrawingContext&) = delete;
  DrawingContext& operator=(const DrawingContext&) = delete;
  ~DrawingContext();

  Surface& Target() { return target_; }
  bool Valid() const { return valid_; }

  // Objects and state.
  Pen SelectPen(const Pen& pen);
  Brush SelectBrush(const Brush& brush);
  const Font* SelectFont(const Font* font);  // returns the previous one
  const Font* SelectedFont() const { return font_; }
  uint32_t SetTextColor(uint32_t color_ref);
  uint32_t SetBkColor(uint32_t color_ref);
  BackgroundMode SetBkMode(BackgroundMode mode);
  uint32_t TextColor() const { return text_color_; }
  uint32_t BkColor() const { return bk_color_; }
  BackgroundMode BkMode() const { return bk_mode_; }

  // Shapes, rasterised as the window system does (end points of lines are not
  // drawn; rectangles cover right-1 and bottom-1 with the pen inside).
  void SetPixel(int x, int y, uint32_t color_ref);
  uint32_t GetPixel(int x, int y) const;  // colour reference
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Rectangle(int left, int top, int right, int bottom);
  void PolyBezier(std::span<const IntPoint> points);
  void Polygon(std::span<const IntPoint> points);
  void InvertRect(const Rect& rect);
  // Stretched source copy of a rectangle of a device-independent bitmap.
  void StretchDib(const Rect& dst, const Dib& dib, const Rect& src);
  // Stretched source copy from another surface (nearest sample, the
  // blitter's rule), clipped to both surfaces pixel by pixel, converted
  // through colour references when the formats differ.
  void StretchBlt(const Rect& dst, const Surface& src, const Rect& src_rect);

  // Text in Shift-JIS with the selected font.
  void TextOut(int x, int y, std::string_view text_sjis);
  // A rectangle holding every pixel the last TextOut wrote (empty if none).
  const Rect& LastTextBounds() const { return last_text_bounds_; }
  Size GetTextExtent(std::string_view text_sjis) const;
  // Lays the text out in `rect`; returns the height of the laid-out text.
  int DrawText(std::string_view text_sjis, Rect* rect, unsigned flags);

 private:
  Surface& target_;
  bool valid_ = false;
  Pen pen_;
  Brush brush_;
  const Font* font_ = nullptr;
  uint32_t text_color_ = 0x000000;
  uint32_t bk_color_ = 0xFFFFFF;
  BackgroundMode bk_mode_ = BackgroundMode::kOpaque;
  IntPoint current_{};
  Rect last_text_bounds_{};
};

namespace reference {
// The plain loop of DrawingContext::StretchBlt, pixel by pixel: destination
// pixels off `target` and those whose sample falls off `src` are left as
// they are. The context's fast path gives the same pixels.
void StretchBlt(Surface& target, const Rect& dst, const Surface& src, const Rect& src_rect);
}  // namespace reference

}  // namespace platform
