// Pausing mixes, and the two timed effects polled once per frame: the echo
// (Delay) and the echo with a wandering pan (Chorus).
#include <algorithm>

#include "engine/sound/internal/sound.h"

namespace {

constexpr float kChorusLimitDb = 30.0f;
constexpr long long kEchoLimitDb = 1000000;

void TogglePause(int slot, int mix) {
  platform::SoundBuffer* buffer = el::sound::MixBuffer(slot, mix);
  if (buffer == nullptr) return;
  if ((buffer->Status() & platform::kSoundStatusPlaying) != 0) {
    uint32_t play_bytes = 0;
    buffer->GetCurrentPosition(&play_bytes, nullptr);
    elSound::ListPosition[slot][mix] = play_bytes;
    buffer->Stop();
    return;
  }
  buffer->SetCurrentPosition(static_cast<uint32_t>(elSound::ListPosition[slot][mix]));
  const bool streamed = elSound::SoundStream[slot].DataSize > 0;
  buffer->Play(elSound::ListLoop[slot] == 1 || streamed);
}

// One step of a running effect: after `time_ms`, the next mix sounds again,
// `volume_db` quieter per echo; with `speed`, its pan wanders between the
// chorus limits.
void EffectStep(int slot, int time_ms, int count, int volume_db, const int* speed) {
  if (elSound::Ok == 0 || !el::sound::SlotInUse(slot)) return;
  if (elSound::ListEffectCount[slot] < 1 || count < 1) return;
  elSound::ListEffectTime[slot] += FrameTime * 1000.0f;
  if (elSound::ListEffectTime[slot] < static_cast<float>(time_ms)) return;
  elSound::ListEffectTime[slot] = 0.0f;
  const int next = elSound::ListUseMix[slot];
  if (speed != nullptr) {
    float& pos = elSound::ListEffectPos[slot];
    int& dir = elSound::ListEffectDir[slot];
    pos += static_cast<float>(dir) * FrameTime * 100.0f * static_cast<float>(*speed);
    if (pos < -kChorusLimitDb) {
      pos = -kChorusLimitDb;
      dir = -dir;
    }
    if (pos > kChorusLimitDb) {
      pos = kChorusLimitDb;
      dir = -dir;
    }
    el::sound::StoreSetting(slot, next, el::sound::Setting::kPan,
                            static_cast<long long>(pos) * 100);
  }
  // Bounded before scaling, so that no product can overflow; the device
  // clamps to silence long before.
  const long long echo_db =
      std::clamp<long long>(static_cast<long long>(elSound::ListEffectCount[slot]) * volume_db,
                            -kEchoLimitDb, kEchoLimitDb);
  el::sound::StoreSetting(slot, next, el::sound::Setting::kVolume, -echo_db * 100);
  if (elSound::ListEffectLoop[slot] == 1) {
    elSound::Loop(slot, -3);
  } else {
    elSound::Play(slot, -3);
  }
  int& echoes = elSound::ListEffectCount[slot];
  echoes = echoes >= count ? 0 : echoes + 1;
}

}  // namespace

void elSound::Pause(int ObjDS, int Mix) {
  if (Ok == 0 || !el::sound::SlotInUse(ObjDS)) return;
  el::sound::ForEachSelectedMix(ObjDS, Mix, false, [&](int mix) { TogglePause(ObjDS, mix); });
}

void elSound::Delay(int ObjDS, int Time, int Count, int Volume) {
  EffectStep(ObjDS, Time, Count, Volume, nullptr);
}

void elSound::Chorus(int ObjDS, int Time, int Count, int Volume, int Speed) {
  EffectStep(ObjDS, Time, Count, Volume, &Speed);
}
