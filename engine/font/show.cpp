// The timed reveal of the last positioned drawing.
#include "engine/el.h"
#include "engine/font/internal/reveal.h"
#include "engine/font/internal/scope.h"

int elFont::Show(float Wait) {
  return el::font::RevealStep(
      Wait, FrameTime, FontCount, TextPos, &ShowCount, &ShowWait, [](const _textpos& r) {
        elDraw::Layer(r.X1, r.Y1, el::font::kFontSprite, r.X1, r.Y1, r.X2, r.Y2);
      });
}
