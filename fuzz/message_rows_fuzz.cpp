// Message rows split from a story text line, which comes from the project
// file and may hold any bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/el.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);  // adds the terminator
  const int rows = elSystem::FMessage(text.c_str());
  if (rows < 0 || rows > 4) std::abort();
  for (const auto& row : MsgBuffer) {
    if (std::memchr(row, '\0', sizeof(row)) == nullptr) std::abort();
  }
  return 0;
}
