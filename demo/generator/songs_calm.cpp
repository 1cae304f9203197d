// The calm songs: the title theme and the ending.
#include <array>
#include <vector>

#include "demo/generator/score.h"
#include "demo/generator/songs.h"

namespace demo {
namespace {

// GM programs, counted from 0.
constexpr int kKoto = 107;
constexpr int kShakuhachi = 77;
constexpr int kSlowStrings = 49;
constexpr int kStrings = 48;
constexpr int kMusicBox = 10;
constexpr int kAcousticBass = 32;
// GM drum notes.
constexpr int kLowFloorTom = 41;
constexpr int kLowTom = 45;
constexpr int kTriangle = 81;
constexpr int kBassDrum = 36;
constexpr int kClosedHat = 42;
constexpr int kRide = 51;

// Koto arpeggio over a five-note chord: up and back down in eighths.
void KotoBar(MidiTrack& track, uint32_t start, const std::array<int, 5>& chord) {
  constexpr int kPattern[] = {0, 1, 2, 3, 4, 3, 2, 1};
  for (int i = 0; i < 8; ++i) {
    // The last note stops at the bar line, so that the song ends on it.
    const uint32_t length = i == 7 ? kEighth : kQuarter;
    track.Note(start + i * kEighth, length, 0, chord[kPattern[i]], i == 0 ? 84 : 64);
  }
}

}  // namespace

MidiFile ComposeTitleSong() {
  MidiTrack track;
  StartSong(track, "The Fox Lantern", 76);
  SetUpChannel(track, 0, kKoto, 100, 44, 70);
  SetUpChannel(track, 1, kShakuhachi, 96, 80, 90);
  SetUpChannel(track, 2, kSlowStrings, 64, 64, 100);
  SetUpChannel(track, kDrumChannel, 0, 70, 64, 60);
  // D yo scale; open fourths and fifths instead of thirds.
  const std::array<std::array<int, 5>, 4> koto = {{
      {62, 69, 74, 76, 81},  // D
      {55, 62, 67, 69, 74},  // G
      {59, 64, 69, 71, 76},  // B E A
      {57, 64, 69, 71, 76},  // A E B
  }};
  const std::array<std::array<int, 3>, 4> pad = {
      {{50, 57, 64}, {43, 50, 57}, {47, 52, 57}, {45, 52, 57}}};
  constexpr int kBars = 12;
  for (int bar = 0; bar < kBars; ++bar) {
    const uint32_t at = bar * kBar;
    const int chord = bar == kBars - 1 ? 0 : bar % 4;
    KotoBar(track, at, koto[chord]);
    const auto& p = pad[chord];
    PlayChord(track, 2, at, kBar - kSixteenth, {p[0], p[1], p[2]}, 56);
    track.Note(at, kQuarter, kDrumChannel, kLowFloorTom, 58);
    track.Note(at + 2 * kQuarter, kQuarter, kDrumChannel, kLowTom, 36);
    if (bar % 4 == 3) track.Note(at + 3 * kQuarter, kQuarter, kDrumChannel, kTriangle, 40);
  }
  const std::vector<Step> melody = {
      {81, kDottedQuarter}, {83, kEighth},        {81, kQuarter},       {79, kEighth},
      {76, kEighth},        {74, kHalf},          {kRest, kQuarter},    {76, kEighth},
      {79, kEighth},        {81, kQuarter},       {83, kEighth},        {86, kEighth},
      {83, kQuarter},       {81, kQuarter},       {79, kDottedQuarter}, {76, kEighth},
      {79, kQuarter},       {81, kQuarter},       {83, kHalf},          {81, kQuarter},
      {79, kQuarter},       {76, kDottedQuarter}, {79, kEighth},        {76, kQuarter},
      {74, kQuarter},       {76, kQuarter},       {79, kQuarter},       {81, kQuarter},
      {83, kEighth},        {81, kEighth},        {74, kWhole},
  };
  PlayLine(track, 1, 2 * kBar, melody, 92, 0.96f);
  track.Marker(kBars * kBar, "end");
  return {.format = 0, .ticks_per_quarter = kTicksPerQuarter, .tracks = {track}};
}

MidiFile ComposeEndingSong() {
  MidiTrack tempo;
  StartSong(tempo, "Homeward", 84);
  MidiTrack box, strings, bass, drums;
  box.TrackName(0, "Music box");
  SetUpChannel(box, 0, kMusicBox, 104, 64, 70);
  strings.TrackName(0, "Strings");
  SetUpChannel(strings, 1, kStrings, 70, 50, 90);
  bass.TrackName(0, "Bass");
  SetUpChannel(bass, 2, kAcousticBass, 90, 64, 40);
  drums.TrackName(0, "Drums");
  SetUpChannel(drums, kDrumChannel, 0, 60, 64, 50);
  // F | C/E | Dm | Bb | F | C | Bb | C | Dm | Bb | C | F
  const std::array<std::array<int, 3>, 12> chords = {{{53, 57, 60},
                                                      {52, 55, 60},
                                                      {50, 53, 57},
                                                      {46, 50, 53},
                                                      {53, 57, 60},
                                                      {48, 52, 55},
                                                      {46, 50, 53},
                                                      {48, 52, 55},
                                                      {50, 53, 57},
                                                      {46, 50, 53},
                                                      {48, 52, 58},
                                                      {53, 57, 60}}};
  constexpr int kRoots[] = {41, 40, 38, 34, 41, 36, 34, 36, 38, 34, 36, 41};
  for (int bar = 0; bar < 12; ++bar) {
    const uint32_t at = bar * kBar;
    const auto& c = chords[bar];
    PlayChord(strings, 1, at, kBar - kSixteenth, {c[0], c[1], c[2]}, 58);
    bass.Note(at, kHalf - kSixteenth, 2, kRoots[bar], 80);
    bass.Note(at + kHalf, kHalf - kSixteenth, 2, kRoots[bar] + 7, 70);
    drums.Note(at, kEighth, kDrumChannel, kBassDrum, 50);
    // No cymbal in the last bar: its ring would hold the song past its end.
    for (int beat = 0; beat < (bar == 11 ? 0 : 4); ++beat) {
      drums.Note(at + beat * kQuarter, kEighth, kDrumChannel, kRide, beat % 2 == 0 ? 38 : 28);
      drums.Note(at + beat * kQuarter + kEighth, kSixteenth, kDrumChannel, kClosedHat, 22);
    }
  }
  const std::vector<Step> melody = {
      {84, kQuarter},       {81, kQuarter},    {77, kQuarter}, {81, kQuarter},
      {79, kDottedQuarter}, {81, kEighth},     {79, kHalf},    {77, kQuarter},
      {81, kQuarter},       {86, kQuarter},    {84, kQuarter}, {82, kDottedHalf},
      {kRest, kQuarter},    {81, kQuarter},    {84, kQuarter}, {89, kQuarter},
      {88, kEighth},        {86, kEighth},     {84, kHalf},    {79, kHalf},
      {86, kDottedQuarter}, {84, kEighth},     {82, kQuarter}, {81, kQuarter},
      {79, kDottedHalf},    {kRest, kQuarter}, {77, kQuarter}, {81, kQuarter},
      {86, kDottedQuarter}, {88, kEighth},     {89, kQuarter}, {86, kQuarter},
      {82, kHalf},          {84, kQuarter},    {88, kQuarter}, {79, kQuarter},
      {82, kQuarter},       {81, kWhole},
  };
  PlayLine(box, 0, 0, melody, 96, 0.9f);
  tempo.Marker(12 * kBar, "end");
  return {.format = 1,
          .ticks_per_quarter = kTicksPerQuarter,
          .tracks = {tempo, box, strings, bass, drums}};
}

}  // namespace demo
