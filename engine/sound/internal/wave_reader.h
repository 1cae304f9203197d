// The reader of RIFF wave files: the "fmt " and "data" chunks, found in
// either order inside the RIFF chunk, chunks padded to even lengths (the
// chunk walk is platform/wave_chunks.h, which `aoat lint` shares).
#pragma once

#include <cstdint>
#include <vector>

#include "engine/common/byte_source.h"
#include "engine/el.h"
#include "platform/audio/sound_buffer.h"
#include "platform/wave_chunks.h"

namespace el::sound {

using el::common::ByteSource;
using el::common::FileSource;
using el::common::SpanSource;

// The largest sample data a sound buffer can hold; bigger data is refused
// before anything is allocated for it.
inline constexpr uint32_t kMaxSampleBytes = platform::kMaxWaveSampleBytes;

// A wave as the device takes it: the format record (tWAVEFORMATEX, 18 bytes,
// followed by its extra format bytes) and the samples.
struct WaveData {
  std::vector<uint8_t> format_record;
  std::vector<uint8_t> samples;
  tWAVEFORMATEX Header() const;
  platform::WaveFormat DeviceFormat() const;
};

// Reads a whole wave file. For PCM the extra count is 0 whatever the file
// holds; for other formats the extra bytes are kept. Refused: no RIFF/WAVE
// header, a missing or short (below 16 bytes) "fmt " chunk, extra bytes
// beyond their chunk, zero channels, rate or block size, a "data" chunk that
// runs past the file or beyond kMaxSampleBytes.
bool ReadWave(ByteSource& source, WaveData* out);

// The fixed fields of a format record (18 bytes or more).
tWAVEFORMATEX FormatHeader(const std::vector<uint8_t>& record);

// A format record of 16 bytes or more, copied as it stands, with its 18-byte
// head completed (extra count 0) when it is shorter.
std::vector<uint8_t> CompleteFormatRecord(const uint8_t* record, size_t bytes);

}  // namespace el::sound
