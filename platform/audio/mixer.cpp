// The mixer: the list of buffers, the lock shared with the sequencer, and the
// output the backend pulls.
#include "platform/audio/mixer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "platform/audio/voice.h"
#include "platform/backend.h"

namespace platform {
namespace audio {
namespace {

struct MixerState {
  std::mutex mutex;
  std::vector<Voice*> voices;
  MusicSource music = nullptr;
  std::array<float, 2 * kMixChunkFrames> mix{};
  std::array<float, 2 * kMixChunkFrames> song{};
  MixLevels levels;
  bool output_open = false;
  bool told_no_device = false;
  WaveFormat primary{kWaveFormatPcm, 2, kMixRateHz, kMixRateHz * 4, 4, 16};
};

// Never destroyed: buffers kept in static tables may be released after every
// function-local static is gone.
MixerState& State() {
  static MixerState* state = new MixerState;
  return *state;
}

int16_t Clip(float sample) {
  const float clipped = std::clamp(sample, -32768.0f, 32767.0f);
  return static_cast<int16_t>(std::lrint(clipped));
}

}  // namespace

std::mutex& MixerMutex() {
  return State().mutex;
}

void AttachVoice(Voice* voice) {
  std::lock_guard lock(State().mutex);
  State().voices.push_back(voice);
}

void DetachVoice(Voice* voice) {
  std::lock_guard lock(State().mutex);
  auto& voices = State().voices;
  voices.erase(std::remove(voices.begin(), voices.end(), voice), voices.end());
}

void SetMusicSource(MusicSource source) {
  std::lock_guard lock(State().mutex);
  State().music = source;
}

}  // namespace audio

void RenderMix(int16_t* frames, int frame_count) {
  auto& state = audio::State();
  std::lock_guard lock(state.mutex);
  while (frame_count > 0) {
    const int n = std::min(frame_count, audio::kMixChunkFrames);
    float* mix = state.mix.data();
    std::fill_n(mix, 2 * n, 0.0f);
    const MixLevels levels = state.levels;
    if (levels.sound_gain == 1.0f && levels.music_gain == 1.0f) {
      // Full levels: the song and the buffers add up in one pass.
      if (state.music != nullptr) state.music(mix, n);
      for (audio::Voice* voice : state.voices) audio::MixVoice(*voice, mix, n);
    } else {
      float* song = state.song.data();
      std::fill_n(song, 2 * n, 0.0f);
      // The song renders also when silenced, so that it keeps its time.
      if (state.music != nullptr) state.music(song, n);
      for (audio::Voice* voice : state.voices) audio::MixVoice(*voice, mix, n);
      for (int i = 0; i < 2 * n; ++i)
        mix[i] = mix[i] * levels.sound_gain + song[i] * levels.music_gain;
    }
    for (int i = 0; i < 2 * n; ++i) frames[i] = audio::Clip(mix[i]);
    frames += 2 * n;
    frame_count -= n;
  }
}

void SetMixLevels(const MixLevels& levels) {
  std::lock_guard lock(audio::State().mutex);
  audio::State().levels = {std::clamp(levels.sound_gain, 0.0f, 1.0f),
                           std::clamp(levels.music_gain, 0.0f, 1.0f)};
}

MixLevels CurrentMixLevels() {
  std::lock_guard lock(audio::State().mutex);
  return audio::State().levels;
}

bool OpenSoundOutput() {
  auto& state = audio::State();
  if (!HasBackend()) return false;
  Backend& backend = CurrentBackend();
  if (state.output_open) backend.CloseAudio();
  state.output_open = backend.OpenAudio(&RenderMix);
  if (!state.output_open && !state.told_no_device) {
    state.told_no_device = true;
    std::fputs("aoat-player: no audio device; sounds and music are silent\n", stderr);
  }
  return state.output_open;
}

void CloseSoundOutput() {
  auto& state = audio::State();
  if (state.output_open && HasBackend()) CurrentBackend().CloseAudio();
  state.output_open = false;
}

bool SoundOutputOpen() {
  return audio::State().output_open;
}

int32_t SetPrimaryFormat(const WaveFormat& format) {
  if (!audio::PlayableFormat(format) ||
      format.avg_bytes_per_sec != format.samples_per_sec * format.block_align)
    return sound_result::kBadFormat;
  std::lock_guard lock(audio::State().mutex);
  audio::State().primary = format;
  return sound_result::kOk;
}

WaveFormat PrimaryFormat() {
  std::lock_guard lock(audio::State().mutex);
  return audio::State().primary;
}

}  // namespace platform
