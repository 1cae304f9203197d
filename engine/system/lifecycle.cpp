// The hooks display set-up and shut-down call.
#include <algorithm>
#include <iterator>

#include "engine/el.h"
#include "engine/system/internal/system.h"
#include "platform/platform.h"

int elSystem::Init() {
  std::fill(std::begin(WaitTime), std::end(WaitTime), el::system::kClearedWait);
  // The frame-rate display measures from here. It cannot start before the
  // program's entry point: the clock is the platform's, and the platform is
  // set up by the entry point.
  elDraw::FpsTime = platform::TimeMs();
  UnlockKey();
  SystemKey(0);
  if (_FullScreen != 0) WindowMouseArea();
  return 1;
}

void elSystem::DestroyObject() {
  ClearMouseArea();
}
