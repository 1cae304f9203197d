// Feeds arbitrary bytes to the wave reader as a whole file, and checks that
// the lint's wave check agrees with it.
#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/sound/internal/wave_reader.h"
#include "platform/media_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  el::sound::SpanSource source(std::span<const uint8_t>(data, size));
  el::sound::WaveData wave;
  const bool read = el::sound::ReadWave(source, &wave);
  // The lint names a problem exactly when the player refuses the file.
  if (read != platform::WaveFileProblem(std::span<const uint8_t>(data, size)).empty())
    __builtin_trap();
  if (read) {
    // What a load does next with an accepted wave.
    const tWAVEFORMATEX header = wave.Header();
    if (wave.format_record.size() < 18 || header.nBlockAlign == 0) __builtin_trap();
  }
  return 0;
}
