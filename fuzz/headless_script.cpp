// Feeds arbitrary bytes to the headless script parser: it must return steps
// or errors, never crash, and every step it returns must be in range.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/headless/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using platform::headless::ScriptStep;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto parsed = platform::headless::ParseScript(text, "fuzz");
  for (const ScriptStep& step : parsed.steps) {
    const bool bad_move = step.kind == ScriptStep::Kind::kMove &&
                          (step.x < 0 || step.x >= platform::headless::kDisplayWidthPx ||
                           step.y < 0 || step.y >= platform::headless::kDisplayHeightPx);
    const bool bad_key =
        step.kind == ScriptStep::Kind::kKey && (step.virtual_key == 0 || step.virtual_key > 0xFE);
    const bool bad_shot = step.kind == ScriptStep::Kind::kShot && step.file.empty();
    if (bad_move || bad_key || bad_shot) std::abort();
  }
  return 0;
}
