#include "demo/generator/score.h"

#include <algorithm>
#include <cmath>

namespace demo {

uint32_t TempoFor(int beats_per_minute) {
  return static_cast<uint32_t>(60'000'000 / beats_per_minute);
}

void SetUpChannel(MidiTrack& track, int channel, int program, int volume, int pan, int reverb) {
  if (channel != kDrumChannel) track.ProgramChange(0, channel, program);
  track.ControlChange(0, channel, 7, volume);
  track.ControlChange(0, channel, 10, pan);
  track.ControlChange(0, channel, 91, reverb);
}

uint32_t PlayLine(MidiTrack& track, int channel, uint32_t start, std::span<const Step> line,
                  int velocity, float legato) {
  uint32_t tick = start;
  for (const Step& step : line) {
    if (step.note != kRest) {
      const auto held =
          std::max<uint32_t>(1, static_cast<uint32_t>(std::lround(step.length * legato)));
      track.Note(tick, held, channel, step.note, velocity);
    }
    tick += step.length;
  }
  return tick;
}

void PlayChord(MidiTrack& track, int channel, uint32_t start, uint32_t length,
               std::initializer_list<int> notes, int velocity) {
  for (int note : notes) track.Note(start, length, channel, note, velocity);
}

void StartSong(MidiTrack& track, const char* name, int beats_per_minute) {
  track.TrackName(0, name);
  track.TimeSignature(0, 4, 2);
  track.Tempo(0, TempoFor(beats_per_minute));
}

}  // namespace demo
