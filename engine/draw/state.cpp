// The display class's state with its start values, the sprite table and the
// display's surfaces.
#include "engine/el.h"
#include "platform/gdi.h"
#include "platform/surface.h"

// Display set-up and pixel format.
int elDraw::Width = 0;
int elDraw::Height = 0;
int elDraw::ColorBit = 16;
int elDraw::RetryColorBit1 = 0;
int elDraw::RetryColorBit2 = 0;
int elDraw::SearchVideoCard = 0;
int elDraw::UseStretch = 0;
int elDraw::Vx1 = 0, elDraw::Vy1 = 0, elDraw::Vx2 = 0, elDraw::Vy2 = 0;
RECT elDraw::RefreshSize = {};
RECT elDraw::RefreshPos = {};
int elDraw::HelpBMP[2] = {};

uint32_t elDraw::BitR = 0, elDraw::BitG = 0, elDraw::BitB = 0;
uint16_t elDraw::ShiftR = 0, elDraw::ShiftG = 0, elDraw::ShiftB = 0;
uint16_t elDraw::ShiftR2 = 0, elDraw::ShiftG2 = 0, elDraw::ShiftB2 = 0;
uint32_t elDraw::MaskR = 0, elDraw::MaskG = 0, elDraw::MaskB = 0;
uint32_t elDraw::MaskRGB = 0;
uint32_t elDraw::MaskRGB2 = 0;
uint32_t elDraw::WhiteRGB = 0;

int elDraw::RotateData[450] = {};
elDraw::_getrgb elDraw::GetRGB[65536] = {};
uint16_t elDraw::BlendList[3 * 32 * 32 * 32] = {};
uint16_t elDraw::AddBlendList[3 * 32 * 32 * 32] = {};
uint16_t elDraw::DelBlendList[3 * 32 * 32] = {};
uint16_t elDraw::GrayList[96] = {};
char elEffect::FireRandomList[10000] = {};

// Sprite table and colour keys.
uint32_t elDraw::SpriteColor = 0;
int elDraw::SpriteLeftTop = 0;
elDraw::_sprite Sprite[1024] = {};

std::unique_ptr<platform::Surface> DDFront;
std::unique_ptr<platform::Surface> DDBack;
int DDObject = 0;
platform::DrawingContext* hdc = nullptr;

// Frame presentation.
int elDraw::RefreshMode = 1;
int elDraw::FadeNo = 0;
int elDraw::FadeAdd = 0;
int elDraw::FadeType = 0;
int elDraw::FadeMax = 0;
int elDraw::MaskBMP = 0;
int elDraw::HelpOn = 0;
int elDraw::HelpSize = 0;
float elDraw::HelpY = 0.0f;
float elDraw::HelpBackX = 0.0f;
float elDraw::HelpBackY = 0.0f;
uint32_t elDraw::FpsTime = 0;
int elDraw::FpsCnt = 0;
float elDraw::FpsData = 0.0f;
float elDraw::FpsDataMax = 0.0f;
float elDraw::FpsDataMin = 999.9f;

// Image packs.
char elDraw::PackFileName[256] = {};

// Wipe transitions (their state is read by the main loop).
int elDraw::EffectOn = 0;
int elDraw::EffectInOut = 0;
int elDraw::EffectType = 0;
float elDraw::EffectSpeed = 0.0f;
int elDraw::EffectSize = 0;
int elDraw::Wx1 = 0, elDraw::Wy1 = 0, elDraw::Wx2 = 0, elDraw::Wy2 = 0;
int elDraw::WipeIn = 0;
int elDraw::WipeOut = 0;

void elDraw::VirtualScreen(int X1, int Y1, int X2, int Y2) {
  Vx1 = X1;
  Vy1 = Y1;
  Vx2 = X2;
  Vy2 = Y2;
}

void elDraw::SetFullColor(int ColorBit1, int ColorBit2, int ColorBit3) {
  ColorBit = ColorBit1;
  RetryColorBit1 = ColorBit2;
  RetryColorBit2 = ColorBit3;
}
