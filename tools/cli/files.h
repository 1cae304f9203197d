// Whole-file reading with a size limit, and writing that never leaves half a
// file behind: the data goes to a temporary file renamed over the target.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cli {

struct FileContents {
  std::string bytes;  // at most the limit
  uint64_t size = 0;  // the file's whole size
};

bool ReadFile(const std::string& path, uint64_t max_bytes, FileContents* contents,
              std::string* error);
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error);

}  // namespace cli
