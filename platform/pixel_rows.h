// Whole rows of pixels converted from one format to another, for the hot
// paths that move a whole picture (presentation, loading). Each fast row has
// a plain reference loop beside it that gives the same pixels.
#pragma once

#include <cstdint>

namespace platform {

// RGB565 to 32-bit 0xFFRRGGBB (x8r8g8b8 with the spare byte set, so it reads
// as opaque a8r8g8b8 too); each channel widened by repeating its top bits,
// so that full intensity stays full.
void Rgb565ToXrgb8888Row(const uint16_t* src, uint32_t* dst, int count);

namespace reference {
void Rgb565ToXrgb8888Row(const uint16_t* src, uint32_t* dst, int count);
}  // namespace reference

}  // namespace platform
