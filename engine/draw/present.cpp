// The end of every frame: the fade mask, the help overlay, and the hand-over
// of the back surface to the platform's display.
#include "engine/draw/internal/draw.h"
#include "platform/platform.h"

namespace {

constexpr int kTileWidth = 64;
constexpr int kTileHeight = 48;
constexpr int kFadeFrames = 10;

// One frame of the mask strip over a 10 x 10 grid.
void DrawFadeMask() {
  const int left = kTileWidth * (elDraw::FadeNo - 1);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x)
      elDraw::Layer(kTileWidth * x, kTileHeight * y, elDraw::MaskBMP, left, 0, left + kTileWidth,
                    kTileHeight);
}

void StepFade() {
  elDraw::FadeNo += elDraw::FadeAdd;
  if ((elDraw::FadeAdd == -1 && elDraw::FadeNo < 1) ||
      (elDraw::FadeAdd == 1 && elDraw::FadeNo > kFadeFrames)) {
    elDraw::FadeNo = 0;
    elDraw::FadeAdd = 0;
  }
}

// The scrolling tiled background, then the page through the virtual screen,
// scrolled by the arrow key held.
void DrawHelp() {
  for (int y = 0; y <= 10; ++y)
    for (int x = 0; x <= 10; ++x)
      elDraw::Layer(kTileWidth * x + static_cast<int>(elDraw::HelpBackX),
                    kTileHeight * y + static_cast<int>(elDraw::HelpBackY), elDraw::HelpBMP[1], 0, 0,
                    kTileWidth, kTileHeight);
  elDraw::HelpBackX -= 10 * FrameTime;
  elDraw::HelpBackY -= 10 * FrameTime;
  if (elDraw::HelpBackX <= -kTileWidth) elDraw::HelpBackX += kTileWidth;
  if (elDraw::HelpBackY <= -kTileHeight) elDraw::HelpBackY += kTileHeight;

  const int view_height = elDraw::Vy2 - elDraw::Vy1;
  const int top = static_cast<int>(elDraw::HelpY);
  elDraw::Layer(elDraw::Vx1, elDraw::Vy1, elDraw::HelpBMP[0], 0, top, elDraw::Vx2 - elDraw::Vx1,
                top + view_height);
  switch (HelpKey) {
    case 0x26:  // up
      elDraw::HelpY -= 100 * FrameTime;
      break;
    case 0x25:  // left
      elDraw::HelpY -= 300 * FrameTime;
      break;
    case 0x28:  // down
      elDraw::HelpY += 100 * FrameTime;
      break;
    case 0x27:  // right
      elDraw::HelpY += 300 * FrameTime;
      break;
    default:
      break;
  }
  if (elDraw::HelpY < 0) elDraw::HelpY = 0;
  if (elDraw::HelpY > elDraw::HelpSize - view_height)
    elDraw::HelpY = static_cast<float>(elDraw::HelpSize - view_height);
}

void Present() {
  if (!platform::HasBackend() || !DDBack) return;
  if (elDraw::RefreshMode != 0 && !platform::WaitVerticalBlank()) return;
  if (DDBack->IsLost() || (DDFront && DDFront->IsLost())) {
    elDraw::ReloadObject();
    return;
  }
  const RECT& r = elDraw::RefreshSize;
  platform::PresentFrame(*DDBack, {r.left, r.top, r.right, r.bottom});
}

}  // namespace

void elDraw::Refresh() {
  if (FadeNo != 0 && FadeType == 0) DrawFadeMask();
  StepFade();
  if (HelpOn == 1) DrawHelp();
  Present();
}

void elDraw::SetRefreshMode(int Mode) {
  RefreshMode = Mode;
}

void elDraw::FadeOut() {
  FadeNo = 1;
  FadeAdd = 1;
}

void elDraw::FadeIn() {
  FadeNo = kFadeFrames;
  FadeAdd = -1;
}

void elDraw::LoadMask(const char* FileName) {
  SetSpriteColor(0);
  MaskBMP = LoadObject(FileName, 2);
}

void elDraw::LoadHelp(const char* FileName1, const char* FileName2, int Size) {
  SetSpriteColor(0);
  if (HelpBMP[0] == 0) {
    HelpBMP[0] = LoadObject(FileName1, 2);
    HelpBMP[1] = LoadObject(FileName2, 2);
  } else {
    SwapObject(FileName1, HelpBMP[0], 2);
    SwapObject(FileName2, HelpBMP[1], 2);
  }
  HelpY = 0;
  HelpSize = Size;
}

void elDraw::Help() {
  if (HelpOn == 1)
    HelpOn = 0;
  else if (HelpSize != 0)
    HelpOn = 1;
}
