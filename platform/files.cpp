// The program's folders: the game folder (the engine's program folder), the
// save folder, the screenshot folder, and the per-user configuration folder
// standing in for the Windows folder.
#include "platform/files.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/file_writing.h"
#include "platform/platform.h"

namespace platform {
namespace {

constexpr size_t kMaxUserDirsBytes = 64 * 1024;

struct FolderState {
  std::optional<std::string> game;
  std::optional<std::string> save;  // chosen or given
  bool save_given = false;
};

FolderState& Folders() {
  static FolderState state;
  return state;
}

// An environment variable that names an absolute folder (relative values are
// ignored, as the base-directory convention requires).
std::optional<std::string> AbsoluteEnv(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return std::nullopt;
  return std::string(value);
}

// A folder name reduced to characters safe everywhere.
std::string SafeName(std::string_view name) {
  std::string out;
  for (const char c : name) {
    const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '_' || c == '.';
    out.push_back(safe ? c : '_');
  }
  if (out.empty() || out == "." || out == "..") out = "game";
  return out;
}

}  // namespace

std::string HashHex(std::string_view bytes) {
  uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  std::array<char, 17> text{};
  std::snprintf(text.data(), text.size(), "%016llx", static_cast<unsigned long long>(hash));
  return text.data();
}

std::string AsFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::path path =
      folder.empty() ? std::filesystem::current_path(ec) : std::filesystem::path(folder);
  if (!path.is_absolute()) path = std::filesystem::absolute(path, ec);
  std::string text = path.lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  if (text.empty() || text.back() != '/') text.push_back('/');
  return text;
}

std::string UserHome() {
  if (auto home = AbsoluteEnv("HOME")) return *home;
  std::array<char, 4096> buffer{};
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
      found->pw_dir != nullptr && found->pw_dir[0] == '/') {
    return found->pw_dir;
  }
  return "/tmp";
}

std::string UserDataHome() {
  if (auto data = AbsoluteEnv("XDG_DATA_HOME")) return *data;
  return UserHome() + "/.local/share";
}

std::string UserConfigHome() {
  if (auto config = AbsoluteEnv("XDG_CONFIG_HOME")) return *config;
  return UserHome() + "/.config";
}

std::string DefaultSaveFolder(const std::string& game_folder, const std::string& data_home) {
  std::string trimmed = game_folder;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  const std::string name = SafeName(std::filesystem::path(trimmed).filename().string());
  return AsFolder(data_home + "/aoat-player/" + name + "-" + HashHex(trimmed).substr(0, 8));
}

std::string PicturesFolderFrom(std::string_view user_dirs, const std::string& home) {
  constexpr std::string_view kKey = "XDG_PICTURES_DIR=\"";
  std::string folder;
  for (size_t at = 0; at < user_dirs.size();) {
    const size_t end = std::min(user_dirs.find('\n', at), user_dirs.size());
    std::string_view line = user_dirs.substr(at, end - at);
    at = end + 1;
    if (!line.starts_with(kKey) || !line.ends_with('"')) continue;
    line = line.substr(kKey.size(), line.size() - kKey.size() - 1);
    // The file holds "$HOME/..." or an absolute path, with \ escapes.
    std::string value;
    for (size_t i = 0; i < line.size(); ++i)
      value.push_back(line[i] == '\\' && i + 1 < line.size() ? line[++i] : line[i]);
    if (value == "$HOME" || value.starts_with("$HOME/")) value = home + value.substr(5);
    if (!value.empty() && value.front() == '/') folder = value;
  }
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  // A pictures folder set to the home itself means none was chosen.
  if (folder.empty() || folder == home) return home + "/Pictures";
  return folder;
}

std::string UserDataFolder() {
  return DefaultSaveFolder(GameFolder(), UserDataHome());
}

const std::string& GameFolder() {
  auto& f = Folders();
  if (!f.game) f.game = AsFolder("");
  return *f.game;
}

void SetGameFolder(const std::string& folder) {
  auto& f = Folders();
  f.game = AsFolder(folder);
  if (!f.save_given) f.save.reset();
}

const std::string& SaveFolder() {
  auto& f = Folders();
  if (!f.save) {
    f.save = UserDataFolder();
    std::error_code ec;
    std::filesystem::create_directories(*f.save, ec);
  }
  return *f.save;
}

bool SaveFolderGiven() {
  return Folders().save_given;
}

void SetSaveFolder(const std::string& folder) {
  auto& f = Folders();
  if (folder.empty()) {
    f.save_given = false;
    f.save.reset();
    return;
  }
  f.save = AsFolder(folder);
  f.save_given = true;
  std::error_code ec;
  std::filesystem::create_directories(*f.save, ec);
}

std::string ScreenshotFolder() {
  std::vector<uint8_t> user_dirs;
  std::string error;
  if (!ReadSmallFile(UserConfigHome() + "/user-dirs.dirs", kMaxUserDirsBytes, &user_dirs, &error))
    user_dirs.clear();
  const std::string_view text(reinterpret_cast<const char*>(user_dirs.data()), user_dirs.size());
  return PicturesFolderFrom(text, UserHome()) + "/aoat-player/";
}

std::string ProgramFile() {
  std::array<char, 4096> path{};
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
  return length > 0 ? std::string(path.data(), static_cast<size_t>(length)) : std::string();
}

std::string ConfigFolder() {
  return UserConfigHome() + "/aoat";
}

}  // namespace platform
