// The list of installed faces and the class's start and end.
#include <cstdio>

#include "engine/el.h"
#include "engine/font/internal/scope.h"
#include "platform/font.h"

namespace {

constexpr unsigned kTrueTypeFontType = 4;

}  // namespace

void elFont::Init() {
  // A second Init keeps the one record instead of losing it.
  if (!FontInfo) FontInfo = new LOGFONTA{};
  for (auto& face : FontData) face = {"", -1, 0};
  // The platform's enumeration needs no drawing context: faces are listed
  // from the font configuration.
  MaxFont = 0;
  for (const platform::FaceEntry& face : platform::EnumerateFaces()) {
    LOGFONTA record{};
    std::snprintf(record.lfFaceName, sizeof record.lfFaceName, "%s", face.name_sjis.c_str());
    record.lfCharSet = face.charset;
    if (SearchFont(&record, nullptr, kTrueTypeFontType, 0) == 0) break;
  }
  DrawAndShow = 1;
}

int elFont::SearchFont(const LOGFONTA* Lf, const void* Tm, unsigned Type, long Data) {
  (void)Tm, (void)Type, (void)Data;  // the metrics and the font type are not used
  if (MaxFont >= 200) return 0;
  _fontdata& entry = FontData[MaxFont];
  std::snprintf(entry.Name, sizeof entry.Name, "%.*s", static_cast<int>(sizeof Lf->lfFaceName),
                Lf->lfFaceName);
  entry.Type = Lf->lfCharSet == 128 ? 1 : Lf->lfCharSet == 2 ? 3 : 2;
  entry.CharSet = Lf->lfCharSet;
  ++MaxFont;
  return 1;
}

void elFont::DestroyObject() {
  // A scope left open would keep a context on a surface about to go.
  el::font::CloseScope();
  delete FontInfo;
  FontInfo = nullptr;
}
