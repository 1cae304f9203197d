#include "demo/generator/noise.h"

#include <cmath>

namespace demo {

uint32_t Hash(uint32_t x) {
  x ^= x >> 16;
  x *= 0x7FEB352Du;
  x ^= x >> 15;
  x *= 0x846CA68Bu;
  x ^= x >> 16;
  return x;
}

uint32_t Hash(int x, int y, uint32_t seed) {
  return Hash(static_cast<uint32_t>(x) * 0x8DA6B343u ^ static_cast<uint32_t>(y) * 0xD8163841u ^
              Hash(seed));
}

float ValueNoise(float x, float y, uint32_t seed) {
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  const auto corner = [&](int dx, int dy) {
    return static_cast<float>(Hash(ix + dx, iy + dy, seed) >> 8) / 16777215.0f;
  };
  const auto smooth = [](float t) { return t * t * (3 - 2 * t); };
  const float tx = smooth(x - fx), ty = smooth(y - fy);
  const float top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * tx;
  const float bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * tx;
  return top + (bottom - top) * ty;
}

float FractalNoise(float x, float y, int octaves, uint32_t seed) {
  float sum = 0, weight = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += ValueNoise(x, y, seed + static_cast<uint32_t>(i) * 101u) * weight;
    total += weight;
    weight *= 0.5f;
    x *= 2;
    y *= 2;
  }
  return sum / total;
}

uint32_t Random::Next() {
  // xorshift32
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

}  // namespace demo
