// Text scopes on the back buffer and the plain text operations inside them.
#include "engine/font/internal/scope.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "engine/font/internal/known_ink.h"
#include "platform/gdi.h"

namespace el::font {
namespace {

// The owners behind elFont::NewFont and elFont::FontDC.
std::unique_ptr<platform::Font> g_font;
std::unique_ptr<platform::DrawingContext> g_context;

void FillRecord(int size, int round, int bold, int italic, int line, uint8_t charset) {
  LOGFONTA& r = Record();
  elFont::FontHeight = size;
  r.lfHeight = size;
  r.lfWidth = 0;
  r.lfWeight = bold == 0 ? 400 : bold == 1 ? 700 : 0;
  // Tenths of a degree; an angle too large for the record keeps its direction.
  const int64_t tenths = static_cast<int64_t>(round) * 10;
  r.lfEscapement =
      static_cast<int32_t>(tenths == static_cast<int32_t>(tenths) ? tenths : tenths % 3600);
  r.lfItalic = static_cast<uint8_t>(italic);
  r.lfUnderline = static_cast<uint8_t>(line);
  r.lfCharSet = charset;
}

}  // namespace

LOGFONTA& Record() {
  if (!elFont::FontInfo) elFont::FontInfo = new LOGFONTA{};
  return *elFont::FontInfo;
}

platform::FontDescription Describe(const LOGFONTA& r) {
  platform::FontDescription d;
  d.face_sjis.assign(r.lfFaceName, strnlen(r.lfFaceName, sizeof r.lfFaceName));
  d.height = r.lfHeight;
  d.width = r.lfWidth;
  d.escapement = r.lfEscapement;
  d.weight = r.lfWeight;
  d.italic = r.lfItalic != 0;
  d.underline = r.lfUnderline != 0;
  d.charset = r.lfCharSet;
  return d;
}

void SetFace(const char* name) {
  LOGFONTA& r = Record();
  std::snprintf(r.lfFaceName, sizeof r.lfFaceName, "%s", name ? name : "");
}

uint8_t CharsetOf(const char* name) {
  if (!name) return platform::kCharsetShiftJis;
  for (const auto& face : elFont::FontData)
    if (std::strcmp(face.Name, name) == 0 && face.Type != -1) return face.CharSet;
  return platform::kCharsetShiftJis;
}

void OpenScope(platform::Surface* surface) {
  CloseScope();
  g_font = std::make_unique<platform::Font>(Describe(Record()));
  elFont::NewFont = g_font.get();
  if (!surface) return;
  KeepingKnownInk(surface,
                  [surface] { g_context = std::make_unique<platform::DrawingContext>(*surface); });
  elFont::FontDC = g_context.get();
  elFont::OldFont = elFont::FontDC->SelectFont(g_font.get());
}

void CloseScope() {
  if (g_context) g_context->SelectFont(elFont::OldFont);
  KeepingKnownInk(g_context ? &g_context->Target() : nullptr, [] { g_context.reset(); });
  g_font.reset();
  elFont::FontDC = nullptr;
  elFont::NewFont = nullptr;
  elFont::OldFont = nullptr;
}

platform::Surface* SpriteSurface(int number) {
  return Sprite[number].Object.get();
}

Extent ContextTarget::Measure(std::string_view character) {
  if (!elFont::FontDC) return {};
  const platform::Size size = elFont::FontDC->GetTextExtent(character);
  return {size.cx, size.cy};
}

void ContextTarget::Draw(int x, int y, std::string_view character, uint32_t color) {
  if (!elFont::FontDC) return;
  elFont::FontDC->SetTextColor(color);
  elFont::FontDC->TextOut(x, y, character);
}

}  // namespace el::font

void elFont::Begin(int Type, int Size, int Round, int Bold, int Italic, int Line) {
  if (Type == 0) el::font::SetFace("標準明朝");
  if (Type == 1) el::font::SetFace("標準ゴシック");
  el::font::FillRecord(Size, Round, Bold, Italic, Line, platform::kCharsetShiftJis);
  el::font::OpenScope(DDBack.get());
}

void elFont::Begin(const char* Type, int Size, int Round, int Bold, int Italic, int Line) {
  el::font::SetFace(Type);
  el::font::FillRecord(Size, Round, Bold, Italic, Line, el::font::CharsetOf(Type));
  el::font::OpenScope(DDBack.get());
}

void elFont::Before() {
  el::font::CloseScope();
}

void elFont::Color(uint32_t TextColor, uint32_t BackColor, int Mode) {
  FontTextColor = TextColor;
  FontBackColor = BackColor;
  if (!FontDC) return;
  FontDC->SetTextColor(TextColor);
  FontDC->SetBkColor(BackColor);
  FontDC->SetBkMode(Mode ? platform::BackgroundMode::kTransparent
                         : platform::BackgroundMode::kOpaque);
}

void elFont::Draw(int Px, int Py, const char* Str) {
  if (FontDC && Str) FontDC->TextOut(Px, Py, Str);
}

void elFont::AreaDraw(int X1, int Y1, int X2, int Y2, const char* Str, int Pos) {
  if (!FontDC || !Str || Pos < 0 || Pos > 2) return;
  platform::Rect rect{X1, Y1, X2, Y2};
  FontDC->DrawText(Str, &rect,
                   platform::dt::kWordBreak | platform::dt::kNoPrefix | static_cast<unsigned>(Pos));
}

int elFont::GetHeight(int X1, int Y1, int X2, int Y2, const char* Str) {
  if (!FontDC || !Str) return 0;
  platform::Rect rect{X1, Y1, X2, Y2};
  return FontDC->DrawText(
      Str, &rect, platform::dt::kCalcRect | platform::dt::kWordBreak | platform::dt::kNoPrefix);
}
