// The chunk walk of RIFF wave files, shared by the player's wave reader and
// `aoat lint`, so that the lint names exactly the files the player refuses.
// The first "fmt " and the first "data" chunk are taken, in either order,
// from the chunks that start inside the RIFF chunk; chunks are padded to even
// lengths. Only chunk headers and the format are read, through a callback, so
// a caller walks a large file without loading it; a size read from the file is
// never used before it is checked against the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace platform {

// The largest sample data a sound buffer holds; bigger data is refused before
// anything is allocated for it.
inline constexpr uint32_t kMaxWaveSampleBytes = 0x0FFFFFFF;
// The fixed part of a format record as a sound device takes it (the C
// struct is padded to 20): the 16 bytes of the format's fields, then the
// count of extra bytes that follow it.
inline constexpr size_t kWaveFormatHeadBytes = 18;

// Copies [offset, offset + bytes) of the file to `out`; false when that range
// is not wholly inside the file or cannot be read.
using WaveReadAt = std::function<bool(uint64_t offset, void* out, size_t bytes)>;

struct WaveChunks {
  // The format record: the fields of the "fmt " chunk, its extra count (0 for
  // PCM whatever the file holds) and, for other formats, the extra bytes.
  std::vector<uint8_t> format_record;
  uint64_t samples_offset = 0;  // of the contents of the "data" chunk
  uint32_t samples_bytes = 0;
};

// Empty when the file of `file_bytes` bytes holds a playable wave, whose
// format and sample range are then in `out`; else what is wrong, in words.
// Refused: no RIFF/WAVE header, a missing or short (below 16 bytes) "fmt "
// chunk, extra format bytes beyond their chunk, zero channels, rate or block
// size, a missing "data" chunk, or one past the file or beyond
// kMaxWaveSampleBytes. `out->format_record` may be filled on a refusal.
std::string ReadWaveChunks(uint64_t file_bytes, const WaveReadAt& read, WaveChunks* out);
// The same over a whole file in memory.
std::string ReadWaveChunks(std::span<const uint8_t> file, WaveChunks* out);

}  // namespace platform
