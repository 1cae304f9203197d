#include "engine/common/pack_files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "engine/el.h"
#include "platform/encoding.h"
#include "platform/platform.h"

namespace el::common {
namespace {

constexpr size_t kNameWindow = 256;

}  // namespace

std::optional<uint64_t> ReadPackName(ByteSource& pack, uint64_t offset, std::string* name) {
  name->clear();
  char window[kNameWindow];
  while (offset < pack.Size()) {
    const size_t n = static_cast<size_t>(std::min<uint64_t>(kNameWindow, pack.Size() - offset));
    if (!pack.ReadAt(offset, window, n)) return std::nullopt;
    const char* zero = static_cast<const char*>(std::memchr(window, 0, n));
    const size_t used = zero != nullptr ? static_cast<size_t>(zero - window) : n;
    // Never more than one byte beyond the longest name that can match.
    name->append(window, std::min(used, kMaxPackNameLength + 1 - name->size()));
    if (zero != nullptr) return offset + used + 1;
    offset += n;
  }
  return std::nullopt;
}

std::string UpperSjis(std::string_view text) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    const auto byte = static_cast<uint8_t>(out[i]);
    if (platform::IsLeadByte(byte)) {
      ++i;
    } else if (byte >= 'a' && byte <= 'z') {
      out[i] = static_cast<char>(byte - 'a' + 'A');
    }
  }
  return out;
}

std::string_view BaseName(std::string_view name) {
  size_t start = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    if (platform::IsLeadByte(static_cast<uint8_t>(name[i]))) {
      ++i;
    } else if (name[i] == '\\') {
      start = i + 1;
    }
  }
  return name.substr(std::min(start, name.size()));
}

std::vector<std::string> FilesWithExtension(const std::string& folder, std::string_view extension) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    std::string ext = entry.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext != extension || !entry.is_regular_file(ec)) continue;
    if (auto sjis = platform::Utf8ToCp932(entry.path().filename().string()))
      names.push_back(std::move(*sjis));
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string PackPathForWriting(const char* name) {
  const std::string path = std::string(elSystem::Directory(0)) + name;
  return platform::ResolvePath(path).value_or(platform::PathForWriting(path));
}

std::unique_ptr<FileSource> OpenPackFile(const char* pack_path) {
  return FileSource::Open(platform::ResolvePath(pack_path).value_or(pack_path));
}

void DeletePack(const char* name) {
  const std::string path = std::string(elSystem::Directory(0)) + name;
  if (const auto existing = platform::ResolvePath(path)) std::remove(existing->c_str());
}

}  // namespace el::common
