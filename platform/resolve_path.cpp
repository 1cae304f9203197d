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
  for (size_t i = 0; i < s.size();) {
    const size_t length = Utf8SequenceLength(s, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// Backslashes turned into slashes. In Shift-JIS the second byte of a
// double-byte character can be 5C, the backslash: it stays. Text that is
// valid UTF-8 is taken as UTF-8 (Shift-JIS Japanese rarely is).
std::string SlashesFor(std::string_view name) {
  std::string path(name);
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

std::string WithBackslashes(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

// The ways a name may be meant, most likely first. Names end at their first
// NUL, as the engine's C strings do. Relative names start in the game folder.
// The engine writes the game folder (UTF-8) with backslashes in front of
// Shift-JIS names, so a known folder at the front is split off and only the
// rest is read as Shift-JIS. Last, every backslash as a separator.
std::vector<std::string> Candidates(std::string_view name) {
  std::string raw(name.substr(0, name.find('\0')));
  if (raw.empty()) return {};
  if (raw.front() != '/' && raw.front() != '\\') raw = GameFolder() + raw;
  std::vector<std::string> candidates;
  for (std::string folder : {GameFolder(), ConfigFolder() + "/"}) {
    for (const std::string& form : {folder, WithBackslashes(folder)}) {
      if (candidates.empty() && raw.compare(0, form.size(), form) == 0) {
        candidates.push_back(folder + SlashesFor(std::string_view(raw).substr(form.size())));
      }
    }
  }
  const std::string whole = SlashesFor(raw);
  std::string plain = raw;
  std::replace(plain.begin(), plain.end(), '\\', '/');
  for (const std::string& candidate : {whole, plain}) {
    if (std::find(candidates.begin(), candidates.end(), candidate) == candidates.end())
      candidates.push_back(candidate);
  }
  return candidates;
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
    if (shift_jis && Cp932CharLength(a, i) == 2) {
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

// New names are created in UTF-8: components that are not UTF-8 already are
// converted from Shift-JIS.
std::string ComponentsToUtf8(const std::string& path) {
  std::string out;
  size_t pos = 0;
  while (pos <= path.size()) {
    const size_t end = std::min(path.find('/', pos), path.size());
    const std::string_view component = std::string_view(path).substr(pos, end - pos);
    out += IsValidUtf8(component) ? std::string(component) : Cp932ToUtf8(component);
    if (end < path.size()) out.push_back('/');
    pos = end + 1;
  }
  return out;
}

std::optional<std::string> ResolveNormalized(const std::string& path) {
  if (path.empty() || path.size() > kMaxPathBytes) return std::nullopt;
  if (Exists(path)) return path;
  return ResolveComponents(path);
}

}  // namespace

std::optional<std::string> ResolvePath(std::string_view name) {
  for (const std::string& path : Candidates(name)) {
    if (auto found = ResolveNormalized(path)) return found;
  }
  return std::nullopt;
}

std::string PathForWriting(std::string_view name) {
  const std::vector<std::string> candidates = Candidates(name);
  if (candidates.empty()) return {};
  for (const std::string& path : candidates) {
    if (auto existing = ResolveNormalized(path)) return *existing;
  }
  const std::string& path = candidates.front();
  if (path.size() > kMaxPathBytes) return path;
  const size_t slash = path.rfind('/');
  const std::string folder = path.substr(0, slash + 1);
  const std::string last = path.substr(folder.size());
  const auto found = ResolveNormalized(folder);
  return Join(found ? *found : ComponentsToUtf8(folder), ComponentsToUtf8(last));
}

}  // namespace platform
