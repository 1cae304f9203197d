// Inside the mixer: the state of one sound buffer as the mixer plays it, the
// lock that guards it, and the hook through which the sequencer adds its song.
// Only platform/audio includes this.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/audio/sound_buffer.h"

namespace platform::audio {

// Guarded by MixerMutex().
struct Voice {
  std::vector<uint8_t> data;
  WaveFormat format;
  uint32_t frame_count = 0;
  uint64_t position = 0;  // frames, 32.32 fixed point
  uint64_t step = 0;      // frames per output frame, 32.32 fixed point
  float gain_left = 1.0f;
  float gain_right = 1.0f;
  bool playing = false;
  bool looping = false;
};

// PCM of 8 or 16 bits, mono or stereo, kMinFrequencyHz to kMaxFrequencyHz,
// with the block size these imply.
bool PlayableFormat(const WaveFormat& format);

// Mixes `frame_count` output frames of `voice` into `mix` (interleaved
// stereo, in 16-bit sample units), resampling linearly. A buffer played once
// stops at its end and rewinds; a looping one wraps.
void MixVoice(Voice& voice, float* mix, int frame_count);

// Output frames are mixed in chunks of this many frames.
inline constexpr int kMixChunkFrames = 512;

std::mutex& MixerMutex();
void AttachVoice(Voice* voice);
void DetachVoice(Voice* voice);

// The sequencer's contribution: adds `frame_count` frames into `mix`; called
// with the mixer lock held.
using MusicSource = void (*)(float* mix, int frame_count);
void SetMusicSource(MusicSource source);

}  // namespace platform::audio
