// What the files of elSound share: the table's limits, access to a slot's
// buffers that never reaches past the table, the selection of mixes by a Mix
// argument, and the steps of loading a wave into a slot.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/common/pack_files.h"
#include "engine/el.h"
#include "engine/sound/internal/wave_reader.h"
#include "platform/audio/sound_buffer.h"

namespace el::sound {

inline constexpr int kSlots = 70;
inline constexpr int kMaxMixes = 10;
inline constexpr size_t kMaxNameLength = 100;

// Slot numbers outside the table, and free slots, are ignored everywhere.
bool SlotInUse(int slot);
// The buffer of one mix; null outside the table or where none exists.
platform::SoundBuffer* MixBuffer(int slot, int mix);

// Calls `apply(mix)` for the mixes a Mix argument selects: 0 or more that mix
// (when below the slot's count), -2 the mix that plays next when
// `minus_two_is_next`, any other negative value every mix.
template <typename Apply>
void ForEachSelectedMix(int slot, int mix, bool minus_two_is_next, Apply apply) {
  const int count = elSound::ListMix[slot];
  if (mix >= 0) {
    if (mix < count) apply(mix);
  } else if (mix == -2 && minus_two_is_next) {
    if (elSound::ListUseMix[slot] < count) apply(elSound::ListUseMix[slot]);
  } else {
    for (int m = 0; m < count && m < kMaxMixes; ++m) apply(m);
  }
}

// The slot a load fills: while reloading the preset elSound::ListNo, else the
// lowest free one (reported under `place` when none is free). -1 on failure.
int TakeSlot(const char* place);

// Loads `wave` into `slot` with `mix` mixes (a negative count takes no timed
// effect), as the loaders do from the mix count on, reporting a buffer that
// cannot be made under `place`. `from_pack` marks pack sounds. Returns the
// slot, or -1 (the slot stays free).
int FillSlot(const char* place, int slot, int mix, const WaveData& wave, bool from_pack);

// Stores the load name unless reloading; a name over kMaxNameLength is
// reported with `too_long` and gives -1 (the sound stays loaded, unnamed).
int NameSlot(const char* place, const char* too_long, int slot, const char* name);

// Loads every slot in use again, in ascending order, from where it came from
// (elSound::Reload set meanwhile).
void RebuildLoadedSlots();

// Releases every buffer of a slot.
void ReleaseMixes(int slot);

// Stores a frequency (Hz), pan or volume (hundredths of a decibel) for one
// mix, clamped into the device's range, and applies it to the mix's buffer.
enum class Setting { kPitch, kPan, kVolume };
void StoreSetting(int slot, int mix, Setting setting, long long value);

// Stops a mix and rewinds it, recording the stop in the trace.
void StopMix(int slot, int mix);

// The program folder followed by `name`, resolved to an existing file.
std::string GameFilePath(const char* name);

// Opens a pack by its full path (as kept in elSound::PackFileName).
using el::common::OpenPackFile;

// Reads the wave file at `path` (a resolved path).
bool ReadWaveFile(const std::string& path, WaveData* wave);

}  // namespace el::sound
