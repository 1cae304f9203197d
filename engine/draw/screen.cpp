// The display's start and the engine's stop: Screen opens the display and
// then starts the other engine classes in their order; Exit stops them all
// once and asks the window to close.
#include "engine/draw/draw_internal.h"
#include "platform/platform.h"

namespace {

bool g_exited = false;

// Every sound slot empty, with one mix and no effect.
void ResetSoundTable() {
  for (int slot = 0; slot < 70; ++slot) {
    elSound::ListUse[slot] = 0;
    elSound::ListMix[slot] = 1;
    elSound::ListUseMix[slot] = 0;
    elSound::ListPitchDef[slot] = 0;
    elSound::ListName[slot][0] = '\0';
    elSound::ListEffectCount[slot] = -1;
    elSound::ListPack[slot] = 0;
    elSound::SoundStream[slot].DataSize = 0;
    for (int mix = 0; mix < 10; ++mix) {
      elSound::ListVolume[slot][mix] = 0;
      elSound::ListPitch[slot][mix] = 0;
      elSound::ListPan[slot][mix] = 0;
    }
  }
}

int DesktopBits() {
  return elSystem::ColorBit();
}

}  // namespace

namespace draw_internal {

void AllowExitAgain() {
  g_exited = false;
}

}  // namespace draw_internal

int elDraw::Screen(int Width, int Height, int Memory) {
  ErrorCheck = 0;
  if (const auto failure = draw_internal::OpenDisplay(Width, Height, Memory, &DesktopBits))
    return Error("Draw::Screen", failure->message, failure->code);
  elSound::Init();
  ResetSoundTable();
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
