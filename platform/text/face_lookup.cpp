#include "platform/text/face_lookup.h"

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <string_view>
#include <tuple>

#include "platform/encoding.h"

namespace platform::text {
namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct FontSetDeleter {
  void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
struct ObjectSetDeleter {
  void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

// The cache of lookups stays small: hostile programs could ask for many names.
constexpr size_t kMaxCachedLookups = 256;

// Fontconfig keeps its configuration until FcFini; no fontconfig object
// outlives a call here, so it is safe to finish it at exit.
bool InitFontconfig() {
  static const bool ok = [] {
    if (FcInit() != FcTrue) return false;
    std::atexit([] { FcFini(); });
    return true;
  }();
  return ok;
}

const FcChar8* Fc(const char* s) {
  return reinterpret_cast<const FcChar8*>(s);
}

std::string GetString(FcPattern* pattern, const char* object, int n) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, n, &value) != FcResultMatch || value == nullptr)
    return {};
  return reinterpret_cast<const char*>(value);
}

int GetInteger(FcPattern* pattern, const char* object, int fallback) {
  int value = 0;
  return FcPatternGetInteger(pattern, object, 0, &value) == FcResultMatch ? value : fallback;
}

// The request: the family names to try, in order, and the language hint.
PatternPtr BuildRequest(std::string_view face_sjis, uint8_t charset, bool want_bold,
                        bool want_italic) {
  PatternPtr pattern(FcPatternCreate());
  bool japanese = charset == kCharsetShiftJis;
  switch (ClassifyFaceName(face_sjis)) {
    case StandardFace::kMincho:
      FcPatternAddString(pattern.get(), FC_FAMILY, Fc("IPAMincho"));
      FcPatternAddString(pattern.get(), FC_FAMILY, Fc("serif"));
      japanese = true;
      break;
    case StandardFace::kGothic:
      FcPatternAddString(pattern.get(), FC_FAMILY, Fc("IPAGothic"));
      FcPatternAddString(pattern.get(), FC_FAMILY, Fc("sans-serif"));
      japanese = true;
      break;
    case StandardFace::kNone:
      if (!face_sjis.empty()) {
        const std::string name = Cp932ToUtf8(face_sjis);
        FcPatternAddString(pattern.get(), FC_FAMILY, Fc(name.c_str()));
      } else if (japanese) {
        FcPatternAddString(pattern.get(), FC_FAMILY, Fc("IPAGothic"));
      }
      break;
  }
  // A Japanese request that names no installed face gets a face that covers
  // Japanese, as the system's font mapper prefers the character set.
  if (japanese) FcPatternAddString(pattern.get(), FC_LANG, Fc("ja"));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, want_bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, want_italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  return pattern;
}

uint8_t CharsetOf(FcPattern* pattern);

// Every Japanese text would be boxes: said once, with what to install.
// `match` is null when no font at all was found.
void WarnWithoutJapanese(FcPattern* request, FcPattern* match) {
  static bool warned = false;
  FcChar8* lang = nullptr;
  const bool wants_japanese = FcPatternGetString(request, FC_LANG, 0, &lang) == FcResultMatch &&
                              lang != nullptr &&
                              std::string_view(reinterpret_cast<char*>(lang)) == "ja";
  if (warned || !wants_japanese) return;
  if (match != nullptr && CharsetOf(match) == kCharsetShiftJis) return;
  warned = true;
  std::fputs(
      "aoat-player: no Japanese font found; Japanese texts show as boxes. Install "
      "fonts-ipafont-gothic and fonts-ipafont-mincho\n",
      stderr);
}

FaceLocation Match(std::string_view face_sjis, uint8_t charset, bool want_bold, bool want_italic) {
  FaceLocation location;
  if (!InitFontconfig()) return location;
  PatternPtr request = BuildRequest(face_sjis, charset, want_bold, want_italic);
  FcResult result = FcResultNoMatch;
  PatternPtr match(FcFontMatch(nullptr, request.get(), &result));
  if (!match) {
    WarnWithoutJapanese(request.get(), nullptr);
    return location;
  }
  location.file = GetString(match.get(), FC_FILE, 0);
  location.found = !location.file.empty();
  location.index = GetInteger(match.get(), FC_INDEX, 0);
  location.family_utf8 = GetString(match.get(), FC_FAMILY, 0);
  WarnWithoutJapanese(request.get(), match.get());
  return location;
}

// The name a family is listed under: its Japanese name where it has one that
// Shift-JIS can hold, else its first name.
std::string ListedName(FcPattern* pattern) {
  for (int n = 0;; ++n) {
    const std::string family = GetString(pattern, FC_FAMILY, n);
    if (family.empty()) break;
    if (GetString(pattern, FC_FAMILYLANG, n) != "ja") continue;
    if (auto sjis = Utf8ToCp932(family)) return *sjis;
  }
  if (auto sjis = Utf8ToCp932(GetString(pattern, FC_FAMILY, 0))) return *sjis;
  return {};
}

uint8_t CharsetOf(FcPattern* pattern) {
  FcBool symbol = FcFalse;
  if (FcPatternGetBool(pattern, FC_SYMBOL, 0, &symbol) == FcResultMatch && symbol)
    return kCharsetSymbol;
  FcLangSet* langs = nullptr;
  if (FcPatternGetLangSet(pattern, FC_LANG, 0, &langs) == FcResultMatch &&
      FcLangSetHasLang(langs, Fc("ja")) == FcLangEqual)
    return kCharsetShiftJis;
  return kCharsetAnsi;
}

}  // namespace

StandardFace ClassifyFaceName(std::string_view face_sjis) {
  // Compared in Shift-JIS: "標準明朝" and "標準ゴシック".
  static const std::string mincho = Utf8ToCp932("標準明朝").value_or("");
  static const std::string gothic = Utf8ToCp932("標準ゴシック").value_or("");
  if (!mincho.empty() && face_sjis == mincho) return StandardFace::kMincho;
  if (!gothic.empty() && face_sjis == gothic) return StandardFace::kGothic;
  return StandardFace::kNone;
}

FaceLocation LookUpFace(std::string_view face_sjis, uint8_t charset, bool want_bold,
                        bool want_italic) {
  using Key = std::tuple<std::string, uint8_t, bool, bool>;
  static std::mutex mutex;
  static std::map<Key, FaceLocation> cache;
  std::lock_guard lock(mutex);
  Key key{std::string(face_sjis), charset, want_bold, want_italic};
  if (auto it = cache.find(key); it != cache.end()) return it->second;
  if (cache.size() >= kMaxCachedLookups) cache.clear();
  FaceLocation location = Match(face_sjis, charset, want_bold, want_italic);
  cache.emplace(std::move(key), location);
  return location;
}

std::vector<FaceEntry> ListFaces() {
  std::vector<FaceEntry> faces;
  if (!InitFontconfig()) return faces;
  PatternPtr all(FcPatternCreate());
  FcPatternAddBool(all.get(), FC_SCALABLE, FcTrue);
  std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(
      FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, FC_LANG, FC_SYMBOL, nullptr));
  std::unique_ptr<FcFontSet, FontSetDeleter> set(FcFontList(nullptr, all.get(), objects.get()));
  if (!set) return faces;
  // One entry per family (keyed by its first name); a family covers Japanese
  // when any of its faces does.
  std::map<std::string, FaceEntry> families;
  for (int i = 0; i < set->nfont; ++i) {
    FcPattern* pattern = set->fonts[i];
    const std::string key = GetString(pattern, FC_FAMILY, 0);
    const std::string name = ListedName(pattern);
    if (key.empty() || name.empty()) continue;
    const uint8_t charset = CharsetOf(pattern);
    auto [it, inserted] = families.try_emplace(key, FaceEntry{name, charset});
    if (!inserted && charset != kCharsetAnsi) it->second.charset = charset;
  }
  for (auto& [key, entry] : families) faces.push_back(std::move(entry));
  return faces;
}

}  // namespace platform::text
