#include "demo/generator/synth.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace demo {
namespace {

std::vector<int16_t> Quantise(const std::vector<float>& signal, float gain) {
  std::vector<int16_t> out;
  out.reserve(signal.size());
  for (float s : signal) {
    out.push_back(
        static_cast<int16_t>(std::clamp(std::lround(s * gain * 32767.0f), -32767L, 32767L)));
  }
  return out;
}

float Peak(const std::vector<float>& signal) {
  float peak = 0;
  for (float s : signal) peak = std::max(peak, std::abs(s));
  return peak;
}

}  // namespace

std::vector<float> Silence(uint32_t rate_hz, float seconds) {
  return std::vector<float>(static_cast<size_t>(std::lround(rate_hz * seconds)), 0.0f);
}

void AddTone(std::vector<float>& signal, uint32_t rate_hz, float start_s, float frequency_hz,
             float amplitude, float decay_s, float attack_s) {
  const auto first = static_cast<size_t>(std::lround(start_s * rate_hz));
  for (size_t i = first; i < signal.size(); ++i) {
    const float t = static_cast<float>(i - first) / rate_hz;
    const float envelope = std::min(1.0f, t / attack_s) * std::exp(-t / decay_s);
    if (envelope < 1e-5f && t > attack_s) break;
    signal[i] += amplitude * envelope * std::sin(kTwoPi * frequency_hz * t);
  }
}

Biquad Biquad::LowPass(uint32_t rate_hz, float frequency_hz, float q) {
  const float w = kTwoPi * frequency_hz / rate_hz, alpha = std::sin(w) / (2 * q), c = std::cos(w);
  const float a0 = 1 + alpha;
  Biquad f;
  f.b0_ = (1 - c) / 2 / a0;
  f.b1_ = (1 - c) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2 * c / a0;
  f.a2_ = (1 - alpha) / a0;
  return f;
}

Biquad Biquad::BandPass(uint32_t rate_hz, float frequency_hz, float q) {
  Biquad f;
  f.RetuneBandPass(rate_hz, frequency_hz, q);
  return f;
}

void Biquad::RetuneBandPass(uint32_t rate_hz, float frequency_hz, float q) {
  const float w = kTwoPi * frequency_hz / rate_hz, alpha = std::sin(w) / (2 * q), c = std::cos(w);
  const float a0 = 1 + alpha;
  b0_ = alpha / a0;
  b1_ = 0;
  b2_ = -alpha / a0;
  a1_ = -2 * c / a0;
  a2_ = (1 - alpha) / a0;
}

float Biquad::Process(float x) {
  const float y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}

Sound MonoSound(uint32_t rate_hz, const std::vector<float>& signal, float peak) {
  const float loudest = Peak(signal);
  if (loudest <= 0) throw std::invalid_argument("silent sound");
  return {{rate_hz, 1}, Quantise(signal, peak / loudest)};
}

Sound StereoSound(uint32_t rate_hz, const std::vector<float>& left, const std::vector<float>& right,
                  float peak) {
  if (left.size() != right.size()) throw std::invalid_argument("channel lengths differ");
  const float loudest = std::max(Peak(left), Peak(right));
  if (loudest <= 0) throw std::invalid_argument("silent sound");
  std::vector<float> interleaved;
  interleaved.reserve(left.size() * 2);
  for (size_t i = 0; i < left.size(); ++i) {
    interleaved.push_back(left[i]);
    interleaved.push_back(right[i]);
  }
  return {{rate_hz, 2}, Quantise(interleaved, peak / loudest)};
}

}  // namespace demo
