// The font: its face is found with fontconfig, opened with FreeType and sized
// so that a positive height is the character cell (ascent plus descent);
// glyphs are rendered in monochrome and kept in a per-font cache, because the
// same text is drawn every frame. Fonts of equal description share one
// rasterised instance, and the last few instances are kept alive between the
// text scopes that create and delete fonts every frame.
#include "platform/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numbers>
#include <tuple>
#include <unordered_map>

#include "platform/text/face_lookup.h"
#include "platform/text/text_chars.h"

namespace platform {
namespace {

// A cell taller than the 480-line screen, or wider than its 640 columns,
// shows no more of any glyph; larger requests are cut to this.
constexpr int kMaxCellPx = 480;
constexpr int kMaxCellWidthPx = 640;
constexpr int kDefaultHeightPx = 16;         // height 0: the system font's size
constexpr size_t kMaxCacheBytes = 4u << 20;  // per font; emptied when full...
// ...unless it holds fewer glyphs than a frame can draw: at a huge size the
// glyphs of one screen must stay, or every frame renders them again.
constexpr size_t kFrameGlyphs = 64;
constexpr size_t kMaxCachedAdvances = 1u << 16;
constexpr size_t kMaxKeptInstances = 8;
constexpr double kItalicShear = 0.2126;  // about 12 degrees
constexpr char32_t kWhiteSquare = 0x25A1;

class FreeTypeLibrary {
 public:
  FreeTypeLibrary() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
  }
  ~FreeTypeLibrary() {
    if (library_) FT_Done_FreeType(library_);
  }
  FreeTypeLibrary(const FreeTypeLibrary&) = delete;
  FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;
  FT_Library Get() const { return library_; }

 private:
  FT_Library library_ = nullptr;
};

std::shared_ptr<FreeTypeLibrary> SharedLibrary() {
  static const std::shared_ptr<FreeTypeLibrary> library = std::make_shared<FreeTypeLibrary>();
  return library;
}

FT_Fixed ToFixed(double value) {
  return static_cast<FT_Fixed>(std::lround(value * 65536.0));
}

bool WantsBold(const FontDescription& d) {
  return d.weight >= 600;
}

}  // namespace

class FontInstance {
 public:
  explicit FontInstance(const FontDescription& description);
  ~FontInstance() {
    if (face_) FT_Done_Face(face_);
  }
  FontInstance(const FontInstance&) = delete;
  FontInstance& operator=(const FontInstance&) = delete;

  const FontMetrics& Metrics() const { return metrics_; }
  const std::string& Family() const { return family_; }
  bool SyntheticBold() const { return bold_px_ > 0; }
  bool SyntheticItalic() const { return synthetic_italic_; }
  const Glyph& GlyphFor(char32_t code_point);
  int AdvanceFor(char32_t code_point);
  size_t GlyphsRendered() const { return rendered_; }

 private:
  void OpenFace(const FontDescription& description);
  void SetSize(const FontDescription& description);
  void SetTransform(const FontDescription& description);
  Glyph Render(char32_t code_point);
  Glyph BoxGlyph() const;

  std::shared_ptr<FreeTypeLibrary> library_ = SharedLibrary();
  FT_Face face_ = nullptr;
  FontMetrics metrics_;
  std::string family_;
  int bold_px_ = 0;
  bool synthetic_italic_ = false;
  std::unordered_map<char32_t, Glyph> cache_;
  size_t cache_bytes_ = 0;
  std::unordered_map<char32_t, int> advances_;
  size_t rendered_ = 0;
};

FontInstance::FontInstance(const FontDescription& description) {
  OpenFace(description);
  SetSize(description);
  SetTransform(description);
}

void FontInstance::OpenFace(const FontDescription& d) {
  const text::FaceLocation location =
      text::LookUpFace(d.face_sjis, d.charset, WantsBold(d), d.italic);
  if (!location.found || !library_->Get()) return;
  if (FT_New_Face(library_->Get(), location.file.c_str(), location.index, &face_) != 0) {
    face_ = nullptr;
    return;
  }
  if (!FT_IS_SCALABLE(face_)) {
    FT_Done_Face(face_);
    face_ = nullptr;
    return;
  }
  family_ = location.family_utf8;
  // The face's own style decides (the match may name a bold or italic style
  // that is only the font configuration's promise to embolden or slant).
  synthetic_italic_ = d.italic && !(face_->style_flags & FT_STYLE_FLAG_ITALIC);
  if (WantsBold(d) && !(face_->style_flags & FT_STYLE_FLAG_BOLD))
    bold_px_ = 1;  // widened with the size below
}

void FontInstance::SetSize(const FontDescription& d) {
  int height = std::clamp(d.height, -kMaxCellPx, kMaxCellPx);
  if (height == 0) height = kDefaultHeightPx;
  // Design units of the em and of the cell (ascender plus descender).
  double upem = 1000.0, ascender = 880.0, descender = 120.0;
  if (face_ && face_->units_per_EM > 0) {
    upem = face_->units_per_EM;
    ascender = face_->ascender;
    descender = -face_->descender;
    if (ascender + descender <= 0) {
      ascender = upem * 0.88;
      descender = upem * 0.12;
    }
  }
  const double span = ascender + descender;
  double em = 0.0;
  if (height > 0) {
    metrics_.height_px = height;
    em = height * upem / span;
    metrics_.ascent_px = static_cast<int>(std::lround(ascender * height / span));
  } else {
    em = -height;
    metrics_.height_px = std::max(1, static_cast<int>(std::lround(span * em / upem)));
    metrics_.ascent_px = static_cast<int>(std::lround(ascender * em / upem));
  }
  metrics_.ascent_px = std::clamp(metrics_.ascent_px, 0, metrics_.height_px);
  metrics_.descent_px = metrics_.height_px - metrics_.ascent_px;
  metrics_.em_px = std::max(1, static_cast<int>(std::lround(em)));
  if (bold_px_ > 0) bold_px_ = std::max(1, static_cast<int>(std::lround(em / 24.0)));
  if (!face_) return;
  const double position = -face_->underline_position * em / upem;
  const double thickness = face_->underline_thickness * em / upem;
  metrics_.underline_thickness_px = std::max(1, static_cast<int>(std::lround(thickness)));
  metrics_.underline_offset_px =
      std::clamp(static_cast<int>(std::lround(position)), 1,
                 std::max(1, metrics_.descent_px - metrics_.underline_thickness_px));
  FT_F26Dot6 width_26_6 = 0;  // 0: the same as the height
  if (d.width != 0) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const double average = os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : upem / 2.0;
    const double wanted = std::min(std::abs(d.width), kMaxCellWidthPx);
    // The horizontal em that gives the wanted average width.
    width_26_6 = static_cast<FT_F26Dot6>(std::lround(64.0 * wanted * upem / average));
    width_26_6 = std::clamp<FT_F26Dot6>(width_26_6, 64, 64 * kMaxCellWidthPx);
  }
  const auto height_26_6 = static_cast<FT_F26Dot6>(std::lround(em * 64.0));
  FT_Set_Char_Size(face_, width_26_6, std::max<FT_F26Dot6>(height_26_6, 64), 72, 72);
}

void FontInstance::SetTransform(const FontDescription& d) {
  if (!face_) return;
  const int tenths = d.escapement % 3600;
  if (tenths == 0 && !synthetic_italic_) return;
  const double angle = tenths * std::numbers::pi / 1800.0;
  const double c = std::cos(angle), s = std::sin(angle);
  const double shear = synthetic_italic_ ? kItalicShear : 0.0;
  // Rotation times shear, in FreeType's y-up space.
  FT_Matrix matrix{ToFixed(c), ToFixed(c * shear - s), ToFixed(s), ToFixed(s * shear + c)};
  FT_Set_Transform(face_, &matrix, nullptr);
}

Glyph FontInstance::BoxGlyph() const {
  Glyph g;
  g.advance_px = std::max(1, metrics_.em_px / 2);
  g.width_px = std::max(1, g.advance_px - 1);
  g.rows_px = std::max(1, metrics_.ascent_px - 1);
  g.left_px = 0;
  g.top_px = g.rows_px;
  g.coverage.assign(static_cast<size_t>(g.width_px) * g.rows_px, 0);
  for (int y = 0; y < g.rows_px; ++y)
    for (int x = 0; x < g.width_px; ++x)
      if (y == 0 || x == 0 || y == g.rows_px - 1 || x == g.width_px - 1)
        g.coverage[static_cast<size_t>(y) * g.width_px + x] = 1;
  return g;
}

// The advance Render would give, from the outline's metrics alone (the same
// hinting, so the same rounding), with Render's fallbacks.
int FontInstance::AdvanceFor(char32_t code_point) {
  if (auto it = cache_.find(code_point); it != cache_.end()) return it->second.advance_px;
  if (auto it = advances_.find(code_point); it != advances_.end()) return it->second;
  const int box = std::max(1, metrics_.em_px / 2);
  int advance = box;
  if (face_) {
    FT_UInt index = FT_Get_Char_Index(face_, code_point);
    if (index == 0 && code_point == text::kReplacement)
      index = FT_Get_Char_Index(face_, kWhiteSquare);
    const bool box_glyph = index == 0 && code_point == text::kReplacement;
    if (!box_glyph && FT_Load_Glyph(face_, index, FT_LOAD_TARGET_MONO) == 0)
      advance = static_cast<int>((face_->glyph->metrics.horiAdvance + 32) >> 6) + bold_px_;
  }
  if (advances_.size() >= kMaxCachedAdvances) advances_.clear();
  advances_.emplace(code_point, advance);
  return advance;
}

Glyph FontInstance::Render(char32_t code_point) {
  if (!face_) {
    Glyph blank;
    blank.advance_px = std::max(1, metrics_.em_px / 2);
    return blank;
  }
  FT_UInt index = FT_Get_Char_Index(face_, code_point);
  if (index == 0 && code_point == text::kReplacement) {
    index = FT_Get_Char_Index(face_, kWhiteSquare);
    if (index == 0) return BoxGlyph();
  }
  if (FT_Load_Glyph(face_, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return BoxGlyph();
  const FT_GlyphSlot slot = face_->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  Glyph g;
  g.advance_px = static_cast<int>((slot->metrics.horiAdvance + 32) >> 6) + bold_px_;
  g.left_px = slot->bitmap_left;
  g.top_px = slot->bitmap_top;
  g.rows_px = static_cast<int>(bitmap.rows);
  g.width_px = static_cast<int>(bitmap.width) + (bitmap.width > 0 ? bold_px_ : 0);
  g.coverage.assign(static_cast<size_t>(g.width_px) * g.rows_px, 0);
  for (int y = 0; y < g.rows_px; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
    uint8_t* out = g.coverage.data() + static_cast<size_t>(y) * g.width_px;
    for (unsigned x = 0; x < bitmap.width; ++x) {
      const bool on = bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? (row[x >> 3] >> (7 - (x & 7))) & 1
                                                              : row[x] >= 128;
      if (!on) continue;
      // Synthetic bold: the glyph struck again bold_px_ pixels to the right.
      for (int k = 0; k <= bold_px_; ++k) out[x + k] = 1;
    }
  }
  return g;
}

const Glyph& FontInstance::GlyphFor(char32_t code_point) {
  if (auto it = cache_.find(code_point); it != cache_.end()) return it->second;
  Glyph glyph = Render(code_point);
  ++rendered_;
  const size_t bytes = glyph.coverage.size() + sizeof(Glyph);
  if (cache_bytes_ + bytes > kMaxCacheBytes && cache_.size() >= kFrameGlyphs) {
    cache_.clear();
    cache_bytes_ = 0;
  }
  cache_bytes_ += bytes;
  return cache_.emplace(code_point, std::move(glyph)).first->second;
}

namespace {

using InstanceKey = std::tuple<std::string, int, int, int, bool, bool, uint8_t>;

InstanceKey KeyOf(const FontDescription& d) {
  return {d.face_sjis, d.height, d.width, d.escapement % 3600, WantsBold(d), d.italic, d.charset};
}

// The instances of the fonts made last, most recent first.
std::shared_ptr<FontInstance> AcquireInstance(const FontDescription& description) {
  static std::mutex mutex;
  static std::vector<std::pair<InstanceKey, std::shared_ptr<FontInstance>>> kept;
  std::lock_guard lock(mutex);
  const InstanceKey key = KeyOf(description);
  auto it = std::find_if(kept.begin(), kept.end(), [&](const auto& e) { return e.first == key; });
  if (it != kept.end()) {
    std::rotate(kept.begin(), it, it + 1);
    return kept.front().second;
  }
  auto instance = std::make_shared<FontInstance>(description);
  if (kept.size() >= kMaxKeptInstances) kept.pop_back();
  kept.insert(kept.begin(), {key, instance});
  return instance;
}

}  // namespace

Font::Font(const FontDescription& description)
    : description_(description), instance_(AcquireInstance(description)) {}

Font::~Font() = default;

const FontMetrics& Font::Metrics() const {
  return instance_->Metrics();
}
const std::string& Font::FamilyName() const {
  return instance_->Family();
}
bool Font::SyntheticBold() const {
  return instance_->SyntheticBold();
}
bool Font::SyntheticItalic() const {
  return instance_->SyntheticItalic();
}
const Glyph& Font::GlyphFor(char32_t code_point) const {
  return instance_->GlyphFor(code_point);
}
int Font::AdvanceFor(char32_t code_point) const {
  return instance_->AdvanceFor(code_point);
}
size_t Font::GlyphsRendered() const {
  return instance_->GlyphsRendered();
}

const std::vector<FaceEntry>& EnumerateFaces() {
  static const std::vector<FaceEntry> faces = text::ListFaces();
  return faces;
}

const Font& DefaultFont() {
  static const Font font(FontDescription{
      .face_sjis = {}, .height = kDefaultHeightPx, .weight = 400, .charset = kCharsetShiftJis});
  return font;
}

}  // namespace platform
