// Playing, looping and stopping sounds, the play cursor, and the blocking
// player of a single file.
#include <cstdlib>

#include "engine/sound/internal/sound.h"
#include "platform/trace.h"

namespace el::sound {
namespace {

// Stop, rewind and start one mix; a streamed sound is refilled from its start
// first and its ring always loops.
void StartMix(int slot, int mix, bool looping) {
  platform::SoundBuffer* buffer = MixBuffer(slot, mix);
  if (buffer == nullptr) return;
  const bool streamed = elSound::SoundStream[slot].DataSize > 0;
  buffer->Stop();
  if (streamed) elSound::ResetStream(slot);
  buffer->SetCurrentPosition(0);
  buffer->Play(looping || streamed);
  platform::TraceEvent("play").Int("slot", slot).Int("mix", mix).Int("loop", looping ? 1 : 0);
}

// Every mix back to its own frequency, centre and full volume; the effect
// counts from its first sound.
void StartEffect(int slot, bool looping) {
  elSound::InitPitch(slot, -1);
  elSound::InitPan(slot, -1);
  elSound::InitVolume(slot, -1);
  elSound::ListEffectCount[slot] = 1;
  elSound::ListEffectTime[slot] = 0.0f;
  elSound::ListEffectLoop[slot] = looping ? 1 : 0;
  elSound::ListEffectPos[slot] =
      static_cast<float>(elSound::ListPan[slot][elSound::ListUseMix[slot]]);
  elSound::ListEffectDir[slot] = std::rand() % 2 == 0 ? -1 : 1;
}

void Start(int slot, int mix, bool looping) {
  if (elSound::Ok == 0 || !SlotInUse(slot)) return;
  if (mix >= 0) {
    if (mix < elSound::ListMix[slot]) StartMix(slot, mix, looping);
  } else {
    if (elSound::ListUseMix[slot] >= elSound::ListMix[slot]) elSound::ListUseMix[slot] = 0;
    if (mix == -2 && elSound::ListEffectCount[slot] >= 0) StartEffect(slot, looping);
    StartMix(slot, elSound::ListUseMix[slot], looping);
    if (++elSound::ListUseMix[slot] >= elSound::ListMix[slot]) elSound::ListUseMix[slot] = 0;
  }
  elSound::ListLoop[slot] = looping ? 1 : 0;
}

}  // namespace
}  // namespace el::sound

void elSound::Play(int ObjDS, int Mix) {
  el::sound::Start(ObjDS, Mix, false);
}

void elSound::Loop(int ObjDS, int Mix) {
  el::sound::Start(ObjDS, Mix, true);
}

void elSound::Stop(int ObjDS, int Mix) {
  if (Ok == 0 || !el::sound::SlotInUse(ObjDS)) return;
  if (Mix < 0 && ListEffectCount[ObjDS] >= 0) ListEffectCount[ObjDS] = 0;
  el::sound::ForEachSelectedMix(ObjDS, Mix, false,
                                [&](int mix) { el::sound::StopMix(ObjDS, mix); });
}

unsigned long elSound::GetPos(int ObjDS) {
  platform::SoundBuffer* buffer = el::sound::MixBuffer(ObjDS, 0);
  if (buffer == nullptr) return 0;
  uint32_t play_bytes = 0;
  buffer->GetCurrentPosition(&play_bytes, nullptr);
  return play_bytes;
}

void elSound::PlayFile(const char* FileName) {
  if (Ok == 0) return;
  DestroyObject();
  el::sound::WaveData wave;
  if (el::sound::ReadWaveFile(el::sound::GameFilePath(FileName), &wave))
    platform::PlayWaveAndWait(wave.DeviceFormat(), wave.samples);
  ReloadObject();
}
