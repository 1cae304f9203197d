// The two small settings files of the system services: the one-number files
// and the installation-folder line. Both read whatever the file holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/system/internal/system.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)el::system::ParseSettingsNumber(text);
  // The installation-folder file is read one line of at most 255 bytes.
  const std::string folder = el::system::InstallFolderFromLine(text.substr(0, 255));
  if (folder.size() > 255) std::abort();
  return 0;
}
