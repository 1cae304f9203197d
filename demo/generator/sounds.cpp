// The demo game's sound effects, synthesised.
#include <algorithm>
#include <cmath>

#include "demo/generator/noise.h"
#include "demo/generator/synth.h"

namespace demo {
namespace {

constexpr uint32_t kLowRate = 22050;
constexpr uint32_t kHighRate = 44100;

// A short burst of filtered noise with a low thump under it: one footstep.
void AddStep(std::vector<float>& signal, float start_s, float weight, Random& random) {
  Biquad grit = Biquad::BandPass(kLowRate, 2200, 0.9f);
  Biquad body = Biquad::LowPass(kLowRate, 400, 0.7f);
  const auto first = static_cast<size_t>(start_s * kLowRate);
  const auto length = static_cast<size_t>(0.16f * kLowRate);
  for (size_t i = 0; i < length && first + i < signal.size(); ++i) {
    const float t = static_cast<float>(i) / kLowRate;
    const float n = random.Signed();
    // Gravel: uneven grains, denser at the heel strike.
    const float grains = random.Unit() < 0.35f ? 1.0f : 0.25f;
    signal[first + i] += weight * (0.8f * grit.Process(n) * grains * std::exp(-t / 0.05f) +
                                   1.6f * body.Process(n) * std::exp(-t / 0.03f));
  }
  AddTone(signal, kLowRate, start_s, 72, 0.5f * weight, 0.05f, 0.004f);
}

// One strike of a glass bell: inharmonic partials, the higher ones dying first.
void AddGlassStrike(std::vector<float>& signal, float start_s, float fundamental_hz, float level) {
  constexpr float kRatios[] = {1.0f, 2.32f, 4.25f, 6.63f};
  constexpr float kLevels[] = {1.0f, 0.5f, 0.25f, 0.15f};
  constexpr float kDecays[] = {1.1f, 0.6f, 0.35f, 0.2f};
  for (size_t p = 0; p < 4; ++p) {
    AddTone(signal, kHighRate, start_s, fundamental_hz * kRatios[p], level * kLevels[p],
            kDecays[p]);
  }
}

}  // namespace

Sound SynthClick() {
  std::vector<float> s = Silence(kLowRate, 0.05f);
  AddTone(s, kLowRate, 0, 1800, 1.0f, 0.006f, 0.0005f);
  AddTone(s, kLowRate, 0, 3100, 0.4f, 0.003f, 0.0005f);
  Random random(1);
  for (size_t i = 0; i < 40; ++i) s[i] += 0.3f * random.Signed() * (1 - i / 40.0f);
  return MonoSound(kLowRate, s, 0.6f);
}

Sound SynthChime() {
  std::vector<float> left = Silence(kHighRate, 2.4f), right = left;
  const struct {
    float start_s, fundamental_hz, pan;
  } strikes[] = {{0.0f, 1568, 0.3f}, {0.34f, 1760, 0.7f}, {0.86f, 2093, 0.45f}, {1.3f, 1568, 0.6f}};
  for (const auto& s : strikes) {
    AddGlassStrike(left, s.start_s, s.fundamental_hz, 1 - s.pan);
    AddGlassStrike(right, s.start_s, s.fundamental_hz * 1.002f, s.pan);
  }
  return StereoSound(kHighRate, left, right, 0.7f);
}

Sound SynthDoor() {
  std::vector<float> s = Silence(kLowRate, 1.1f);
  Random random(3);
  Biquad slide = Biquad::BandPass(kLowRate, 1100, 0.7f);
  Biquad rough = Biquad::LowPass(kLowRate, 30, 0.7f);
  for (size_t i = 0; i < s.size(); ++i) {
    const float t = static_cast<float>(i) / kLowRate;
    const float envelope = std::min(1.0f, t / 0.08f) * std::clamp((0.78f - t) / 0.12f, 0.0f, 1.0f);
    const float judder = 0.6f + 4.0f * std::abs(rough.Process(random.Signed()));
    s[i] = slide.Process(random.Signed()) * envelope * judder;
  }
  // The frame meets the post.
  AddTone(s, kLowRate, 0.8f, 110, 0.9f, 0.06f, 0.002f);
  AddTone(s, kLowRate, 0.8f, 240, 0.4f, 0.03f, 0.002f);
  return MonoSound(kLowRate, s, 0.75f);
}

Sound SynthSteps() {
  std::vector<float> s = Silence(kLowRate, 1.8f);
  Random random(4);
  for (int i = 0; i < 4; ++i) AddStep(s, 0.08f + i * 0.42f, i % 2 == 0 ? 1.0f : 0.85f, random);
  return MonoSound(kLowRate, s, 0.75f);
}

Sound SynthWind() {
  std::vector<float> left = Silence(kLowRate, 3.5f), right = left;
  Random random(5);
  for (int channel = 0; channel < 2; ++channel) {
    std::vector<float>& s = channel == 0 ? left : right;
    const float phase = channel * 1.7f;
    Biquad gust = Biquad::LowPass(kLowRate, 2, 0.7f);
    Biquad band;
    for (size_t i = 0; i < s.size(); ++i) {
      const float t = static_cast<float>(i) / kLowRate;
      // The howl rises and falls; retuning every 64 samples is smooth enough.
      if (i % 64 == 0) band.RetuneBandPass(kLowRate, 500 + 320 * std::sin(phase + t * 1.9f), 2.5f);
      const float envelope = std::min(1.0f, t / 0.9f) * std::clamp((3.5f - t) / 1.1f, 0.0f, 1.0f);
      const float swell = 0.5f + 20 * std::abs(gust.Process(random.Signed()));
      s[i] = band.Process(random.Signed()) * envelope * swell;
    }
  }
  return StereoSound(kLowRate, left, right, 0.7f);
}

Sound SynthBell() {
  std::vector<float> s = Silence(kHighRate, 1.6f);
  constexpr float kRatios[] = {1.0f, 1.47f, 2.09f, 2.56f};
  const float hits[] = {0.0f, 0.07f, 0.13f, 0.22f, 0.31f, 0.46f};
  Random random(6);
  for (size_t h = 0; h < 6; ++h) {
    const float level = 1.0f / (1 + h * 0.45f);
    const float detune = 1 + 0.01f * random.Signed();
    for (size_t p = 0; p < 4; ++p) {
      AddTone(s, kHighRate, hits[h], 2100 * kRatios[p] * detune, level / (1 + p),
              0.28f / (1 + p * 0.5f), 0.001f);
    }
  }
  return MonoSound(kHighRate, s, 0.7f);
}

Sound SynthMagic() {
  std::vector<float> left = Silence(kHighRate, 1.6f), right = left;
  constexpr float kNotes[] = {1046.5f, 1174.7f, 1318.5f, 1568.0f, 1760.0f, 2093.0f};
  for (size_t i = 0; i < 6; ++i) {
    const float start = i * 0.09f, pan = (i % 2 == 0) ? 0.3f : 0.7f;
    for (int channel = 0; channel < 2; ++channel) {
      std::vector<float>& s = channel == 0 ? left : right;
      const float level = channel == 0 ? 1 - pan : pan;
      AddTone(s, kHighRate, start, kNotes[i], level, 0.45f);
      AddTone(s, kHighRate, start, kNotes[i] * 2, 0.3f * level, 0.2f);
    }
  }
  // An echo from the far side.
  const auto delay = static_cast<size_t>(0.18f * kHighRate);
  for (size_t i = delay; i < left.size(); ++i) {
    left[i] += 0.35f * right[i - delay];
    right[i] += 0.35f * left[i - delay];
  }
  return StereoSound(kHighRate, left, right, 0.7f);
}

}  // namespace demo
