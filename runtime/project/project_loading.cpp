#include "runtime/project/project_loading.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "platform/platform.h"
#include "runtime/project/project_model.h"

namespace runtime {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool LoadProjectFile(const std::string& path) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  // Bytes past the layout are never looked at, so a huge file costs no more
  // than a full-size one.
  std::vector<uint8_t> image(project::kFileSize);
  const size_t read = std::fread(image.data(), 1, image.size(), file.get());
  DecodeProject(std::span(image).first(read));
  return true;
}

bool LoadProject() {
  const auto path = platform::ResolvePath(platform::GameFolder() + kProjectFileName);
  if (!path) return false;
  return LoadProjectFile(*path);
}

}  // namespace runtime
