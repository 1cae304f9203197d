// The beep of the error report. It goes through the window system, so it
// needs no open sound device; without an audio device it is silent.
#include "engine/el.h"
#include "platform/platform.h"

void elSound::Beep() {
  platform::MessageBeep();
}
