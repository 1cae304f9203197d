// Story sources from anywhere: the reader must report, never crash, and a
// story that builds must survive dump and build unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tools/story_source/build.h"
#include "tools/story_source/dump.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view source(reinterpret_cast<const char*>(data), size);
  const story_source::BuildResult built = story_source::BuildStory(source);
  if (!built.ok) {
    if (built.diagnostics.empty()) std::abort();  // a refusal always says why
    return 0;
  }
  const story_source::BuildResult again =
      story_source::BuildStory(story_source::FormatJson(story_source::DumpStory(built.image)));
  if (!again.ok || again.image != built.image) std::abort();
  return 0;
}
