// The text class's tables and state, and the hanging characters.
#include "engine/el.h"

elFont::_fontdata elFont::FontData[200] = {};
int elFont::MaxFont = 0;
LOGFONTA* elFont::FontInfo = nullptr;
int elFont::FontHeight = 0;
platform::Font* elFont::NewFont = nullptr;
const platform::Font* elFont::OldFont = nullptr;
platform::DrawingContext* elFont::FontDC = nullptr;
uint32_t elFont::FontTextColor = 0;
uint32_t elFont::FontBackColor = 0;
elFont::_textpos elFont::TextPos[3200] = {};
int elFont::FontCount = 0;
int elFont::DrawAndShow = 1;
int elFont::ShowCount = 0;
float elFont::ShowWait = 0.0f;

// Characters that may hang beyond the right edge instead of starting a line:
// the last two are the double-byte and the ASCII space.
const char* const OutData[15] = {"、", "。", "，", "．", "・", "…",  "‥", "”",
                                 "’",  "（", "」", ",",  ".",  "　", " "};
