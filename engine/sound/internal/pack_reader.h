// The reader of sound packs: records laid one after another from the start of
// the file, each the sample length D (u32), the entry name with its zero byte,
// the format record length H (u32), the format record and the samples.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/common/pack_files.h"
#include "engine/sound/internal/wave_reader.h"

namespace el::sound {

using el::common::kMaxPackNameLength;
using el::common::UpperSjis;

// The largest format record accepted: 18 bytes and the most extra bytes.
inline constexpr uint32_t kMaxFormatRecordBytes = 18 + 0xFFFF;

struct PackEntry {
  uint64_t format_offset;
  uint32_t format_bytes;  // H
  uint32_t data_bytes;    // D
  uint64_t DataOffset() const { return format_offset + format_bytes; }
};

// The first record named `name` (compared byte for byte; pass it upper-cased
// as the converter writes names). nullopt when the records end first.
std::optional<PackEntry> FindPackEntry(ByteSource& pack, std::string_view name);

// The entry's format record, completed to 18 bytes; false when it is shorter
// than 16 bytes, longer than kMaxFormatRecordBytes, its samples do not lie
// wholly inside the pack or its format has zero channels, rate or block size.
bool ReadPackFormat(ByteSource& pack, const PackEntry& entry, std::vector<uint8_t>* record);

// The entry's format record and all its samples.
bool ReadPackEntry(ByteSource& pack, const PackEntry& entry, WaveData* wave);

}  // namespace el::sound
