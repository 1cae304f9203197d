// The frame-rate display and the debug text overlays, drawn with the text
// class in white on dark blue.
#include <cstdarg>
#include <cstdio>

#include "engine/el.h"
#include "platform/platform.h"

namespace {

void DrawDebugText(int x, int y, const char* text) {
  elFont::Begin(1, 12, 0, 0, 0, 0);
  elFont::Color(0xFFFFFF, 0x800000, 0);
  elFont::Draw(x, y, text);
  elFont::Before();
}

}  // namespace

void elDraw::ShowFPS() {
  const uint32_t now = platform::TimeMs();
  if (now >= FpsTime) {
    FpsData = static_cast<float>(FpsCnt / 2);
    if (FpsData > FpsDataMax) FpsDataMax = FpsData;
    if (FpsData > 0 && FpsData < FpsDataMin) FpsDataMin = FpsData;
    FpsTime = now + 2000;
    FpsCnt = 0;
  }
  if (FpsCnt < 999) ++FpsCnt;
  char text[256];
  std::snprintf(text, sizeof(text), "%3.1f fps ( max %3.1f / min %3.1f )", FpsData, FpsDataMax,
                FpsDataMin);
  DrawDebugText(0, 0, text);
}

void elDraw::ShowString(int x, int y, const char* Str) {
  if (Str != nullptr) DrawDebugText(x, y, Str);
}

void elDraw::ShowFormat(int x, int y, const char* Format, ...) {
  if (Format == nullptr) return;
  char text[256];
  va_list args;
  va_start(args, Format);
  std::vsnprintf(text, sizeof(text), Format, args);
  va_end(args);
  DrawDebugText(x, y, text);
}
