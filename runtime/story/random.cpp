#include "runtime/story/random.h"

namespace runtime {
namespace {

uint32_t g_state = 1;

}  // namespace

void SeedRandom(uint32_t seed) {
  g_state = seed;
}

int Random() {
  g_state = g_state * 214013u + 2531011u;
  return static_cast<int>((g_state >> 16) & kRandomMax);
}

}  // namespace runtime
