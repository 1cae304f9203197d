#include "tools/cli/files.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace cli {

bool ReadFile(const std::string& path, uint64_t max_bytes, FileContents* contents,
              std::string* error) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    *error = "is a folder, not a file";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = std::strerror(errno);
    return false;
  }
  contents->bytes.clear();
  contents->size = 0;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    const auto got = static_cast<uint64_t>(in.gcount());
    if (contents->bytes.size() < max_bytes)
      contents->bytes.append(buffer, std::min<uint64_t>(got, max_bytes - contents->bytes.size()));
    contents->size += got;
  }
  if (in.bad()) {
    *error = "read error";
    return false;
  }
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  const std::string temporary = path + ".tmp-" + std::to_string(::getpid());
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
      *error = std::strerror(errno);
      return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      *error = "write error";
      out.close();
      std::filesystem::remove(temporary);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    *error = ec.message();
    std::filesystem::remove(temporary, ec);
    return false;
  }
  return true;
}

}  // namespace cli
