// The SDL audio device: 44100 Hz stereo 16-bit, pulled from the program's
// render function on SDL's audio thread; and the beep, which plays through
// that device when it is open and through a short-lived one otherwise.
#pragma once

#include <SDL.h>

#include <atomic>

#include "platform/backend.h"

namespace platform::sdl {

class SdlAudio {
 public:
  SdlAudio() = default;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;
  ~SdlAudio();

  bool Open(Backend::AudioRender render);
  void Close();
  void Beep();
  // Closes the beep's own device once its tone has played.
  void Tick();

 private:
  static void Callback(void* self, Uint8* stream, int length_bytes);
  bool InitSubsystem();
  void CloseBeepDevice();

  bool subsystem_ = false;
  SDL_AudioDeviceID device_ = 0;
  SDL_AudioDeviceID beep_device_ = 0;
  Backend::AudioRender render_ = nullptr;
  // Frames of the tone still to mix into the open device (audio thread).
  std::atomic<int> beep_frames_left_{0};
};

}  // namespace platform::sdl
