// The system pointer: moving it and confining it to the game area.
#include "engine/el.h"
#include "platform/platform.h"

int elSystem::MouseAreaReady = 0;

void elSystem::InitMouse(int Flag) {
  // Called on start-up and re-activation; the pointer needs nothing then.
  (void)Flag;
}

void elSystem::MouseMove(int x, int y) {
  platform::SetCursorPos(x + _WindowX, y + _WindowY);
}

void elSystem::MouseArea(int X1, int Y1, int X2, int Y2) {
  platform::ClipCursor(platform::Rect{X1, Y1, X2, Y2});
  MouseAreaReady = 1;
}

void elSystem::WindowMouseArea() {
  if (_FullScreen != 0) {
    MouseArea(0, 0, elDraw::Width, elDraw::Height);
  } else {
    MouseArea(_WindowX, _WindowY, _WindowX + elDraw::Width, _WindowY + elDraw::Height);
  }
}

void elSystem::ClearMouseArea() {
  platform::ClipCursor(std::nullopt);
  MouseAreaReady = 0;
}

int elSystem::GetMouseArea() {
  return MouseAreaReady;
}
