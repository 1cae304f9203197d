// The one sample rate of the program's audio: the mixer renders at it, the
// synthesizer plays songs at it, every backend's output runs at it and the
// headless capture is written at it.
#pragma once

namespace platform {

inline constexpr int kMixRateHz = 44100;

}  // namespace platform
