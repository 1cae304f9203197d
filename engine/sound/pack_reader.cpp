#include "engine/sound/internal/pack_reader.h"

namespace el::sound {

std::optional<PackEntry> FindPackEntry(ByteSource& pack, std::string_view name) {
  uint64_t at = 0;
  std::string stored;
  while (true) {
    uint32_t data_bytes = 0;
    if (!pack.ReadU32(at, &data_bytes)) return std::nullopt;
    const std::optional<uint64_t> after_name = el::common::ReadPackName(pack, at + 4, &stored);
    if (!after_name) return std::nullopt;
    uint32_t format_bytes = 0;
    if (!pack.ReadU32(*after_name, &format_bytes)) return std::nullopt;
    const PackEntry entry{*after_name + 4, format_bytes, data_bytes};
    if (name.size() <= kMaxPackNameLength && stored == name) return entry;
    at = entry.DataOffset() + data_bytes;
    if (at > pack.Size()) return std::nullopt;
  }
}

bool ReadPackFormat(ByteSource& pack, const PackEntry& entry, std::vector<uint8_t>* record) {
  if (entry.format_bytes < 16 || entry.format_bytes > kMaxFormatRecordBytes) return false;
  if (entry.DataOffset() + entry.data_bytes > pack.Size()) return false;
  std::vector<uint8_t> raw(entry.format_bytes);
  if (!pack.ReadAt(entry.format_offset, raw.data(), raw.size())) return false;
  *record = CompleteFormatRecord(raw.data(), raw.size());
  const tWAVEFORMATEX header = FormatHeader(*record);
  return header.nChannels != 0 && header.nSamplesPerSec != 0 && header.nBlockAlign != 0;
}

bool ReadPackEntry(ByteSource& pack, const PackEntry& entry, WaveData* wave) {
  if (entry.data_bytes > kMaxSampleBytes) return false;
  if (!ReadPackFormat(pack, entry, &wave->format_record)) return false;
  wave->samples.resize(entry.data_bytes);
  return pack.ReadAt(entry.DataOffset(), wave->samples.data(), entry.data_bytes);
}

}  // namespace el::sound
