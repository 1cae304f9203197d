// The positioned drawing: character by character into the Font sprite, then
// copied onto the back buffer.
#include "engine/el.h"
#include "engine/font/internal/layout.h"
#include "engine/font/internal/scope.h"
#include "platform/gdi.h"

namespace elfont {
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

}  // namespace elfont

void elFont::Draw(int X1, int Y1, int X2, int Y2, const char* Str, uint16_t Effect) {
  elfont::CloseScope();
  elDraw::SpriteClear(elfont::kFontSprite);
  elfont::OpenScope(elfont::SpriteSurface(elfont::kFontSprite));
  const elfont::Colors colors = elfont::PrepareColors();
  elfont::ContextTarget target;
  elfont::LayOutPositioned(Str ? Str : "", elfont::ClampBox(X1, Y1, X2, Y2), Effect, FontHeight,
                           colors, target, TextPos, &FontCount);
  elfont::CloseScope();
  elfont::FinishPositioned();
  // The back-buffer scope again, with the context's default colours.
  elfont::OpenScope(DDBack.get());
}

void elFont::HideDraw(int X1, int Y1, int X2, int Y2, const char* Str, uint16_t Effect) {
  DrawAndShow = 0;
  Draw(X1, Y1, X2, Y2, Str, Effect);
}
