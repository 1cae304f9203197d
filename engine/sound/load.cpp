// Loading waves into the table: from a file, else from a resource of the
// program; and rebuilding every loaded sound on a new device.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/sound/internal/sound.h"
#include "platform/platform.h"
#include "platform/resources.h"

namespace el::sound {
namespace {

constexpr const char* kPlace = "Sound::LoadObject";

std::unique_ptr<platform::SoundBuffer> MakeBuffer(const WaveData& wave, int32_t* result) {
  auto buffer = platform::SoundBuffer::Create(wave.DeviceFormat(),
                                              static_cast<uint32_t>(wave.samples.size()), result);
  if (!buffer) return nullptr;
  platform::SoundBuffer::Locked locked;
  if (buffer->Lock(0, buffer->SizeBytes(), &locked) == platform::sound_result::kOk) {
    std::memcpy(locked.first, wave.samples.data(), locked.first_bytes);
    buffer->Unlock(locked);
  }
  return buffer;
}

// Reading a new sound keeps the buffer's own settings in the table; reloading
// applies the kept ones.
void SettleMixSettings(int slot, int mix) {
  platform::SoundBuffer& buffer = *DSBuff2[slot][mix];
  if (elSound::Reload == 0) {
    elSound::ListPitch[slot][mix] = buffer.Frequency();
    elSound::ListPitchDef[slot] = buffer.Frequency();
    elSound::ListVolume[slot][mix] = 0;
    elSound::ListPan[slot][mix] = 0;
    return;
  }
  buffer.SetVolume(static_cast<int32_t>(elSound::ListVolume[slot][mix]));
  buffer.SetFrequency(static_cast<uint32_t>(elSound::ListPitch[slot][mix]));
  buffer.SetPan(static_cast<int32_t>(elSound::ListPan[slot][mix]));
}

bool ReadWaveResource(const char* name, WaveData* wave) {
  auto resource = platform::FindResource("WAVE", name);
  if (!resource) resource = platform::FindResource("10", name);
  if (!resource) return false;
  SpanSource source(*resource);
  return ReadWave(source, wave);
}

}  // namespace

int TakeSlot(const char* place) {
  if (elSound::Reload != 0) {
    return elSound::ListNo >= 0 && elSound::ListNo < kSlots ? elSound::ListNo : -1;
  }
  for (int slot = 0; slot < kSlots; ++slot) {
    if (elSound::ListUse[slot] == 0) {
      elSound::ListNo = slot;
      return slot;
    }
  }
  elDraw::Error(place, "オブジェクト数が多過ぎます", 0);
  return -1;
}

int FillSlot(const char* place, int slot, int mix, const WaveData& wave, bool from_pack) {
  elSound::ListMix[slot] = std::abs(mix);
  elSound::ListEffectCount[slot] = mix > 1 ? 0 : -1;
  if (elSound::Reload == 0) elSound::ListUseMix[slot] = 0;
  for (int m = 0; m < elSound::ListMix[slot]; ++m) {
    int32_t result = platform::sound_result::kOk;
    DSBuff2[slot][m] = MakeBuffer(wave, &result);
    if (!DSBuff2[slot][m]) {
      ReleaseMixes(slot);
      if (elSound::ListUse[slot] == 0) elSound::ListMix[slot] = 1;
      elDraw::Error(place, "サウンドバッファが生成できません", result);
      return -1;
    }
    SettleMixSettings(slot, m);
  }
  elSound::ListUse[slot] = 1;
  elSound::ListPack[slot] = from_pack ? 1 : 0;
  elSound::SoundStream[slot].DataSize = 0;
  return slot;
}

int NameSlot(const char* place, const char* too_long, int slot, const char* name) {
  if (elSound::Reload != 0) return slot;
  if (std::strlen(name) > kMaxNameLength) {
    elDraw::Error(place, too_long, 0);
    return -1;
  }
  std::snprintf(elSound::ListName[slot], sizeof elSound::ListName[slot], "%s", name);
  return slot;
}

bool ReadWaveFile(const std::string& path, WaveData* wave) {
  const auto source = FileSource::Open(path);
  return source && ReadWave(*source, wave);
}

}  // namespace el::sound

int elSound::LoadObject(const char* FileName, int Mix) {
  using namespace el::sound;
  if (Ok == 0) return -1;
  if (std::abs(Mix) > kMaxMixes) {
    elDraw::Error(kPlace, "ミックス数が多過ぎます", 0);
    return -1;
  }
  // A count of 0 would make a slot without a single buffer.
  if (Mix == 0) return -1;
  const int slot = TakeSlot(kPlace);
  if (slot < 0) return -1;
  WaveData wave;
  if (!ReadWaveFile(GameFilePath(FileName), &wave) && !ReadWaveResource(FileName, &wave)) return -1;
  if (FillSlot(kPlace, slot, Mix, wave, false) < 0) return -1;
  return NameSlot(kPlace, "ファイル名またはリソース名が長すぎます", slot, FileName);
}

int elSound::SearchFile(const char* FileName, tWAVEFORMATEX** ppwfxInfo, unsigned* cbHead,
                        uint8_t** ppbData, unsigned* cbSize) {
  *ppwfxInfo = nullptr;
  *cbHead = 0;
  *ppbData = nullptr;
  *cbSize = 0;
  el::sound::WaveData wave;
  const auto path = platform::ResolvePath(FileName);
  if (!path || !el::sound::ReadWaveFile(*path, &wave)) return 1;
  auto* format = static_cast<uint8_t*>(std::malloc(wave.format_record.size()));
  // malloc(0) may give null; the samples always get at least one byte.
  auto* data = static_cast<uint8_t*>(std::malloc(wave.samples.size() + 1));
  if (format == nullptr || data == nullptr) {
    std::free(format);
    std::free(data);
    return 1;
  }
  std::memcpy(format, wave.format_record.data(), wave.format_record.size());
  if (!wave.samples.empty()) std::memcpy(data, wave.samples.data(), wave.samples.size());
  *ppwfxInfo = reinterpret_cast<tWAVEFORMATEX*>(format);
  *cbHead = static_cast<unsigned>(wave.format_record.size());
  *ppbData = data;
  *cbSize = static_cast<unsigned>(wave.samples.size());
  return 0;
}

void elSound::ReloadObject() {
  Init();
  el::sound::RebuildLoadedSlots();
}

void el::sound::RebuildLoadedSlots() {
  elSound::Reload = 1;
  for (int slot = 0; slot < kSlots; ++slot) {
    if (elSound::ListUse[slot] == 0) continue;
    elSound::ListNo = slot;
    const elSound::_soundstream& stream = elSound::SoundStream[slot];
    if (stream.DataSize > 0) {
      // A stream reads from the pack it came from, whatever pack is current.
      std::snprintf(elSound::PackFileName, sizeof elSound::PackFileName, "%s", stream.PackName);
      elSound::LoadStream(elSound::ListName[slot], stream.LoopPos - stream.StartPos);
    } else if (elSound::ListPack[slot] != 0) {
      elSound::LoadPack(elSound::ListName[slot], elSound::ListMix[slot]);
    } else {
      elSound::LoadObject(elSound::ListName[slot], elSound::ListMix[slot]);
    }
  }
  elSound::Reload = 0;
}
