#include "engine/sound/pack_reader.h"

#include <algorithm>
#include <cstring>

#include "platform/encoding.h"

namespace el_sound {
namespace {

constexpr size_t kNameWindow = 256;

// Reads the zero-terminated name at `offset`: keeps up to kMaxPackNameLength
// + 1 bytes of it in `name` and returns the offset after its zero byte.
std::optional<uint64_t> ReadName(ByteSource& pack, uint64_t offset, std::string* name) {
  name->clear();
  char window[kNameWindow];
  while (offset < pack.Size()) {
    const size_t n = static_cast<size_t>(std::min<uint64_t>(kNameWindow, pack.Size() - offset));
    if (!pack.ReadAt(offset, window, n)) return std::nullopt;
    const char* zero = static_cast<const char*>(std::memchr(window, 0, n));
    const size_t used = zero != nullptr ? static_cast<size_t>(zero - window) : n;
    // Never more than one byte beyond the longest name that can match.
    name->append(window, std::min(used, kMaxPackNameLength + 1 - name->size()));
    if (zero != nullptr) return offset + used + 1;
    offset += n;
  }
  return std::nullopt;
}

}  // namespace

std::optional<PackEntry> FindPackEntry(ByteSource& pack, std::string_view name) {
  uint64_t at = 0;
  std::string stored;
  while (true) {
    uint32_t data_bytes = 0;
    if (!pack.ReadU32(at, &data_bytes)) return std::nullopt;
    const std::optional<uint64_t> after_name = ReadName(pack, at + 4, &stored);
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

std::string UpperSjis(std::string_view text) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    const auto byte = static_cast<uint8_t>(out[i]);
    if (platform::IsLeadByte(byte)) {
      ++i;
    } else if (byte >= 'a' && byte <= 'z') {
      out[i] = static_cast<char>(byte - 'a' + 'A');
    }
  }
  return out;
}

}  // namespace el_sound
