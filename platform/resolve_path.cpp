// Finding the files a project names. Names from the project use backslashes
// and Shift-JIS, and games copied from Windows arrive with names in any case
// and in either Shift-JIS or UTF-8, so a name that does not exist as written is
// looked up one component at a time.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/encoding.h"
#include "platform/platform.h"

namespace platform {
namespace {

constexpr size_t kMaxPathBytes = 4096;
constexpr size_t kMaxComponentBytes = 255;

bool Exists(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

bool IsTrailByte(uint8_t byte) {
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

bool IsValidUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto lead = static_cast<uint8_t>(s[i]);
    const size_t length = lead < 0x80           ? 1
                          : (lead >> 5) == 0x6  ? 2
                          : (lead >> 4) == 0xE  ? 3
                          : (lead >> 3) == 0x1E ? 4
                                                : 0;
    if (length == 0 || i + length > s.size()) return false;
    for (size_t k = 1; k < length; ++k) {
      if ((static_cast<uint8_t>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

// The name up to its first NUL (as the engine's C strings end), with
// backslashes turned into slashes. In Shift-JIS the second byte of a
// double-byte character can be 5C, the backslash: it stays. A name that is
// valid UTF-8 is taken as UTF-8 (Shift-JIS Japanese rarely is).
std::string Normalize(std::string_view name) {
  std::string path(name.substr(0, name.find('\0')));
  const bool shift_jis = !IsValidUtf8(path);
  for (size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<uint8_t>(path[i]);
    if (shift_jis && IsLeadByte(byte) && i + 1 < path.size() &&
        IsTrailByte(static_cast<uint8_t>(path[i + 1]))) {
      ++i;
    } else if (path[i] == '\\') {
      path[i] = '/';
    }
  }
  return path;
}

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char FoldAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Case-insensitive comparison of single-byte letters; in Shift-JIS text the
// trail byte of a double-byte character is compared exactly (it can look
// like an ASCII letter). UTF-8 has no such bytes, so this serves both.
bool SameIgnoringCase(std::string_view a, std::string_view b, bool shift_jis) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (shift_jis && IsLeadByte(static_cast<uint8_t>(a[i])) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

struct DirCloser {
  void operator()(DIR* d) const { ::closedir(d); }
};

std::vector<std::string> ListFolder(const std::string& folder) {
  std::vector<std::string> names;
  std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.empty() ? "." : folder.c_str()));
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string Join(const std::string& base, std::string_view component) {
  if (base.empty()) return std::string(component);
  if (base.back() == '/') return base + std::string(component);
  return base + "/" + std::string(component);
}

// The entry of `folder` that `component` names: in any case, as Shift-JIS,
// or converted to UTF-8.
std::optional<std::string> MatchEntry(const std::string& folder, std::string_view component) {
  const std::vector<std::string> names = ListFolder(folder);
  for (const std::string& name : names) {
    if (SameIgnoringCase(name, component, true)) return name;
  }
  if (IsAscii(component)) return std::nullopt;
  const std::string utf8 = Cp932ToUtf8(component);
  for (const std::string& name : names) {
    if (name == utf8) return name;
  }
  for (const std::string& name : names) {
    if (SameIgnoringCase(name, utf8, false)) return name;
  }
  return std::nullopt;
}

std::vector<std::string_view> Components(std::string_view path) {
  std::vector<std::string_view> parts;
  size_t pos = 0;
  while (pos <= path.size()) {
    const size_t end = std::min(path.find('/', pos), path.size());
    if (end > pos) parts.push_back(path.substr(pos, end - pos));
    pos = end + 1;
  }
  return parts;
}

std::optional<std::string> ResolveComponents(const std::string& path) {
  std::string resolved = path.front() == '/' ? "/" : "";
  for (const std::string_view component : Components(path)) {
    if (component.size() > kMaxComponentBytes) return std::nullopt;
    const std::string as_is = Join(resolved, component);
    if (Exists(as_is) || component == "." || component == "..") {
      resolved = as_is;
      continue;
    }
    const std::optional<std::string> entry = MatchEntry(resolved, component);
    if (!entry) return std::nullopt;
    resolved = Join(resolved, *entry);
  }
  return Exists(resolved) ? std::optional<std::string>(resolved) : std::nullopt;
}

}  // namespace

std::optional<std::string> ResolvePath(std::string_view name) {
  const std::string path = Normalize(name);
  if (path.empty() || path.size() > kMaxPathBytes) return std::nullopt;
  if (Exists(path)) return path;
  return ResolveComponents(path);
}

std::string PathForWriting(std::string_view name) {
  const std::string path = Normalize(name);
  if (path.empty() || path.size() > kMaxPathBytes) return path;
  if (auto existing = ResolvePath(path)) return *existing;
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string last = path.substr(folder.size());
  std::string base = folder;
  if (!folder.empty()) {
    if (auto found = ResolvePath(folder)) {
      base = *found;
    } else if (!IsAscii(folder)) {
      base = Cp932ToUtf8(folder);
    }
  }
  return Join(base, IsAscii(last) ? last : Cp932ToUtf8(last));
}

}  // namespace platform
