#include "platform/audio/sound_font.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace platform {
namespace {

std::string& ExplicitSoundFont() {
  static std::string path;
  return path;
}

bool HasSoundFontExtension(const std::filesystem::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".sf2" || ext == ".sf3";
}

// Debian points this name at the sound font chosen as the system's default.
constexpr const char* kDebianDefault = "default-GM.sf2";

std::string FirstIn(const std::filesystem::path& folder) {
  std::error_code ec;
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (HasSoundFontExtension(entry.path()) && std::filesystem::is_regular_file(entry.path(), ec))
      names.push_back(entry.path().filename().string());
  }
  if (names.empty()) return {};
  std::sort(names.begin(), names.end());
  const auto preferred = std::find(names.begin(), names.end(), kDebianDefault);
  return (folder / (preferred != names.end() ? *preferred : names.front())).string();
}

}  // namespace

void SetSoundFont(const std::string& path) {
  ExplicitSoundFont() = path;
}

std::string FirstSoundFontIn(std::span<const std::string> folders) {
  for (const std::string& folder : folders) {
    std::string found = FirstIn(folder);
    if (!found.empty()) return found;
  }
  return {};
}

std::string FindSoundFont() {
  if (!ExplicitSoundFont().empty()) return ExplicitSoundFont();
  const char* from_environment = std::getenv("AOAT_SOUNDFONT");
  if (from_environment != nullptr && *from_environment != '\0') return from_environment;
  static const std::array<std::string, 2> kFolders = {"/usr/share/sounds/sf2",
                                                      "/usr/share/soundfonts"};
  return FirstSoundFontIn(kFolders);
}

}  // namespace platform
