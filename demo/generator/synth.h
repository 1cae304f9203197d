// Building blocks for the sound effects: float signals, filters, envelopes.
#pragma once

#include <cstdint>
#include <vector>

#include "demo/generator/wav_writer.h"

namespace demo {

struct Sound {
  WavFormat format;
  std::vector<int16_t> samples;  // interleaved by channel
};

inline constexpr float kTwoPi = 6.283185307f;

// Silence of the given length.
std::vector<float> Silence(uint32_t rate_hz, float seconds);
// Adds a decaying sine, starting at `start_s`, to `signal`.
void AddTone(std::vector<float>& signal, uint32_t rate_hz, float start_s, float frequency_hz,
             float amplitude, float decay_s, float attack_s = 0.002f);

// Second-order filter (the common "cookbook" biquad).
class Biquad {
 public:
  static Biquad LowPass(uint32_t rate_hz, float frequency_hz, float q);
  static Biquad BandPass(uint32_t rate_hz, float frequency_hz, float q);
  // Moves the band of a band-pass filter while it runs, keeping its memory.
  void RetuneBandPass(uint32_t rate_hz, float frequency_hz, float q);
  float Process(float x);

 private:
  float b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  float x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Mono or stereo sound, scaled so that its loudest sample is `peak` of full
// scale, rounded to 16 bits. Both channels are scaled by the same factor.
Sound MonoSound(uint32_t rate_hz, const std::vector<float>& signal, float peak);
Sound StereoSound(uint32_t rate_hz, const std::vector<float>& left, const std::vector<float>& right,
                  float peak);

// The effects of the demo game.
Sound SynthClick();
Sound SynthChime();
Sound SynthDoor();
Sound SynthSteps();
Sound SynthWind();
Sound SynthBell();
Sound SynthMagic();

}  // namespace demo
