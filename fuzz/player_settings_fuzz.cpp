// The player's settings file and its record of read lines: whatever they
// hold is read without a crash, and what the settings give is written back
// into a file that reads again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

#include "runtime/comforts/read_record.h"
#include "runtime/comforts/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const comforts::ParsedSettings parsed = comforts::ParseSettings(text, "fuzz.toml");
  if (!parsed.broken) {
    const std::string written = comforts::SettingsText(parsed.settings, text);
    if (comforts::ParseSettings(written, "again.toml").broken) std::abort();
  }
  comforts::ReadRecord record;
  if (record.FromFileBytes(std::span(data, size)) && record.FileBytes().size() != size)
    std::abort();
  return 0;
}
