#include "engine/sound/internal/wave_reader.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/wave_chunks.h"

namespace el::sound {

constexpr size_t kHeaderBytes = platform::kWaveFormatHeadBytes;

tWAVEFORMATEX FormatHeader(const std::vector<uint8_t>& record) {
  tWAVEFORMATEX header{};
  std::memcpy(&header, record.data(), std::min(record.size(), kHeaderBytes));
  return header;
}

tWAVEFORMATEX WaveData::Header() const {
  return FormatHeader(format_record);
}

platform::WaveFormat WaveData::DeviceFormat() const {
  const tWAVEFORMATEX h = Header();
  return {h.wFormatTag,      h.nChannels,   h.nSamplesPerSec,
          h.nAvgBytesPerSec, h.nBlockAlign, h.wBitsPerSample};
}

std::vector<uint8_t> CompleteFormatRecord(const uint8_t* record, size_t bytes) {
  std::vector<uint8_t> out(record, record + bytes);
  if (out.size() < kHeaderBytes) out.resize(kHeaderBytes, 0);
  return out;
}

bool ReadWave(ByteSource& source, WaveData* out) {
  const auto read = [&source](uint64_t offset, void* bytes, size_t count) {
    return source.ReadAt(offset, bytes, count);
  };
  platform::WaveChunks chunks;
  if (!platform::ReadWaveChunks(source.Size(), read, &chunks).empty()) return false;
  out->format_record = std::move(chunks.format_record);
  out->samples.resize(chunks.samples_bytes);
  return source.ReadAt(chunks.samples_offset, out->samples.data(), chunks.samples_bytes);
}

}  // namespace el::sound
