#include "platform/audio/sound_font.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/files.h"

namespace platform {
namespace {

struct Choice {
  std::string path;       // given by the option, or the settled fallback
  bool settled = false;   // `path` is final, even when empty
  bool reported = false;  // the start has said what is wrong with it
};

Choice& Chosen() {
  static Choice choice;
  return choice;
}

const std::array<std::string, 2> kSystemFolders = {"/usr/share/sounds/sf2",
                                                   "/usr/share/soundfonts"};

// A sound font file begins "RIFF", its size, "sfbk".
constexpr size_t kSoundFontHeadBytes = 12;

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
  Chosen() = Choice{path, false, false};
}

std::string FirstSoundFontIn(std::span<const std::string> folders) {
  for (const std::string& folder : folders) {
    std::string found = FirstIn(folder);
    if (!found.empty()) return found;
  }
  return {};
}

std::string FindSoundFont() {
  if (Chosen().settled || !Chosen().path.empty()) return Chosen().path;
  const char* from_environment = std::getenv("AOAT_SOUNDFONT");
  if (from_environment != nullptr && *from_environment != '\0') return from_environment;
  return FirstSoundFontIn(kSystemFolders);
}

bool LooksLikeSoundFont(const std::string& path, std::string* why) {
  std::vector<uint8_t> head;
  if (!ReadFileHead(path, kSoundFontHeadBytes, &head, why)) return false;
  if (head.size() < kSoundFontHeadBytes || std::memcmp(head.data(), "RIFF", 4) != 0 ||
      std::memcmp(head.data() + 8, "sfbk", 4) != 0) {
    *why = "not a sound font";
    return false;
  }
  return true;
}

bool SettleSoundFont() {
  const std::string font = FindSoundFont();
  std::string why;
  if (font.empty() || LooksLikeSoundFont(font, &why)) return false;
  const std::string system = FirstSoundFontIn(kSystemFolders);
  if (!system.empty() && system != font) {
    std::fprintf(stderr, "aoat-player: cannot use the sound font %s (%s); using the system's %s\n",
                 font.c_str(), why.c_str(), system.c_str());
  } else {
    std::fprintf(stderr,
                 "aoat-player: cannot use the sound font %s (%s) and the system has none; songs "
                 "are silent\n",
                 font.c_str(), why.c_str());
  }
  Chosen() = Choice{system != font ? system : std::string(), true, true};
  return true;
}

bool SoundFontReported() {
  return Chosen().reported;
}

}  // namespace platform
