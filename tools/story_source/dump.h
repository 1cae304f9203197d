// `aoat dump`: a project file back to a story source. Everything a story can
// say is written readably; every other byte goes to the "raw" section, so that
// building the result gives back the very same file.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "runtime/project/project_file.h"
#include "tools/story_source/json_source.h"

namespace story_source {

// The readable part alone.
Json DumpReadable(const project::ProjectData& data);
// The full story source of a project file image of exactly project::kFileSize bytes.
Json DumpStory(std::span<const uint8_t> image);
// JSON text: indented, with small arrays and objects kept on one line.
std::string FormatJson(const Json& value);

}  // namespace story_source
