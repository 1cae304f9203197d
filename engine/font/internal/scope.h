// The text scope: the font made from the description record and the drawing
// context it is selected into (the back buffer, the Font sprite or the Font
// buffer sprite), plus the drawing target the layouts draw through.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/el.h"
#include "engine/font/internal/layout.h"
#include "platform/font.h"

namespace el::font {

inline constexpr int kFontSprite = 2;
inline constexpr int kFontBufferSprite = 3;

// The description record, allocated zero-filled when still missing.
LOGFONTA& Record();
platform::FontDescription Describe(const LOGFONTA& record);
// Copies a face name (cut to the record's 31 bytes).
void SetFace(const char* name);
// The character set of a listed face, else Shift-JIS.
uint8_t CharsetOf(const char* name);

// Closes any open scope, then creates the font from the record, opens a
// context on `surface` (none when it is null) and selects the font.
void OpenScope(platform::Surface* surface);
// Selects the previous font back, deletes the font, releases the context.
void CloseScope();
platform::Surface* SpriteSurface(int number);

// The start shared by the positioned drawings: a transparent background and
// the near-black colours lifted (they stay lifted afterwards).
Colors PrepareColors();
// Their end: the text box copied onto the back buffer unless hidden, and the
// reveal restarted.
void FinishPositioned();

// Draws through the scope's context: each draw is a plain text out of one
// character in the given colour.
class ContextTarget : public GlyphTarget {
 public:
  Extent Measure(std::string_view character) override;
  void Draw(int x, int y, std::string_view character, uint32_t color) override;
};

}  // namespace el::font
