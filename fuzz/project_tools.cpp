// Project files of any content through the tool's readers of data.aoat: dump
// followed by build gives the same bytes, lint and graph never crash. A short
// fuzz input is spread over the large file as patches ("offset, length,
// bytes"), so that every block is reached.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "runtime/project/project_file.h"
#include "tools/graph/graph.h"
#include "tools/lint/lint.h"
#include "tools/story_source/build.h"
#include "tools/story_source/dump.h"

namespace {

std::vector<uint8_t> Spread(const uint8_t* data, size_t size) {
  std::vector<uint8_t> image(project::kFileSize, 0);
  size_t pos = 0;
  while (pos + 4 <= size) {
    const size_t offset = (static_cast<size_t>(data[pos]) << 16 |
                           static_cast<size_t>(data[pos + 1]) << 8 | data[pos + 2]) *
                          2 % project::kFileSize;
    const size_t length = data[pos + 3];
    pos += 4;
    for (size_t i = 0; i < length && pos < size; ++i, ++pos)
      image[(offset + i) % project::kFileSize] = data[pos];
  }
  return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> image = Spread(data, size);
  const story_source::BuildResult rebuilt =
      story_source::BuildStory(story_source::FormatJson(story_source::DumpStory(image)));
  if (!rebuilt.ok || rebuilt.image != image) std::abort();
  auto decoded = std::make_unique<project::ProjectData>();
  project::Decode(image, decoded.get());
  lint::LintProject(*decoded, [](std::string_view) { return std::nullopt; });
  graph::StoryDot(*decoded);
  return 0;
}
