// Feeds arbitrary bytes to the wave reader as a whole file.
#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/sound/internal/wave_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  el::sound::SpanSource source(std::span<const uint8_t>(data, size));
  el::sound::WaveData wave;
  if (el::sound::ReadWave(source, &wave)) {
    // What a load does next with an accepted wave.
    const tWAVEFORMATEX header = wave.Header();
    if (wave.format_record.size() < 18 || header.nBlockAlign == 0) __builtin_trap();
  }
  return 0;
}
