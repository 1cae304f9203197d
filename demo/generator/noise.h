// Deterministic noise for textures and sounds: the same seed gives the same
// values on every build, unlike the standard library's generators, whose
// distributions differ between library versions.
#pragma once

#include <cstdint>

namespace demo {

// A well-mixed 32-bit hash.
uint32_t Hash(uint32_t x);
uint32_t Hash(int x, int y, uint32_t seed);

// 0..1 at integer lattice points, smoothly interpolated between them.
float ValueNoise(float x, float y, uint32_t seed);
// Sum of `octaves` layers of value noise, each at twice the frequency and
// half the weight of the last; result 0..1.
float FractalNoise(float x, float y, int octaves, uint32_t seed);

// A small generator for sequences (stars, leaves, noise samples).
class Random {
 public:
  explicit Random(uint32_t seed) : state_(seed == 0 ? 0x9E3779B9u : seed) {}
  uint32_t Next();
  // Uniform in [0, 1).
  float Unit() { return static_cast<float>(Next() >> 8) / 16777216.0f; }
  // Uniform in [lo, hi).
  float Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }
  // Uniform in [-1, 1).
  float Signed() { return Range(-1.0f, 1.0f); }

 private:
  uint32_t state_;
};

}  // namespace demo
