#include "platform/sdl/sdl_audio.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/mix_rate.h"

namespace platform::sdl {
namespace {

constexpr int kChannels = 2;
constexpr int kBufferFrames = 1024;  // about 23 ms at 44100 Hz
constexpr int kBeepHz = 880;
constexpr int kBeepFrames = kMixRateHz * 120 / 1000;
constexpr int kBeepTailFrames = kMixRateHz * 60 / 1000;  // silence before closing
constexpr double kBeepAmplitude = 6000.0;

// One sample of the tone, with short ramps at both ends so it does not click.
int16_t BeepSample(int frame) {
  constexpr int kRamp = 220;
  const double ramp = std::min({1.0, frame / static_cast<double>(kRamp),
                                (kBeepFrames - frame) / static_cast<double>(kRamp)});
  const double phase = 2.0 * std::numbers::pi * kBeepHz * frame / kMixRateHz;
  return static_cast<int16_t>(kBeepAmplitude * ramp * std::sin(phase));
}

SDL_AudioSpec WantedSpec(SDL_AudioCallback callback, void* userdata) {
  SDL_AudioSpec spec{};
  spec.freq = kMixRateHz;
  spec.format = AUDIO_S16SYS;
  spec.channels = kChannels;
  spec.samples = kBufferFrames;
  spec.callback = callback;
  spec.userdata = userdata;
  return spec;
}

}  // namespace

SdlAudio::~SdlAudio() {
  Close();
  CloseBeepDevice();
  if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::InitSubsystem() {
  if (!subsystem_) subsystem_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  return subsystem_;
}

bool SdlAudio::Open(Backend::AudioRender render) {
  Close();
  if (render == nullptr || !InitSubsystem()) return false;
  render_ = render;
  // SDL converts when the device wants another format or buffer size.
  const SDL_AudioSpec want = WantedSpec(&SdlAudio::Callback, this);
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (device_ == 0) {
    render_ = nullptr;
    return false;
  }
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void SdlAudio::Close() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  device_ = 0;
  render_ = nullptr;
}

void SdlAudio::Callback(void* self, Uint8* stream, int length_bytes) {
  auto* audio = static_cast<SdlAudio*>(self);
  auto* frames = reinterpret_cast<int16_t*>(stream);
  const int count = length_bytes / static_cast<int>(kChannels * sizeof(int16_t));
  audio->render_(frames, count);
  int left = audio->beep_frames_left_.load();
  for (int i = 0; i < count && left > 0; ++i, --left) {
    const int sample = BeepSample(kBeepFrames - left);
    for (int c = 0; c < kChannels; ++c) {
      int16_t& out = frames[i * kChannels + c];
      out = static_cast<int16_t>(std::clamp(out + sample, -32768, 32767));
    }
  }
  audio->beep_frames_left_.store(left);
}

void SdlAudio::Beep() {
  if (device_ != 0) {
    beep_frames_left_.store(kBeepFrames);
    return;
  }
  if (beep_device_ != 0 || !InitSubsystem()) return;
  const SDL_AudioSpec want = WantedSpec(nullptr, nullptr);
  beep_device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (beep_device_ == 0) return;
  std::vector<int16_t> tone(static_cast<size_t>(kBeepFrames + kBeepTailFrames) * kChannels, 0);
  for (int i = 0; i < kBeepFrames; ++i) {
    tone[static_cast<size_t>(i) * 2] = tone[static_cast<size_t>(i) * 2 + 1] = BeepSample(i);
  }
  SDL_QueueAudio(beep_device_, tone.data(), static_cast<Uint32>(tone.size() * sizeof(int16_t)));
  SDL_PauseAudioDevice(beep_device_, 0);
}

void SdlAudio::Tick() {
  if (beep_device_ != 0 && SDL_GetQueuedAudioSize(beep_device_) == 0) CloseBeepDevice();
}

void SdlAudio::CloseBeepDevice() {
  if (beep_device_ != 0) SDL_CloseAudioDevice(beep_device_);
  beep_device_ = 0;
}

}  // namespace platform::sdl
