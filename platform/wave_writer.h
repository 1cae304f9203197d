// The chunks of a RIFF/WAVE file, written in one place for every writer of
// WAV bytes: the headless backend's capture, the demo's asset generator and
// the tests' fixture builders. The samples themselves are each writer's own.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/byte_order.h"

namespace platform {

inline constexpr uint16_t kWaveFormatTagPcm = 1;
inline constexpr uint32_t kPcmFieldsBytes = 16;
// "RIFF" + size + "WAVE", a "fmt " chunk of the 16 PCM fields, and the
// "data" chunk's id and size: the bytes before the samples of a file that
// holds only those two chunks.
inline constexpr uint32_t kCanonicalWaveHeaderBytes = 44;

struct PcmFormat {
  uint16_t channels = 1;
  uint32_t rate_hz = 22050;
  uint16_t bits_per_sample = 16;
  uint16_t tag = kWaveFormatTagPcm;
};

// A chunk's four-character id and the size of its contents (without the
// pad byte that follows an odd size).
template <typename Bytes>
void AppendChunkHeader(Bytes& out, std::string_view id, uint32_t size) {
  out.insert(out.end(), id.begin(), id.end());
  AppendLe32(out, size);
}

// The 16 PCM fields of a "fmt " chunk: tag, channels, rate, bytes a second,
// block align and bits; the block is the bits of one frame in whole bytes.
template <typename Bytes>
void AppendPcmFields(Bytes& out, const PcmFormat& format) {
  const uint32_t block_align = (format.channels * format.bits_per_sample / 8u) & 0xFFFF;
  AppendLe16(out, format.tag);
  AppendLe16(out, format.channels);
  AppendLe32(out, format.rate_hz);
  AppendLe32(out, format.rate_hz * block_align);
  AppendLe16(out, block_align);
  AppendLe16(out, format.bits_per_sample);
}

// The 44 bytes before `data_bytes` bytes of samples in a canonical file.
template <typename Bytes>
void AppendCanonicalWaveHeader(Bytes& out, const PcmFormat& format, uint32_t data_bytes) {
  AppendChunkHeader(out, "RIFF", kCanonicalWaveHeaderBytes - 8 + data_bytes);
  const std::string_view wave = "WAVE";
  out.insert(out.end(), wave.begin(), wave.end());
  AppendChunkHeader(out, "fmt ", kPcmFieldsBytes);
  AppendPcmFields(out, format);
  AppendChunkHeader(out, "data", data_bytes);
}

}  // namespace platform
