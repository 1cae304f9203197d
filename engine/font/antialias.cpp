// Anti-aliased text: lines composed at double size in the Font buffer sprite
// and filtered down, against the back buffer, into the Font sprite.
#include <algorithm>
#include <bit>
#include <optional>

#include "engine/el.h"
#include "engine/font/internal/aa_filter.h"
#include "engine/font/internal/known_ink.h"
#include "engine/font/internal/layout.h"
#include "engine/font/internal/scope.h"
#include "platform/gdi.h"

namespace el::font {
namespace {

void OpenScratch() {
  OpenScope(SpriteSurface(kFontBufferSprite));
  if (elFont::FontDC) elFont::FontDC->SetBkMode(platform::BackgroundMode::kTransparent);
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

// Filters the scratch's rectangle (X1, Y1)-(X2, Y2) into the Font sprite at
// (px, py) against the back buffer; `one_ink` when every sample that is not
// black has that colour. What the filter writes is added to what is known
// of the Font sprite.
int FilterIntoFontSprite(int px, int py, int x1, int y1, int x2, int y2,
                         std::optional<uint32_t> one_ink) {
  platform::Surface* source = SpriteSurface(kFontBufferSprite);
  platform::Surface* output = SpriteSurface(kFontSprite);
  platform::Surface* background = DDBack.get();
  if (!source || !output || !background) return 0;
  // The virtual screen, kept inside the surfaces written and read.
  const Box view{std::max(elDraw::Vx1, 0), std::max(elDraw::Vy1, 0),
                 std::min({elDraw::Vx2, output->Width(), background->Width()}),
                 std::min({elDraw::Vy2, output->Height(), background->Height()})};
  FilterArea area;
  if (!ClipFilterArea(px, py, x1, y1, x2, y2, view, &area)) return 1;
  const int bytes = output->Format().BytesPerPixel();
  if (source->Format().BytesPerPixel() != bytes || background->Format().BytesPerPixel() != bytes)
    return 0;
  const uint64_t output_count = output->WriteCount();
  uint8_t* source_pixels = source->Lock();
  uint8_t* output_pixels = source_pixels ? output->Lock() : nullptr;
  uint8_t* background_pixels = output_pixels ? background->Lock() : nullptr;
  if (background_pixels) {
    const PixelPlane from = PlaneOf(*source, source_pixels), to = PlaneOf(*output, output_pixels),
                     back = PlaneOf(*background, background_pixels);
    const ChannelShifts shifts = ShiftsOf(output->Format());
    if (g_reference_filter)
      FilterHalfReference(from, to, back, area, shifts);
    else if (one_ink)
      FilterHalfOneInk(from, to, back, area, shifts, static_cast<uint16_t>(*one_ink));
    else
      FilterHalf(from, to, back, area, shifts);
  }
  if (background_pixels) background->Unlock();
  if (output_pixels) output->Unlock();
  if (source_pixels) source->Unlock();
  FontSpriteInk().Add(*output, output_count,
                      {area.px, area.py, area.px + area.ex, area.py + area.ey});
  return background_pixels ? 1 : 0;
}

class ScratchTarget : public LineTarget {
 public:
  Extent Measure(std::string_view character) override { return plain_.Measure(character); }
  void Draw(int x, int y, std::string_view character, uint32_t color) override {
    plain_.Draw(x, y, character, color);
    if (!elFont::FontDC || elFont::FontDC->LastTextBounds().Empty()) return;
    dirty_ = platform::Union(dirty_, elFont::FontDC->LastTextBounds());
    NoteInk(*elFont::FontDC);
  }
  // The line is filtered out of the scratch, and the scratch is made black
  // again where the line's characters were drawn: the rest still is.
  void FlushLine(int px, int py, int width, int height) override {
    CloseScope();
    FilterIntoFontSprite(px, py, 0, 0, width, height, mixed_ ? std::nullopt : ink_);
    if (platform::Surface* scratch = SpriteSurface(kFontBufferSprite); scratch && !dirty_.Empty())
      scratch->Fill(dirty_, 0);
    dirty_ = {};
    ink_.reset();
    mixed_ = false;
    OpenScratch();
  }

 private:
  // A line whose characters all came out in one colour is filtered by
  // counting samples.
  void NoteInk(platform::DrawingContext& dc) {
    const uint32_t raw = platform::ColorRefToPixel(dc.Target().Format(), dc.TextColor());
    if (dc.BkMode() != platform::BackgroundMode::kTransparent || (ink_ && *ink_ != raw))
      mixed_ = true;
    ink_ = raw;
  }

  ContextTarget plain_;
  platform::Rect dirty_;
  std::optional<uint32_t> ink_;
  bool mixed_ = false;
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
  using el::font::FontSpriteInk, el::font::ScratchInk;
  platform::Surface* output = el::font::SpriteSurface(el::font::kFontSprite);
  platform::Surface* scratch = el::font::SpriteSurface(el::font::kFontBufferSprite);
  if (output) FontSpriteInk().Clear(*output);
  el::font::CloseScope();
  if (scratch) ScratchInk().Clear(*scratch);
  // A scratch known black now (and locked by nobody else) is known black
  // after the message: each line is cleared where it was drawn.
  const bool scratch_known = scratch && ScratchInk().Knows(*scratch);
  el::font::OpenScratch();
  const el::font::Colors colors = el::font::PrepareColors();
  el::font::ScratchTarget target;
  el::font::LayOutAntialiased(Str ? Str : "", el::font::ClampBox(X1, Y1, X2, Y2), Effect,
                              FontHeight, elDraw::Width, colors, target, TextPos, &FontCount);
  el::font::FinishPositioned();  // the scope stays open on the Font buffer sprite
  if (scratch_known && scratch == el::font::SpriteSurface(el::font::kFontBufferSprite))
    ScratchInk().MarkBlack(*scratch);
}

void elFont::HideDrawAA(int X1, int Y1, int X2, int Y2, const char* Str, uint16_t Effect) {
  DrawAndShow = 0;
  DrawAA(X1, Y1, X2, Y2, Str, Effect);
}

int elFont::DrawAA2(int Px, int Py, int X1, int Y1, int X2, int Y2) {
  return el::font::FilterIntoFontSprite(Px, Py, X1, Y1, X2, Y2, std::nullopt);
}
