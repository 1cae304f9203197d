// Fonts of the drawing context: a font made from a logical description (face
// name in Shift-JIS, cell height, width, escapement, weight, italic,
// underline, character set), rasterised in monochrome with a cache of the
// glyphs it has drawn, and the list of installed faces.
//
// Use from the main thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

inline constexpr uint8_t kCharsetAnsi = 0;
inline constexpr uint8_t kCharsetSymbol = 2;
inline constexpr uint8_t kCharsetShiftJis = 128;

// The face names "標準明朝" and "標準ゴシック" (in Shift-JIS) stand for the
// installed Japanese serif and sans faces.
struct FontDescription {
  std::string face_sjis;  // empty: the platform's default face
  int height = 0;         // > 0 cell height, < 0 em height, 0 default (pixels)
  int width = 0;          // 0: natural; else the average character width
  int escapement = 0;     // tenths of a degree, counter-clockwise
  int weight = 0;         // 0: default (400); 700 bold
  bool italic = false;
  bool underline = false;
  uint8_t charset = kCharsetAnsi;
};

struct FontMetrics {
  int height_px = 0;            // the character cell: ascent + descent
  int ascent_px = 0;            // cell top to baseline
  int descent_px = 0;           // baseline to cell bottom
  int em_px = 0;                // the em square (full-width character advance)
  int underline_offset_px = 0;  // below the baseline
  int underline_thickness_px = 1;
};

// One rasterised glyph: a coverage map of 0 and 1, placed relative to the
// pen position on the baseline (left to the right, top upwards).
struct Glyph {
  int left_px = 0;
  int top_px = 0;
  int width_px = 0;
  int rows_px = 0;
  int advance_px = 0;             // along the baseline, unrotated
  std::vector<uint8_t> coverage;  // rows_px * width_px
};

// One installed face family as the enumeration reports it.
struct FaceEntry {
  std::string name_sjis;
  uint8_t charset = kCharsetAnsi;  // 128 covers Japanese, 2 symbol, 0 other
};

// The installed faces, one entry per family, sorted by family name. Faces
// whose name has no Shift-JIS form are left out.
const std::vector<FaceEntry>& EnumerateFaces();

class FontInstance;

class Font {
 public:
  explicit Font(const FontDescription& description);
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  ~Font();

  const FontDescription& Description() const { return description_; }
  const FontMetrics& Metrics() const;
  // The family actually used after substitution (UTF-8); empty when no face
  // could be opened (text then advances but draws nothing).
  const std::string& FamilyName() const;
  bool SyntheticBold() const;
  bool SyntheticItalic() const;
  // The glyph of a code point, rasterised once and then served from the
  // cache. U+FFFD gives the visible replacement mark. The reference is valid
  // until the next GlyphFor call (a full cache is emptied).
  const Glyph& GlyphFor(char32_t code_point) const;
  // The advance of a code point's glyph (the same as GlyphFor's), found
  // without rasterising it: text is measured whole, but only the glyphs that
  // reach the screen are drawn.
  int AdvanceFor(char32_t code_point) const;
  // How many glyphs this font's face has rasterised so far (all fonts of the
  // same description share the count), for the tests of the cache.
  size_t GlyphsRendered() const;

 private:
  FontDescription description_;
  std::shared_ptr<FontInstance> instance_;  // shared by equal descriptions
};

// The font a drawing context uses before one is selected.
const Font& DefaultFont();

}  // namespace platform
