// Sound packs: naming the current pack, loading a wave from it, and building
// packs from folders of wave files.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "engine/sound/pack_reader.h"
#include "engine/sound/sound_internal.h"
#include "platform/encoding.h"
#include "platform/platform.h"

namespace el_sound {
namespace {

constexpr const char* kLoadPackPlace = "Sound::LoadPack";

void WriteU32(uint32_t value, std::FILE* file) {
  const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                            static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
  std::fwrite(bytes, 1, sizeof bytes, file);
}

// The part after the last backslash that is a character of its own (a
// double-byte character's second byte can be a backslash).
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

std::string PackPathForWriting(const char* pack_name) {
  const std::string path = std::string(elSystem::Directory(0)) + pack_name;
  return platform::ResolvePath(path).value_or(platform::PathForWriting(path));
}

bool HasWaveExtension(const std::filesystem::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".wav";
}

// The wave files of a folder, as Shift-JIS names, in name order.
std::vector<std::string> WaveFilesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (!HasWaveExtension(entry.path()) || !entry.is_regular_file(ec)) continue;
    if (auto sjis = platform::Utf8ToCp932(entry.path().filename().string()))
      names.push_back(std::move(*sjis));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::unique_ptr<FileSource> OpenPackFile(const char* pack_path) {
  return FileSource::Open(platform::ResolvePath(pack_path).value_or(pack_path));
}

}  // namespace el_sound

void elSound::SetPack(const char* PackName) {
  std::snprintf(PackFileName, sizeof PackFileName, "%s%s", elSystem::Directory(0), PackName);
}

int elSound::LoadPack(const char* FileName, int Mix) {
  using namespace el_sound;
  if (Ok == 0) return -1;
  if (std::abs(Mix) > kMaxMixes) {
    elDraw::Error(kLoadPackPlace, "ミックス数が多過ぎます", 0);
    return -1;
  }
  if (Mix == 0) return -1;
  const int slot = TakeSlot(kLoadPackPlace);
  if (slot < 0) return -1;
  const auto pack = OpenPackFile(PackFileName);
  if (!pack) {
    elDraw::Error(kLoadPackPlace, "パックファイル名が指定されていません", 0);
    return -1;
  }
  WaveData wave;
  const auto entry = FindPackEntry(*pack, UpperSjis(FileName));
  if (!entry || !ReadPackEntry(*pack, *entry, &wave)) {
    elDraw::Error(kLoadPackPlace, "WAVEファイルを読み込めません", 0);
    return -1;
  }
  if (FillSlot(kLoadPackPlace, slot, Mix, wave, true) < 0) return -1;
  return NameSlot(kLoadPackPlace, "ファイル名が長すぎます", slot, FileName);
}

int elSound::Convert(const char* PackName, const char* WaveDir, int Delete) {
  if (Delete != 0) {
    const std::string dir = elSystem::Directory(0);
    if (const auto existing = platform::ResolvePath(dir + PackName)) std::remove(existing->c_str());
  }
  const std::string wave_dir = WaveDir;
  const std::string folder = el_sound::GameFilePath(WaveDir);
  for (const std::string& file : el_sound::WaveFilesIn(folder)) {
    const std::string relative = wave_dir.empty() ? file : wave_dir + "\\" + file;
    ConvertFile(PackName, el_sound::UpperSjis(relative).c_str());
  }
  return 1;
}

void elSound::ConvertFile(const char* PackName, const char* WaveName) {
  el_sound::WaveData wave;
  const bool read = el_sound::ReadWaveFile(el_sound::GameFilePath(WaveName), &wave);
  std::FILE* pack = std::fopen(el_sound::PackPathForWriting(PackName).c_str(), "ab");
  if (pack == nullptr) return;
  const std::string_view base = el_sound::BaseName(WaveName);
  el_sound::WriteU32(read ? static_cast<uint32_t>(wave.samples.size()) : 0, pack);
  std::fwrite(base.data(), 1, base.size(), pack);
  std::fputc(0, pack);
  el_sound::WriteU32(read ? static_cast<uint32_t>(wave.format_record.size()) : 0, pack);
  if (read) {
    std::fwrite(wave.format_record.data(), 1, wave.format_record.size(), pack);
    std::fwrite(wave.samples.data(), 1, wave.samples.size(), pack);
  }
  std::fclose(pack);
}
