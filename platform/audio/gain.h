// The volume and pan law of the device: both in hundredths of a decibel of
// attenuation; the pan attenuates the channel on the other side.
#pragma once

#include <cstdint>

namespace platform::audio {

// 10^(hundredths / 2000); kVolumeSilent and below are silence.
float GainFromHundredthsDb(int32_t hundredths_db);

struct StereoGain {
  float left;
  float right;
};
StereoGain PanVolumeGain(int32_t volume, int32_t pan);

}  // namespace platform::audio
