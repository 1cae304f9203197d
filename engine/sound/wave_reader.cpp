#include "engine/sound/internal/wave_reader.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace el::sound {
namespace {

constexpr size_t kPcmFieldsBytes = 16;
// The record as the device takes it: 18 bytes (the C struct is padded to 20).
constexpr size_t kHeaderBytes = 18;
constexpr uint64_t kFormOffset = 12;  // chunks start after "RIFF", size, "WAVE"

struct Chunk {
  uint64_t offset;  // of the contents
  uint32_t size;
};

// The first chunk `id` whose header lies within [start, end).
std::optional<Chunk> FindChunk(ByteSource& source, uint64_t start, uint64_t end, const char* id) {
  uint64_t at = start;
  while (at + 8 <= end) {
    char name[4];
    uint32_t size = 0;
    if (!source.ReadAt(at, name, 4) || !source.ReadU32(at + 4, &size)) return std::nullopt;
    if (std::memcmp(name, id, 4) == 0) return Chunk{at + 8, size};
    at += 8 + static_cast<uint64_t>(size) + (size & 1);
  }
  return std::nullopt;
}

bool ReadFormat(ByteSource& source, const Chunk& fmt, std::vector<uint8_t>* record) {
  if (fmt.size < kPcmFieldsBytes) return false;
  uint8_t fields[kPcmFieldsBytes];
  if (!source.ReadAt(fmt.offset, fields, sizeof fields)) return false;
  const uint16_t tag = static_cast<uint16_t>(fields[0] | fields[1] << 8);
  uint16_t extra = 0;
  if (tag != 1 && fmt.size >= kHeaderBytes) {
    if (!source.ReadU16(fmt.offset + kPcmFieldsBytes, &extra)) return false;
    if (kHeaderBytes + extra > fmt.size) return false;
  }
  record->assign(kHeaderBytes + extra, 0);
  std::memcpy(record->data(), fields, sizeof fields);
  (*record)[16] = static_cast<uint8_t>(extra);
  (*record)[17] = static_cast<uint8_t>(extra >> 8);
  return extra == 0 ||
         source.ReadAt(fmt.offset + kHeaderBytes, record->data() + kHeaderBytes, extra);
}

}  // namespace

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
  char head[12];
  uint32_t riff_size = 0;
  if (!source.ReadAt(0, head, sizeof head) || !source.ReadU32(4, &riff_size)) return false;
  if (std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0) return false;
  const uint64_t end = std::min<uint64_t>(8 + static_cast<uint64_t>(riff_size), source.Size());

  const std::optional<Chunk> fmt = FindChunk(source, kFormOffset, end, "fmt ");
  if (!fmt || !ReadFormat(source, *fmt, &out->format_record)) return false;
  const tWAVEFORMATEX header = out->Header();
  if (header.nChannels == 0 || header.nSamplesPerSec == 0 || header.nBlockAlign == 0) return false;

  const std::optional<Chunk> data = FindChunk(source, kFormOffset, end, "data");
  if (!data || data->size > kMaxSampleBytes) return false;
  if (data->offset + data->size > source.Size()) return false;
  out->samples.resize(data->size);
  return source.ReadAt(data->offset, out->samples.data(), data->size);
}

}  // namespace el::sound
