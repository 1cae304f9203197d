// The user's user-dirs.dirs, read for the pictures folder screenshots go to:
// whatever it holds, the answer is an absolute folder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string folder = platform::PicturesFolderFrom(text, "/home/u");
  if (folder.empty() || folder.front() != '/') std::abort();
  return 0;
}
