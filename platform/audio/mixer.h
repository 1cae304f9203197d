// The device's output: one mix at 44100 samples per second in stereo, made of
// every playing sound buffer and the song of the sequencer. The backend pulls
// it (SDL from its audio thread, headless once per frame); sums beyond the
// 16-bit range are clipped, never wrapped.
#pragma once

#include <cstdint>

#include "platform/audio/sound_buffer.h"
#include "platform/mix_rate.h"

namespace platform {

// Opens the backend's audio output (again, if it was open). False, with one
// line on standard error the first time, when there is no device.
bool OpenSoundOutput();
void CloseSoundOutput();
bool SoundOutputOpen();

// Renders `frame_count` interleaved stereo frames of the mix.
void RenderMix(int16_t* frames, int frame_count);

// The listener's volume stage, applied after every sound's own volume: one
// gain for the sound buffers and one for the sequencer's song (0 silent, 1
// as the program plays them).
struct MixLevels {
  float sound_gain = 1.0f;
  float music_gain = 1.0f;
};
void SetMixLevels(const MixLevels& levels);
MixLevels CurrentMixLevels();

// The primary buffer's format. It is checked as the device would check it and
// kept; the mix itself always runs at kMixRateHz in 16-bit stereo, and every
// buffer is converted to it.
int32_t SetPrimaryFormat(const WaveFormat& format);
WaveFormat PrimaryFormat();

}  // namespace platform
