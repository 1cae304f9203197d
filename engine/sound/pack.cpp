// Sound packs: naming the current pack, loading a wave from it, and building
// packs from folders of wave files.
#include <cstdio>
#include <cstdlib>

#include "engine/sound/internal/pack_reader.h"
#include "engine/sound/internal/sound.h"
#include "platform/byte_order.h"
#include "platform/encoding.h"
#include "platform/platform.h"

namespace el::sound {
namespace {

constexpr const char* kLoadPackPlace = "Sound::LoadPack";

void WriteU32(uint32_t value, std::FILE* file) {
  uint8_t bytes[4];
  platform::StoreLe32(bytes, value);
  std::fwrite(bytes, 1, sizeof bytes, file);
}

}  // namespace

}  // namespace el::sound

void elSound::SetPack(const char* PackName) {
  std::snprintf(PackFileName, sizeof PackFileName, "%s%s", elSystem::Directory(0), PackName);
}

int elSound::LoadPack(const char* FileName, int Mix) {
  using namespace el::sound;
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
  if (Delete != 0) el::common::DeletePack(PackName);
  const std::string wave_dir = WaveDir;
  const std::string folder = el::sound::GameFilePath(WaveDir);
  for (const std::string& file : el::common::FilesWithExtension(folder, ".wav")) {
    const std::string relative = wave_dir.empty() ? file : wave_dir + "\\" + file;
    ConvertFile(PackName, el::sound::UpperSjis(relative).c_str());
  }
  return 1;
}

void elSound::ConvertFile(const char* PackName, const char* WaveName) {
  el::sound::WaveData wave;
  const bool read = el::sound::ReadWaveFile(el::sound::GameFilePath(WaveName), &wave);
  std::FILE* pack = std::fopen(el::common::PackPathForWriting(PackName).c_str(), "ab");
  if (pack == nullptr) return;
  const std::string_view base = el::common::BaseName(WaveName);
  el::sound::WriteU32(read ? static_cast<uint32_t>(wave.samples.size()) : 0, pack);
  std::fwrite(base.data(), 1, base.size(), pack);
  std::fputc(0, pack);
  el::sound::WriteU32(read ? static_cast<uint32_t>(wave.format_record.size()) : 0, pack);
  if (read) {
    std::fwrite(wave.format_record.data(), 1, wave.format_record.size(), pack);
    std::fwrite(wave.samples.data(), 1, wave.samples.size(), pack);
  }
  std::fclose(pack);
}
