#include "runtime/comforts/volume.h"

#include <algorithm>

#include "platform/audio/mixer.h"
#include "platform/trace.h"

namespace comforts {

float LevelGain(int level) {
  const float fraction = static_cast<float>(std::clamp(level, 0, kMaxLevel)) / kMaxLevel;
  return fraction * fraction;
}

void ApplyLevels(const Levels& levels) {
  const float master = levels.mute ? 0.0f : LevelGain(levels.master);
  platform::SetMixLevels({master * LevelGain(levels.sound), master * LevelGain(levels.music)});
}

void TraceLevels(const Levels& levels) {
  platform::TraceEvent("volume")
      .Int("master", levels.master)
      .Int("sound", levels.sound)
      .Int("music", levels.music)
      .Int("mute", levels.mute ? 1 : 0);
}

int SteppedLevel(int level, int direction) {
  return std::clamp(level + (direction > 0 ? kLevelStep : -kLevelStep), 0, kMaxLevel);
}

}  // namespace comforts
