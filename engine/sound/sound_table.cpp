// The sound table, the device, and releasing sounds.
#include <algorithm>
#include <cstring>

#include "engine/sound/internal/sound.h"
#include "engine/sound/internal/sound_table.h"
#include "platform/audio/mixer.h"
#include "platform/platform.h"
#include "platform/trace.h"

int elSound::Ok = 0;
int elSound::Reload = 0;
int elSound::ListNo = 0;
int elSound::ListUse[70] = {};
int elSound::ListMix[70] = {};
int elSound::ListUseMix[70] = {};
long elSound::ListVolume[70][10] = {};
unsigned long elSound::ListPitch[70][10] = {};
unsigned long elSound::ListPitchDef[70] = {};
long elSound::ListPan[70][10] = {};
char elSound::ListName[70][101] = {};
int elSound::ListEffectCount[70] = {};
float elSound::ListEffectTime[70] = {};
float elSound::ListEffectPos[70] = {};
int elSound::ListEffectDir[70] = {};
int elSound::ListEffectLoop[70] = {};
unsigned long elSound::ListPosition[70][10] = {};
int elSound::ListLoop[70] = {};
int elSound::ListPack[70] = {};
elSound::_soundstream elSound::SoundStream[70] = {};
char elSound::PackFileName[256] = {};

std::unique_ptr<platform::SoundBuffer> DSBuff2[70][10];

namespace el::sound {

bool SlotInUse(int slot) {
  return slot >= 0 && slot < kSlots && elSound::ListUse[slot] != 0;
}

platform::SoundBuffer* MixBuffer(int slot, int mix) {
  if (slot < 0 || slot >= kSlots || mix < 0 || mix >= kMaxMixes) return nullptr;
  return DSBuff2[slot][mix].get();
}

void ReleaseMixes(int slot) {
  for (auto& buffer : DSBuff2[slot]) {
    if (buffer) buffer->Stop();
    buffer.reset();
  }
}

void StopMix(int slot, int mix) {
  platform::SoundBuffer* buffer = MixBuffer(slot, mix);
  if (buffer == nullptr) return;
  buffer->Stop();
  buffer->SetCurrentPosition(0);
  platform::TraceEvent("stop").Int("slot", slot).Int("mix", mix);
}

std::string GameFilePath(const char* name) {
  std::string path = std::string(elSystem::Directory(0)) + name;
  return platform::ResolvePath(path).value_or(path);
}

}  // namespace el::sound

int elSound::Init() {
  if (!platform::OpenSoundOutput()) {
    Ok = 0;
    return 0;
  }
  for (int slot = 0; slot < el::sound::kSlots; ++slot) el::sound::ReleaseMixes(slot);
  Reload = 0;
  Ok = 1;
  return 1;
}

void elSound::DestroyObject() {
  for (int slot = 0; slot < el::sound::kSlots; ++slot) el::sound::ReleaseMixes(slot);
  platform::CloseSoundOutput();
}

void elSound::FreeObject(int ObjDS) {
  if (Ok == 0 || !el::sound::SlotInUse(ObjDS)) return;
  ListUse[ObjDS] = 0;
  ListPitchDef[ObjDS] = 0;
  ListPack[ObjDS] = 0;
  ListName[ObjDS][0] = '\0';
  SoundStream[ObjDS].DataSize = 0;
  std::fill(std::begin(ListVolume[ObjDS]), std::end(ListVolume[ObjDS]), 0);
  std::fill(std::begin(ListPitch[ObjDS]), std::end(ListPitch[ObjDS]), 0);
  std::fill(std::begin(ListPan[ObjDS]), std::end(ListPan[ObjDS]), 0);
  el::sound::ReleaseMixes(ObjDS);
  ListMix[ObjDS] = 1;
}

namespace el::sound {

void ResetSoundTable() {
  for (int slot = 0; slot < 70; ++slot) {
    elSound::ListUse[slot] = 0;
    elSound::ListMix[slot] = 1;
    elSound::ListUseMix[slot] = 0;
    elSound::ListPitchDef[slot] = 0;
    elSound::ListName[slot][0] = '\0';
    elSound::ListEffectCount[slot] = -1;
    elSound::ListPack[slot] = 0;
    elSound::SoundStream[slot].DataSize = 0;
    for (int mix = 0; mix < 10; ++mix) {
      elSound::ListVolume[slot][mix] = 0;
      elSound::ListPitch[slot][mix] = 0;
      elSound::ListPan[slot][mix] = 0;
      elSound::ListPosition[slot][mix] = 0;
    }
  }
}

}  // namespace el::sound
