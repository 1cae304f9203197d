// FluidSynth behind the sequencer. The synthesizer is made once and kept for
// the run; each song gets a new FluidSynth player, which parses the file when
// it starts. FluidSynth is driven by the mix (sample timing), and every call
// into it happens under the mixer lock, so it never runs on two threads.
#include "platform/audio/song_player.h"

#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "platform/audio/mixer.h"
#include "platform/audio/sound_font.h"
#include "platform/audio/voice.h"
#include "platform/platform.h"

namespace platform::audio {
namespace {

// A song longer than this is not advanced in one go after a long pause.
constexpr uint32_t kMaxCatchUpMs = 1000;
constexpr float kFloatToSample = 32768.0f;
// FluidSynth's own default (0.2) leaves songs some 30 dB below full-scale
// sound effects; this brings songs to about -25 to -30 dBFS RMS, with peaks
// far from clipping.
constexpr double kSynthGain = 0.6;
// After the last voice has ended, the reverb still rings for a while.
constexpr int kReverbTailFrames = 2 * kMixRateHz;

struct SongState {
  fluid_synth_t* synth = nullptr;  // made at the first open, kept for the run
  fluid_player_t* player = nullptr;
  std::vector<uint8_t> bytes;
  bool open = false;
  bool readable = false;
  bool seek_pending = false;
  bool playing = false;
  bool at_end = false;
  bool end_reached = false;
  uint32_t last_advance_ms = 0;
  int tail_frames = 0;  // still to render once nothing sounds
  std::array<float, kMixChunkFrames> left{};
  std::array<float, kMixChunkFrames> right{};
  std::array<float, 2 * kMixChunkFrames> discarded{};
};

// Never destroyed, like the mixer: the audio thread may still pull at exit.
SongState& Song() {
  static SongState* state = new SongState;
  return *state;
}

bool LooksLikeMidi(const std::vector<uint8_t>& bytes) {
  return bytes.size() >= 14 && std::memcmp(bytes.data(), "MThd", 4) == 0;
}

fluid_synth_t* CreateSynth() {
  for (int level = 0; level < LAST_LOG_LEVEL; ++level)
    fluid_set_log_function(level, nullptr, nullptr);
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", kMixRateHz);
  fluid_settings_setstr(settings, "player.timing-source", "sample");
  fluid_settings_setint(settings, "synth.lock-memory", 0);
  fluid_settings_setint(settings, "synth.threadsafe-api", 0);
  fluid_settings_setnum(settings, "synth.gain", kSynthGain);
  fluid_synth_t* synth = new_fluid_synth(settings);
  if (synth == nullptr) return nullptr;
  const std::string font = FindSoundFont();
  if (SoundFontReported() && font.empty()) {
    // Said at start.
  } else if (font.empty()) {
    std::fputs(
        "aoat-player: no sound font found (give --soundfont FILE or set AOAT_SOUNDFONT); "
        "songs are silent\n",
        stderr);
  } else if (fluid_synth_sfload(synth, font.c_str(), 1) == FLUID_FAILED) {
    std::fprintf(stderr, "aoat-player: cannot load the sound font %s; songs are silent\n",
                 font.c_str());
  }
  return synth;
}

void DeletePlayer(SongState& s) {
  if (s.player == nullptr) return;
  delete_fluid_player(s.player);
  s.player = nullptr;
}

void ApplySeek(SongState& s) {
  DeletePlayer(s);
  s.seek_pending = false;
  s.at_end = false;
}

// After a rendered block: a player that could not parse its file finishes
// without a single tick; a song ends when its last event has been played.
void CheckSongEnd(SongState& s) {
  const int status = fluid_player_get_status(s.player);
  const int total_ticks = fluid_player_get_total_ticks(s.player);
  if (total_ticks <= 0) {
    if (status == FLUID_PLAYER_DONE) {
      s.readable = false;
      s.playing = false;
      DeletePlayer(s);
    }
    return;
  }
  if (status == FLUID_PLAYER_DONE || fluid_player_get_current_tick(s.player) >= total_ticks) {
    s.playing = false;
    s.at_end = true;
    s.end_reached = true;
  }
}

// The music source of the mixer; called with the mixer lock held.
void RenderSong(float* mix, int frame_count) {
  SongState& s = Song();
  if (s.synth == nullptr) return;
  if (s.seek_pending) ApplySeek(s);
  if (s.playing || fluid_synth_get_active_voice_count(s.synth) > 0) {
    s.tail_frames = kReverbTailFrames;
  } else if (s.tail_frames <= 0) {
    return;
  }
  s.tail_frames -= frame_count;
  fluid_synth_write_float(s.synth, frame_count, s.left.data(), 0, 1, s.right.data(), 0, 1);
  for (int i = 0; i < frame_count; ++i) {
    mix[2 * i] += s.left[i] * kFloatToSample;
    mix[2 * i + 1] += s.right[i] * kFloatToSample;
  }
  if (s.playing) CheckSongEnd(s);
}

}  // namespace

void OpenSong(std::vector<uint8_t> midi_bytes) {
  SongState& s = Song();
  if (s.synth == nullptr) {
    // Loading the sound font takes a while; the audio thread does not wait.
    fluid_synth_t* synth = CreateSynth();
    std::lock_guard lock(MixerMutex());
    s.synth = synth;
  }
  SetMusicSource(&RenderSong);
  std::lock_guard lock(MixerMutex());
  DeletePlayer(s);
  s.readable = s.synth != nullptr && LooksLikeMidi(midi_bytes);
  s.bytes = std::move(midi_bytes);
  s.open = true;
  s.seek_pending = s.playing = s.at_end = s.end_reached = false;
  s.last_advance_ms = HasBackend() ? BackendTimeMs() : 0;
}

void CloseSong() {
  SongState& s = Song();
  std::lock_guard lock(MixerMutex());
  DeletePlayer(s);
  // A closed device is silent: the reset clears the effects, the sounds-off
  // after it ends every voice, and one block rendered unheard carries both out.
  if (s.synth != nullptr) {
    fluid_synth_system_reset(s.synth);
    fluid_synth_all_sounds_off(s.synth, -1);
    fluid_synth_write_float(s.synth, kMixChunkFrames, s.left.data(), 0, 1, s.right.data(), 0, 1);
  }
  s.tail_frames = 0;
  s.bytes.clear();
  s.open = s.readable = s.seek_pending = s.playing = s.at_end = s.end_reached = false;
}

bool SongOpen() {
  std::lock_guard lock(MixerMutex());
  return Song().open;
}

void SeekSongToStart() {
  SongState& s = Song();
  std::lock_guard lock(MixerMutex());
  if (!s.open) return;
  if (s.player != nullptr && s.playing) fluid_player_stop(s.player);
  if (s.synth != nullptr) fluid_synth_all_notes_off(s.synth, -1);
  s.playing = false;
  s.seek_pending = true;
}

bool PlaySong() {
  SongState& s = Song();
  std::lock_guard lock(MixerMutex());
  if (!s.open || !s.readable) return false;
  if (s.seek_pending) ApplySeek(s);
  if (s.at_end) {
    s.end_reached = true;
    return true;
  }
  if (s.player == nullptr) {
    s.player = new_fluid_player(s.synth);
    if (s.player == nullptr ||
        fluid_player_add_mem(s.player, s.bytes.data(), s.bytes.size()) != FLUID_OK) {
      DeletePlayer(s);
      s.readable = false;
      return false;
    }
  }
  fluid_player_play(s.player);
  s.playing = true;
  return true;
}

void StopSong() {
  SongState& s = Song();
  std::lock_guard lock(MixerMutex());
  if (s.player != nullptr && s.playing) fluid_player_stop(s.player);
  if (s.synth != nullptr) fluid_synth_all_notes_off(s.synth, -1);
  s.playing = false;
}

SongMode CurrentSongMode() {
  SongState& s = Song();
  std::lock_guard lock(MixerMutex());
  if (!s.readable) return SongMode::kNotReady;
  if (s.seek_pending) return SongMode::kSeeking;
  return s.playing ? SongMode::kPlaying : SongMode::kStopped;
}

bool TakeSongEnd() {
  SongState& s = Song();
  std::lock_guard lock(MixerMutex());
  return std::exchange(s.end_reached, false);
}

void AdvanceSongWithoutOutput() {
  SongState& s = Song();
  if (!HasBackend()) return;
  const uint32_t now_ms = BackendTimeMs();
  const uint32_t elapsed_ms = std::min(now_ms - s.last_advance_ms, kMaxCatchUpMs);
  s.last_advance_ms = now_ms;
  if (SoundOutputOpen() || !s.open) return;
  std::lock_guard lock(MixerMutex());
  int frames = static_cast<int>(static_cast<uint64_t>(elapsed_ms) * kMixRateHz / 1000);
  while (frames > 0) {
    const int n = std::min(frames, kMixChunkFrames);
    s.discarded.fill(0.0f);
    RenderSong(s.discarded.data(), n);
    frames -= n;
  }
}

}  // namespace platform::audio
