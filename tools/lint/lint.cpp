#include "tools/lint/lint.h"

#include <memory>

#include "tools/story_source/raw.h"

namespace lint {

std::optional<Diagnostic> CheckFileSize(uint64_t size) {
  if (size == project::kFileSize) return std::nullopt;
  Diagnostic d;
  if (size > project::kFileSize) {
    d.message = "the file is " + std::to_string(size) + " bytes, " +
                std::to_string(size - project::kFileSize) + " more than a project file's " +
                std::to_string(project::kFileSize) + "; the player ignores the rest";
  } else {
    d.message = "the file is " + std::to_string(size) + " bytes, shorter than a project file's " +
                std::to_string(project::kFileSize) + "; it ends within " +
                story_source::DescribeOffset(size) + " and the player reads the rest as zero";
  }
  return d;
}

std::vector<Diagnostic> LintProject(const project::ProjectData& data, const FileLookup& lookup) {
  std::vector<Diagnostic> out;
  CheckAssets(data, lookup, &out);
  CheckPages(data, &out);
  return out;
}

std::vector<Diagnostic> LintImage(std::span<const uint8_t> file, uint64_t file_size,
                                  const FileLookup& lookup) {
  std::vector<Diagnostic> out;
  if (auto size = CheckFileSize(file_size)) out.push_back(std::move(*size));
  auto data = std::make_unique<project::ProjectData>();
  project::Decode(file, data.get());
  auto project = LintProject(*data, lookup);
  out.insert(out.end(), project.begin(), project.end());
  return out;
}

}  // namespace lint
