// The display's start and the engine's stop: Screen opens the display and
// then starts the other engine classes in their order; Exit stops them all
// once and asks the window to close.
#include "engine/draw/internal/draw.h"
#include "engine/sound/internal/sound_table.h"
#include "platform/platform.h"

namespace {

bool g_exited = false;

int DesktopBits() {
  return elSystem::ColorBit();
}

}  // namespace

namespace el::draw {

void AllowExitAgain() {
  g_exited = false;
}

}  // namespace el::draw

int elDraw::Screen(int Width, int Height, int Memory) {
  ErrorCheck = 0;
  if (const auto failure = el::draw::OpenDisplay(Width, Height, Memory, &DesktopBits))
    return Error("Draw::Screen", failure->message, failure->code);
  elSound::Init();
  el::sound::ResetSoundTable();
  elMusic::Init();
  elSystem::Init();
  elFont::Init();
  elJoystick::Init();
  if (_MouseArea) elSystem::WindowMouseArea();
  return 1;
}

int elDraw::ErrorExit() {
  if (ErrorCheck) Exit();
  return ErrorCheck;
}

int elDraw::Exit() {
  if (g_exited) return 1;
  g_exited = true;
  elSystem::DestroyObject();
  elFont::DestroyObject();
  elSound::DestroyObject();
  DestroyObject();
  if (_Mutex != 0) {
    platform::ReleaseInstanceLock();
    _Mutex = 0;
  }
  if (_CloseEvent == 0) platform::PostMessage(platform::msg::kClose, 0, 0);
  _CloseEvent = 2;
  return 1;
}
