#include "platform/audio/gain.h"

#include <cmath>
#include <cstdlib>

#include "platform/audio/sound_buffer.h"

namespace platform::audio {

float GainFromHundredthsDb(int32_t hundredths_db) {
  if (hundredths_db <= kVolumeSilent) return 0.0f;
  if (hundredths_db >= 0) return 1.0f;
  return static_cast<float>(std::pow(10.0, hundredths_db / 2000.0));
}

StereoGain PanVolumeGain(int32_t volume, int32_t pan) {
  const float gain = GainFromHundredthsDb(volume);
  const float other = GainFromHundredthsDb(-std::abs(pan));
  if (pan < 0) return {gain, gain * other};
  return {gain * (pan > 0 ? other : 1.0f), gain};
}

}  // namespace platform::audio
