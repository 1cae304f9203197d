// `aoat build`: a story source becomes the project file data.aoat.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/story_source/diagnostics.h"
#include "tools/story_source/json_source.h"

namespace story_source {

struct BuildResult {
  bool ok = false;
  std::vector<uint8_t> image;  // the full project file when ok
  std::vector<Diagnostic> diagnostics;
};

// Reads and checks a story source; every fault is reported with its place.
BuildResult BuildStory(std::string_view source);
BuildResult BuildStory(const JsonDocument& document);

}  // namespace story_source
