// Feeds arbitrary bytes to the sound pack reader: looks up a few names,
// including the first one the pack holds, and reads what it finds.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "engine/sound/internal/pack_reader.h"

namespace {

void LookUp(el::sound::ByteSource& pack, const std::string& name) {
  const auto entry = el::sound::FindPackEntry(pack, el::sound::UpperSjis(name));
  if (!entry) return;
  el::sound::WaveData wave;
  if (el::sound::ReadPackEntry(pack, *entry, &wave) && wave.samples.size() != entry->data_bytes)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  el::sound::SpanSource pack(std::span<const uint8_t>(data, size));
  // The first record's name, as far as the input holds one.
  std::string first;
  for (size_t i = 4; i < size && data[i] != 0 && first.size() < 200; ++i)
    first.push_back(static_cast<char>(data[i]));
  LookUp(pack, first);
  LookUp(pack, "A.WAV");
  LookUp(pack, std::string(128, 'L'));
  return 0;
}
