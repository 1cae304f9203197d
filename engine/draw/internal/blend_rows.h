// Whole rows of the two arithmetic blends, eight pixels at a time where SSE2
// is there (always on x86-64) and pixel by pixel elsewhere. Each draws what
// its plain per-pixel formula draws.
#pragma once

#include <cstdint>

namespace el::draw {

// dst = ((s >> 1) & mask) + ((d >> 1) & mask) wherever the source s is not 0.
void Blend50Row(uint16_t* dst, const uint16_t* src, int width, uint16_t mask);
// row = ((row >> 1) & mask) + half, the wash towards a colour.
void WashRow(uint16_t* row, int width, uint16_t mask, uint16_t half);

}  // namespace el::draw
