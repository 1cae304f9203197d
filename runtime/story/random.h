// The story's pseudo-random generator: the classic C library generator, so
// that a seed gives the same sequence of random jumps on every system.
#pragma once

#include <cstdint>

namespace runtime {

inline constexpr int kRandomMax = 0x7FFF;

// Sets the generator's state (the runtime seeds it with the calendar time in
// seconds).
void SeedRandom(uint32_t seed);
// The next number, 0 to kRandomMax: state = state * 214013 + 2531011 (modulo
// 2^32), result = (state >> 16) & 0x7FFF.
int Random();

}  // namespace runtime
