#include "platform/wave_chunks.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/byte_order.h"

namespace platform {
namespace {

constexpr size_t kPcmFieldsBytes = 16;
constexpr uint16_t kPcmTag = 1;
constexpr uint64_t kFormOffset = 12;  // chunks start after "RIFF", size, "WAVE"
constexpr size_t kChunkHeadBytes = 8;

constexpr const char* kFormatCut = "truncated: the format runs past the end of the file";
constexpr const char* kSamplesCut = "truncated: the samples run past the end of the file";

struct Chunk {
  uint64_t offset;  // of the contents
  uint32_t size;
};

struct Walk {
  std::optional<Chunk> format;
  std::optional<Chunk> samples;
  // The contents offset of the chunk that ends the walk by running past the
  // end of the file, or 0.
  uint64_t cut_offset = 0;
  bool Cut(const std::optional<Chunk>& chunk) const { return chunk && chunk->offset == cut_offset; }
};

// The first "fmt " and "data" chunks whose headers lie within [kFormOffset,
// end). A chunk's size only moves the walk on: nothing is read at it here.
Walk FindChunks(const WaveReadAt& read, uint64_t end, uint64_t file_bytes) {
  Walk walk;
  for (uint64_t at = kFormOffset; at + kChunkHeadBytes <= end;) {
    uint8_t head[kChunkHeadBytes];
    if (!read(at, head, sizeof head)) break;
    const Chunk chunk{at + kChunkHeadBytes, LoadLe32(head + 4)};
    if (!walk.format && std::memcmp(head, "fmt ", 4) == 0) walk.format = chunk;
    if (!walk.samples && std::memcmp(head, "data", 4) == 0) walk.samples = chunk;
    if (walk.format && walk.samples) break;
    if (chunk.size > file_bytes - chunk.offset) walk.cut_offset = chunk.offset;
    at = chunk.offset + chunk.size + (chunk.size & 1);
  }
  return walk;
}

// The format record of the chunk, its fields checked; empty when it is one a
// device can take.
std::string ReadFormat(const WaveReadAt& read, const Chunk& fmt, std::vector<uint8_t>* record) {
  if (fmt.size < kPcmFieldsBytes) return "the format chunk is shorter than 16 bytes";
  uint8_t fields[kPcmFieldsBytes];
  if (!read(fmt.offset, fields, sizeof fields)) return kFormatCut;
  uint16_t extra = 0;
  if (LoadLe16(fields) != kPcmTag && fmt.size >= kWaveFormatHeadBytes) {
    uint8_t count[2];
    if (!read(fmt.offset + kPcmFieldsBytes, count, sizeof count)) return kFormatCut;
    extra = LoadLe16(count);
    if (kWaveFormatHeadBytes + extra > fmt.size)
      return "the extra format bytes run past their chunk";
  }
  record->assign(kWaveFormatHeadBytes + extra, 0);
  std::memcpy(record->data(), fields, sizeof fields);
  StoreLe16(record->data() + kPcmFieldsBytes, extra);
  if (extra != 0 &&
      !read(fmt.offset + kWaveFormatHeadBytes, record->data() + kWaveFormatHeadBytes, extra))
    return kFormatCut;
  // Channels, rate and block size.
  if (LoadLe16(fields + 2) == 0 || LoadLe32(fields + 4) == 0 || LoadLe16(fields + 12) == 0)
    return "the format has no channels, rate or block size";
  return {};
}

}  // namespace

std::string ReadWaveChunks(uint64_t file_bytes, const WaveReadAt& read, WaveChunks* out) {
  uint8_t head[kFormOffset];
  if (file_bytes < sizeof head || !read(0, head, sizeof head))
    return "truncated: shorter than a wave file's header";
  if (std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0)
    return "unsupported format: not RIFF/WAVE";
  // A RIFF size past the file is common and harmless; one short of it hides
  // the chunks after it.
  const uint64_t end =
      std::min<uint64_t>(8 + static_cast<uint64_t>(LoadLe32(head + 4)), file_bytes);
  const Walk walk = FindChunks(read, end, file_bytes);

  if (!walk.format) return walk.Cut(walk.samples) ? kSamplesCut : "no format chunk";
  std::string problem = ReadFormat(read, *walk.format, &out->format_record);
  if (!problem.empty()) return problem;
  if (!walk.samples) return walk.Cut(walk.format) ? kFormatCut : "truncated: no samples";
  const Chunk& data = *walk.samples;
  if (data.size > file_bytes - data.offset) return kSamplesCut;
  if (data.size > kMaxWaveSampleBytes) return "the samples are more than a sound buffer holds";
  out->samples_offset = data.offset;
  out->samples_bytes = data.size;
  return {};
}

std::string ReadWaveChunks(std::span<const uint8_t> file, WaveChunks* out) {
  const auto read = [file](uint64_t offset, void* bytes, size_t count) {
    if (offset > file.size() || count > file.size() - offset) return false;
    if (count > 0) std::memcpy(bytes, file.data() + offset, count);
    return true;
  };
  return ReadWaveChunks(file.size(), read, out);
}

}  // namespace platform
