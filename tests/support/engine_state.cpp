#include "tests/support/engine_state.h"

#include <algorithm>
#include <iterator>

#include "engine/draw/internal/draw.h"
#include "engine/draw/internal/layer_animation.h"
#include "engine/el.h"
#include "engine/sound/internal/sound_table.h"

namespace test_support {
namespace {

void DestroyEngineObjects() {
  _FullScreen = _FullWindow = 0;  // no mode to restore, no window to minimise
  elMusic::DestroyObject();
  elSound::DestroyObject();
  elFont::DestroyObject();
  elDraw::DestroyObject();
}

void ResetDisplayVariables() {
  elDraw::SetSpriteColor(0);
  elDraw::SetFullColor(16, 0, 0);
  elDraw::RefreshMode = 1;
  elDraw::FadeNo = elDraw::FadeAdd = elDraw::FadeType = elDraw::MaskBMP = 0;
  elDraw::HelpOn = elDraw::HelpSize = 0;
  elDraw::HelpY = elDraw::HelpBackX = elDraw::HelpBackY = 0;
  elDraw::HelpBMP[0] = elDraw::HelpBMP[1] = 0;
  elDraw::EffectOn = elDraw::WipeIn = elDraw::WipeOut = 0;
  elDraw::ErrorCheck = 0;
  el::draw::AllowExitAgain();
}

void ResetEffectVariables() {
  el::draw::ResetLayerAnimation();
  elDraw::TunnelSpriteX = elDraw::TunnelSpriteY = 0;
  elDraw::TunnelDisplayX = elDraw::TunnelDisplayY = 0;
  std::fill(std::begin(elDraw::TunnelList), std::end(elDraw::TunnelList),
            elDraw::_tunnellist{0, 0});
}

void ResetSystemVariables() {
  _FullScreen = 1;
  _FullWindow = 0;
  _ShowDialog = 0;
  _ShowMouse = 1;
  _CloseEvent = 0;
  _WindowX = _WindowY = 0;
  FrameTime = 0.0f;
  PushKey = LastKey = HelpKey = MenuKey = 0;
  PushShift = 0;
  MousePush = MouseLast = 0;
  elSystem::KeyboardLock = 0;
  elSystem::SystemKeyCheck = 0;
  elSystem::MouseAreaReady = 0;
  elSystem::NowTime = 0;
  elSystem::InstallDirectory[0] = '\0';
}

}  // namespace

void ResetEngineState() {
  DestroyEngineObjects();
  ResetDisplayVariables();
  ResetEffectVariables();
  ResetSystemVariables();
  el::sound::ResetSoundTable();
  elSound::Ok = 0;
  elMusic::Init();  // the music's start values
}

}  // namespace test_support
