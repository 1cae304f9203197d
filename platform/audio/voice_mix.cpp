// The resampling kernels: one plain loop per sample layout, linear
// interpolation between neighbouring frames at the voice's own rate.
#include <cstring>

#include "platform/audio/voice.h"

namespace platform::audio {
namespace {

template <int kBytes>
float ReadSample(const uint8_t* p) {
  if constexpr (kBytes == 1) {
    return (static_cast<float>(*p) - 128.0f) * 256.0f;
  } else {
    int16_t value;
    std::memcpy(&value, p, sizeof value);
    return static_cast<float>(value);
  }
}

template <int kBytes, int kChannels>
float ReadChannel(const uint8_t* data, uint32_t frame, int channel) {
  return ReadSample<kBytes>(data + (static_cast<size_t>(frame) * kChannels + channel) * kBytes);
}

template <int kBytes, int kChannels>
void MixFrames(Voice& voice, float* mix, int frame_count) {
  constexpr float kFraction = 1.0f / 4294967296.0f;
  const uint64_t end = static_cast<uint64_t>(voice.frame_count) << 32;
  const uint8_t* data = voice.data.data();
  for (int i = 0; i < frame_count; ++i) {
    const auto index = static_cast<uint32_t>(voice.position >> 32);
    uint32_t next = index + 1;
    if (next >= voice.frame_count) next = voice.looping ? 0 : index;
    const float fraction = static_cast<float>(static_cast<uint32_t>(voice.position)) * kFraction;
    const float l0 = ReadChannel<kBytes, kChannels>(data, index, 0);
    const float left = l0 + (ReadChannel<kBytes, kChannels>(data, next, 0) - l0) * fraction;
    float right = left;
    if constexpr (kChannels == 2) {
      const float r0 = ReadChannel<kBytes, kChannels>(data, index, 1);
      right = r0 + (ReadChannel<kBytes, kChannels>(data, next, 1) - r0) * fraction;
    }
    mix[2 * i] += left * voice.gain_left;
    mix[2 * i + 1] += right * voice.gain_right;
    voice.position += voice.step;
    if (voice.position >= end) {
      if (!voice.looping) {
        voice.playing = false;
        voice.position = 0;
        return;
      }
      voice.position %= end;
    }
  }
}

}  // namespace

void MixVoice(Voice& voice, float* mix, int frame_count) {
  if (!voice.playing || voice.frame_count == 0) return;
  const bool stereo = voice.format.channels == 2;
  if (voice.format.bits_per_sample == 8) {
    stereo ? MixFrames<1, 2>(voice, mix, frame_count) : MixFrames<1, 1>(voice, mix, frame_count);
  } else {
    stereo ? MixFrames<2, 2>(voice, mix, frame_count) : MixFrames<2, 1>(voice, mix, frame_count);
  }
}

}  // namespace platform::audio
