// Anti-aliased text: lines composed at double size in the Font buffer sprite
// and filtered down, against the back buffer, into the Font sprite.
#include <algorithm>
#include <bit>

#include "engine/el.h"
#include "engine/font/internal/aa_filter.h"
#include "engine/font/internal/layout.h"
#include "engine/font/internal/scope.h"
#include "platform/gdi.h"

namespace el::font {
namespace {

void OpenScratch() {
  OpenScope(SpriteSurface(kFontBufferSprite));
  if (elFont::FontDC) elFont::FontDC->SetBkMode(platform::BackgroundMode::kTransparent);
}

class ScratchTarget : public LineTarget {
 public:
  Extent Measure(std::string_view character) override { return plain_.Measure(character); }
  void Draw(int x, int y, std::string_view character, uint32_t color) override {
    plain_.Draw(x, y, character, color);
    if (elFont::FontDC) dirty_ = platform::Union(dirty_, elFont::FontDC->LastTextBounds());
  }
  // The line is filtered out of the scratch, and the scratch is made black
  // again where the line's characters were drawn: the rest still is.
  void FlushLine(int px, int py, int width, int height) override {
    CloseScope();
    elFont::DrawAA2(px, py, 0, 0, width, height);
    if (platform::Surface* scratch = SpriteSurface(kFontBufferSprite); scratch && !dirty_.Empty())
      scratch->Fill(dirty_, 0);
    dirty_ = {};
    OpenScratch();
  }

 private:
  ContextTarget plain_;
  platform::Rect dirty_;
};

void BeginScratch(int size, uint8_t charset) {
  LOGFONTA& r = Record();
  elFont::FontHeight = 2 * std::clamp(size, -kCoordinateLimit, kCoordinateLimit);
  r.lfHeight = elFont::FontHeight;
  r.lfWidth = 0;
  r.lfEscapement = 0;
  r.lfWeight = 400;
  r.lfItalic = 0;
  r.lfUnderline = 0;
  r.lfCharSet = charset;
  OpenScope(SpriteSurface(kFontBufferSprite));
}

PixelPlane PlaneOf(platform::Surface& surface, uint8_t* pixels) {
  return {pixels, surface.PitchBytes(), surface.Width(), surface.Height(),
          surface.Format().BytesPerPixel()};
}

// The position of each channel's top five bits.
ChannelShifts ShiftsOf(const platform::PixelFormat& format) {
  const auto top5 = [](uint32_t mask) {
    return std::countr_zero(mask | 0x80000000u) + (std::popcount(mask) == 6 ? 1 : 0);
  };
  return {top5(format.r_mask), top5(format.g_mask), top5(format.b_mask)};
}

}  // namespace
}  // namespace el::font

void elFont::BeginAA(int Type, int Size) {
  if (Type == 0) el::font::SetFace("標準明朝");
  if (Type == 1) el::font::SetFace("標準ゴシック");
  el::font::BeginScratch(Size, platform::kCharsetShiftJis);
}

void elFont::BeginAA(const char* Type, int Size) {
  el::font::SetFace(Type);
  el::font::BeginScratch(Size, el::font::CharsetOf(Type));
}

void elFont::BeforeAA() {
  el::font::CloseScope();
}

void elFont::DrawAA(int X1, int Y1, int X2, int Y2, const char* Str, uint16_t Effect) {
  elDraw::SpriteClear(el::font::kFontSprite);
  el::font::CloseScope();
  elDraw::SpriteClear(el::font::kFontBufferSprite);
  el::font::OpenScratch();
  const el::font::Colors colors = el::font::PrepareColors();
  el::font::ScratchTarget target;
  el::font::LayOutAntialiased(Str ? Str : "", el::font::ClampBox(X1, Y1, X2, Y2), Effect,
                              FontHeight, elDraw::Width, colors, target, TextPos, &FontCount);
  el::font::FinishPositioned();  // the scope stays open on the Font buffer sprite
}

void elFont::HideDrawAA(int X1, int Y1, int X2, int Y2, const char* Str, uint16_t Effect) {
  DrawAndShow = 0;
  DrawAA(X1, Y1, X2, Y2, Str, Effect);
}

int elFont::DrawAA2(int Px, int Py, int X1, int Y1, int X2, int Y2) {
  platform::Surface* source = el::font::SpriteSurface(el::font::kFontBufferSprite);
  platform::Surface* output = el::font::SpriteSurface(el::font::kFontSprite);
  platform::Surface* background = DDBack.get();
  if (!source || !output || !background) return 0;
  // The virtual screen, kept inside the surfaces written and read.
  const el::font::Box view{std::max(elDraw::Vx1, 0), std::max(elDraw::Vy1, 0),
                           std::min({elDraw::Vx2, output->Width(), background->Width()}),
                           std::min({elDraw::Vy2, output->Height(), background->Height()})};
  el::font::FilterArea area;
  if (!el::font::ClipFilterArea(Px, Py, X1, Y1, X2, Y2, view, &area)) return 1;
  const int bytes = output->Format().BytesPerPixel();
  if (source->Format().BytesPerPixel() != bytes || background->Format().BytesPerPixel() != bytes)
    return 0;
  uint8_t* source_pixels = source->Lock();
  uint8_t* output_pixels = source_pixels ? output->Lock() : nullptr;
  uint8_t* background_pixels = output_pixels ? background->Lock() : nullptr;
  if (background_pixels)
    el::font::FilterHalf(el::font::PlaneOf(*source, source_pixels),
                         el::font::PlaneOf(*output, output_pixels),
                         el::font::PlaneOf(*background, background_pixels), area,
                         el::font::ShiftsOf(output->Format()));
  if (background_pixels) background->Unlock();
  if (output_pixels) output->Unlock();
  if (source_pixels) source->Unlock();
  return background_pixels ? 1 : 0;
}
