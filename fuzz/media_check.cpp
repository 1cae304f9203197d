// Feeds arbitrary bytes to the structural checks of wave files and songs.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/media_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  platform::WaveFileProblem(bytes);
  platform::MidiFileProblem(bytes);
  return 0;
}
