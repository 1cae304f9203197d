// The output format of the device, and rebuilding every sound for it.
#include "engine/sound/internal/sound.h"
#include "platform/audio/mixer.h"

namespace {

// The rate codes of the format call; other values are samples per second.
long long RateOfCode(int rate) {
  switch (rate) {
    case 8:
      return 8000;
    case 11:
      return 11025;
    case 22:
      return 22050;
    case 44:
      return 44100;
    default:
      return rate;
  }
}

int32_t SetOutputFormat(int channels, int rate_code, int bits) {
  const long long rate = RateOfCode(rate_code);
  const long long block = static_cast<long long>(channels) * (bits / 8);
  // Values that do not fit the format record are refused as the device
  // refuses formats it cannot play.
  if (channels <= 0 || channels > 0xFFFF || bits <= 0 || bits > 0xFFFF || rate <= 0 ||
      rate > 0xFFFFFFFFLL || block > 0xFFFF || rate * block > 0xFFFFFFFFLL)
    return platform::sound_result::kBadFormat;
  return platform::SetPrimaryFormat({platform::kWaveFormatPcm, static_cast<uint16_t>(channels),
                                     static_cast<uint32_t>(rate),
                                     static_cast<uint32_t>(rate * block),
                                     static_cast<uint16_t>(block), static_cast<uint16_t>(bits)});
}

}  // namespace

int elSound::SelectFormat(int Channel, int Rate, int Bit) {
  if (Ok == 0) return 1;
  for (int slot = 0; slot < el::sound::kSlots; ++slot) {
    if (ListUse[slot] != 0) el::sound::ReleaseMixes(slot);
  }
  const int32_t result = SetOutputFormat(Channel, Rate, Bit);
  // Refused or not, the sounds are rebuilt (in the format kept by the device),
  // so that no slot is left without its buffers.
  el::sound::RebuildLoadedSlots();
  if (result != platform::sound_result::kOk) {
    elDraw::Error("Sound::SelectFormat", "再生フォーマットを変更できません", result);
    return 0;
  }
  return 1;
}
