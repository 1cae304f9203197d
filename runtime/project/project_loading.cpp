#include "runtime/project/project_loading.h"

#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/platform.h"
#include "runtime/project/project_model.h"

namespace runtime {

bool LoadProjectFile(const std::string& path) {
  // Bytes past the layout are never looked at, so a huge file costs no more
  // than a full-size one; anything but a regular file is not a project.
  std::vector<uint8_t> image;
  std::string error;
  if (!platform::ReadFileHead(path, project::kFileSize, &image, &error)) return false;
  DecodeProject(image);
  return true;
}

bool LoadProject() {
  const auto path = platform::ResolvePath(platform::GameFolder() + kProjectFileName);
  if (!path) return false;
  return LoadProjectFile(*path);
}

}  // namespace runtime
