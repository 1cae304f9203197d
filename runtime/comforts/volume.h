// The listener's volume: a master level, a sound-effect level and a music
// level (0-100) and mute, handed to the mixer's volume stage, which comes
// after every sound's own volume.
#pragma once

namespace comforts {

inline constexpr int kMaxLevel = 100;
inline constexpr int kLevelStep = 10;

struct Levels {
  int master = kMaxLevel;
  int sound = kMaxLevel;
  int music = kMaxLevel;
  bool mute = false;
  bool operator==(const Levels&) const = default;
};

// A level as an amplitude: levels follow loudness, so the gain is the square
// of the level's fraction (level 50 is a quarter of the amplitude, -12 dB).
float LevelGain(int level);

// Hands the levels to the mixer.
void ApplyLevels(const Levels& levels);
// The trace event of a change: {"ev":"volume","master":N,"sound":N,"music":N,"mute":0|1}.
void TraceLevels(const Levels& levels);

// The master level a step down (-1) or up (+1) from `level`, within 0-100.
int SteppedLevel(int level, int direction);

}  // namespace comforts
