#include "tools/cli/files.h"

#include <filesystem>
#include <span>
#include <vector>

#include "platform/file_writing.h"
#include "platform/files.h"

namespace cli {

bool ReadFile(const std::string& path, uint64_t max_bytes, FileContents* contents,
              std::string* error) {
  contents->bytes.clear();
  contents->size = 0;
  const auto file = platform::RegularFile::Open(path, error);
  if (!file) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) *error = "is a folder, not a file";
    return false;
  }
  std::vector<uint8_t> bytes;
  if (!file->ReadHead(static_cast<size_t>(max_bytes), &bytes, error)) return false;
  contents->bytes.assign(bytes.begin(), bytes.end());
  contents->size = file->Size();
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  const std::span data(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  return platform::WriteWholeFile(path, data, platform::IfExists::kReplace, error) ==
         platform::WriteResult::kWritten;
}

}  // namespace cli
