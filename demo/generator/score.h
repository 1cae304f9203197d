// Writing music into MIDI tracks: note lengths in ticks, melodic lines,
// chords and channel set-up.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "demo/generator/smf_writer.h"

namespace demo {

inline constexpr uint32_t kTicksPerQuarter = 480;
inline constexpr uint32_t kSixteenth = kTicksPerQuarter / 4;
inline constexpr uint32_t kEighth = kTicksPerQuarter / 2;
inline constexpr uint32_t kQuarter = kTicksPerQuarter;
inline constexpr uint32_t kDottedQuarter = kQuarter + kEighth;
inline constexpr uint32_t kHalf = 2 * kQuarter;
inline constexpr uint32_t kDottedHalf = 3 * kQuarter;
inline constexpr uint32_t kWhole = 4 * kQuarter;
inline constexpr uint32_t kBar = kWhole;  // every song is in 4/4

inline constexpr int kRest = 0;

// One note of a line: a MIDI note number (kRest for silence) and a length.
struct Step {
  int note;
  uint32_t length;
};

// Microseconds a quarter note lasts at `beats_per_minute`.
uint32_t TempoFor(int beats_per_minute);

// Program, volume, pan and reverb of a channel, at tick 0.
void SetUpChannel(MidiTrack& track, int channel, int program, int volume, int pan, int reverb);
// Plays `line` from `start`, each note held for `legato` of its length;
// returns the tick after the line.
uint32_t PlayLine(MidiTrack& track, int channel, uint32_t start, std::span<const Step> line,
                  int velocity, float legato = 0.92f);
void PlayChord(MidiTrack& track, int channel, uint32_t start, uint32_t length,
               std::initializer_list<int> notes, int velocity);

// Opening meta events of a song: name, 4/4 and tempo.
void StartSong(MidiTrack& track, const char* name, int beats_per_minute);

}  // namespace demo
