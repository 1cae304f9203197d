// Frequency, pan and volume of the mixes of a sound: kept in the table for
// every mix and applied to its buffer at once.
#include <algorithm>

#include "engine/sound/internal/sound.h"

namespace el::sound {

void StoreSetting(int slot, int mix, Setting setting, long long value) {
  platform::SoundBuffer* buffer = MixBuffer(slot, mix);
  switch (setting) {
    case Setting::kPitch:
      value = std::clamp<long long>(value, platform::kMinFrequencyHz, platform::kMaxFrequencyHz);
      elSound::ListPitch[slot][mix] = static_cast<unsigned long>(value);
      if (buffer != nullptr) buffer->SetFrequency(static_cast<uint32_t>(value));
      break;
    case Setting::kPan:
      value = std::clamp<long long>(value, platform::kPanLeft, platform::kPanRight);
      elSound::ListPan[slot][mix] = static_cast<long>(value);
      if (buffer != nullptr) buffer->SetPan(static_cast<int32_t>(value));
      break;
    case Setting::kVolume:
      value = std::clamp<long long>(value, platform::kVolumeSilent, 0);
      elSound::ListVolume[slot][mix] = static_cast<long>(value);
      if (buffer != nullptr) buffer->SetVolume(static_cast<int32_t>(value));
      break;
  }
}

}  // namespace el::sound

namespace {

using el::sound::Setting;

// The setters' Value is in steps of 100 Hz or whole decibels.
constexpr long long kUnit = 100;

template <typename NewValue>
void Set(int slot, int mix, Setting setting, NewValue new_value) {
  if (elSound::Ok == 0 || !el::sound::SlotInUse(slot)) return;
  el::sound::ForEachSelectedMix(
      slot, mix, true, [&](int m) { el::sound::StoreSetting(slot, m, setting, new_value(m)); });
}

}  // namespace

void elSound::Pitch(int ObjDS, int Value, int Mix) {
  Set(ObjDS, Mix, Setting::kPitch,
      [&](int m) { return static_cast<long long>(ListPitch[ObjDS][m]) + Value * kUnit; });
}

void elSound::SetPitch(int ObjDS, int Value, int Mix) {
  Set(ObjDS, Mix, Setting::kPitch,
      [&](int) { return static_cast<long long>(ListPitchDef[ObjDS]) + Value * kUnit; });
}

void elSound::InitPitch(int ObjDS, int Mix) {
  Set(ObjDS, Mix, Setting::kPitch,
      [&](int) { return static_cast<long long>(ListPitchDef[ObjDS]); });
}

void elSound::Pan(int ObjDS, int Value, int Mix) {
  Set(ObjDS, Mix, Setting::kPan,
      [&](int m) { return static_cast<long long>(ListPan[ObjDS][m]) + Value * kUnit; });
}

void elSound::SetPan(int ObjDS, int Value, int Mix) {
  Set(ObjDS, Mix, Setting::kPan, [&](int) { return Value * kUnit; });
}

void elSound::InitPan(int ObjDS, int Mix) {
  Set(ObjDS, Mix, Setting::kPan, [](int) { return 0LL; });
}

void elSound::LeftPan(int ObjDS, int Mix) {
  Set(ObjDS, Mix, Setting::kPan, [](int) { return static_cast<long long>(platform::kPanLeft); });
}

void elSound::RightPan(int ObjDS, int Mix) {
  Set(ObjDS, Mix, Setting::kPan, [](int) { return static_cast<long long>(platform::kPanRight); });
}

void elSound::Volume(int ObjDS, int Value, int Mix) {
  Set(ObjDS, Mix, Setting::kVolume,
      [&](int m) { return static_cast<long long>(ListVolume[ObjDS][m]) + Value * kUnit; });
}

void elSound::SetVolume(int ObjDS, int Value, int Mix) {
  Set(ObjDS, Mix, Setting::kVolume, [&](int) { return Value * kUnit; });
}

void elSound::InitVolume(int ObjDS, int Mix) {
  Set(ObjDS, Mix, Setting::kVolume, [](int) { return 0LL; });
}
