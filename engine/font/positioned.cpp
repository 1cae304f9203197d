// The positioned drawing: character by character into the Font sprite, then
// copied onto the back buffer.
#include "engine/el.h"
#include "engine/font/internal/layout.h"
#include "engine/font/internal/scope.h"
#include "platform/gdi.h"

namespace el::font {
namespace {

void ShowTextBox() {
  const elFont::_textpos& box = elFont::TextPos[0];
  elDraw::Layer(box.X1, box.Y1, kFontSprite, box.X1, box.Y1, box.X2, box.Y2);
}

}  // namespace

Colors PrepareColors() {
  if (elFont::FontDC) elFont::FontDC->SetBkMode(platform::BackgroundMode::kTransparent);
  elFont::FontTextColor = LiftNearBlack(elFont::FontTextColor);
  elFont::FontBackColor = LiftNearBlack(elFont::FontBackColor);
  return {elFont::FontTextColor, elFont::FontBackColor};
}

void FinishPositioned() {
  if (elFont::DrawAndShow) ShowTextBox();
  elFont::ShowCount = 0;
  elFont::ShowWait = 0.0f;
  elFont::DrawAndShow = 1;
}

}  // namespace el::font

void elFont::Draw(int X1, int Y1, int X2, int Y2, const char* Str, uint16_t Effect) {
  el::font::CloseScope();
  elDraw::SpriteClear(el::font::kFontSprite);
  el::font::OpenScope(el::font::SpriteSurface(el::font::kFontSprite));
  const el::font::Colors colors = el::font::PrepareColors();
  el::font::ContextTarget target;
  el::font::LayOutPositioned(Str ? Str : "", el::font::ClampBox(X1, Y1, X2, Y2), Effect, FontHeight,
                             colors, target, TextPos, &FontCount);
  el::font::CloseScope();
  el::font::FinishPositioned();
  // The back-buffer scope again, with the context's default colours.
  el::font::OpenScope(DDBack.get());
}

void elFont::HideDraw(int X1, int Y1, int X2, int Y2, const char* Str, uint16_t Effect) {
  DrawAndShow = 0;
  Draw(X1, Y1, X2, Y2, Str, Effect);
}
