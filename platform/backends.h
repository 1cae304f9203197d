// Construction of the two backends from the player's options.
#pragma once

#include <memory>
#include <string>

#include "platform/backend.h"

namespace platform {

// The real backend: an SDL window (full screen at the desktop's size unless
// windowed), SDL input, audio device and message boxes.
std::unique_ptr<Backend> CreateSdlBackend(const DisplayOptions& options);

struct HeadlessOptions {
  std::string script_path;     // empty: no script (the run closes at once)
  int frame_ms = 16;           // virtual time per frame
  std::string audio_out_path;  // empty: the mix is rendered and dropped
};

// The deterministic backend: virtual clock, scripted input, in-memory display,
// offline audio.
std::unique_ptr<Backend> CreateHeadlessBackend(const HeadlessOptions& options);

}  // namespace platform
