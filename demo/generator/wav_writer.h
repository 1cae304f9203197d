// Writes RIFF/WAVE files of 16-bit PCM samples.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace demo {

struct WavFormat {
  uint32_t rate_hz = 22050;
  uint16_t channels = 1;
};

// `samples` are interleaved by channel. A non-empty `comment` adds a
// "LIST"/"INFO" chunk with an "ICMT" entry before the "data" chunk, padded to
// an even length as RIFF requires, so readers must search for "data" rather
// than expect it at byte 36.
std::vector<uint8_t> EncodeWav16(const WavFormat& format, std::span<const int16_t> samples,
                                 std::string_view comment = {});

}  // namespace demo
