// Helpers shared by the tool's tests: building small stories and reading the
// project they make.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/project/project_file.h"
#include "tools/story_source/build.h"

namespace tool_test {

inline std::unique_ptr<project::ProjectData> Decoded(const std::vector<uint8_t>& image) {
  auto data = std::make_unique<project::ProjectData>();
  project::Decode(image, data.get());
  return data;
}

// Builds a story that must build; the test fails with the errors otherwise.
inline std::unique_ptr<project::ProjectData> MustBuild(std::string_view source) {
  const story_source::BuildResult result = story_source::BuildStory(source);
  std::string errors;
  for (const auto& d : result.diagnostics)
    errors += story_source::FormatDiagnostic("s.json", d) + "\n";
  EXPECT_TRUE(result.ok) << errors;
  return Decoded(result.image);
}

// The formatted errors of a story that must not build.
inline std::string BuildErrors(std::string_view source) {
  const story_source::BuildResult result = story_source::BuildStory(source);
  EXPECT_FALSE(result.ok) << source;
  std::string errors;
  for (const auto& d : result.diagnostics)
    errors += story_source::FormatDiagnostic("s.json", d) + "\n";
  return errors;
}

inline std::string Text(const project::ProjectData& data, int page, int line) {
  return std::string(project::FieldText(data.str[project::RecordIndex(page, line)]));
}

}  // namespace tool_test
