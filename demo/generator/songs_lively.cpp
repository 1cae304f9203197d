// The village tune and the night song.
#include <array>
#include <vector>

#include "demo/generator/score.h"
#include "demo/generator/songs.h"

namespace demo {
namespace {

// GM programs, counted from 0.
constexpr int kFlute = 73;
constexpr int kMarimba = 12;
constexpr int kPizzicato = 45;
constexpr int kStrings = 48;
constexpr int kCelesta = 8;
constexpr int kTaiko = 116;
// GM drum notes.
constexpr int kBassDrum = 36;
constexpr int kSideStick = 37;
constexpr int kClosedHat = 42;
constexpr int kLowTom = 45;
constexpr int kLowMidTom = 47;
constexpr int kCrash = 49;
constexpr int kShaker = 82;
constexpr int kTriangle = 81;

void VillageDrums(MidiTrack& drums, uint32_t at, int bar) {
  if (bar % 8 == 0) drums.Note(at, kQuarter, kDrumChannel, kCrash, 66);
  drums.Note(at, kEighth, kDrumChannel, kBassDrum, 86);
  drums.Note(at + 2 * kQuarter, kEighth, kDrumChannel, kBassDrum, 76);
  drums.Note(at + kQuarter, kEighth, kDrumChannel, kSideStick, 70);
  const bool fill = bar % 8 == 7;
  if (!fill) drums.Note(at + 3 * kQuarter, kEighth, kDrumChannel, kSideStick, 70);
  for (int i = 0; i < (fill ? 6 : 8); ++i) {
    drums.Note(at + i * kEighth, kSixteenth, kDrumChannel, kClosedHat, i % 2 == 0 ? 52 : 34);
  }
  if (fill) {
    for (int i = 0; i < 4; ++i) {
      drums.Note(at + 3 * kQuarter + i * kSixteenth, kSixteenth, kDrumChannel,
                 i < 2 ? kLowMidTom : kLowTom, 60 + 6 * i);
    }
  }
}

}  // namespace

MidiFile ComposeVillageSong() {
  MidiTrack tempo;
  StartSong(tempo, "Village Afternoon", 112);
  MidiTrack flute, marimba, bass, drums;
  flute.TrackName(0, "Flute");
  SetUpChannel(flute, 0, kFlute, 100, 70, 60);
  marimba.TrackName(0, "Marimba");
  SetUpChannel(marimba, 1, kMarimba, 84, 40, 40);
  bass.TrackName(0, "Pizzicato bass");
  SetUpChannel(bass, 2, kPizzicato, 96, 64, 30);
  drums.TrackName(0, "Drums");
  SetUpChannel(drums, kDrumChannel, 0, 76, 64, 30);
  // G | Em | C | D | G | Em | Am | D | C | D | Bm | Em | C | D | G | G
  constexpr int kChordOf[] = {0, 1, 2, 3, 0, 1, 4, 3, 2, 3, 5, 1, 2, 3, 0, 0};
  const std::array<std::array<int, 3>, 6> voicing = {
      {{67, 71, 74}, {64, 67, 71}, {64, 67, 72}, {66, 69, 74}, {64, 69, 72}, {66, 71, 74}}};
  constexpr int kRoot[] = {43, 40, 48, 50, 45, 47};
  for (int bar = 0; bar < 16; ++bar) {
    const uint32_t at = bar * kBar;
    const int c = kChordOf[bar];
    for (int beat = 0; beat < 4; ++beat) {
      const auto& v = voicing[c];
      PlayChord(marimba, 1, at + beat * kQuarter + kEighth, kEighth, {v[0], v[1], v[2]}, 64);
      bass.Note(at + beat * kQuarter, kEighth, 2, kRoot[c] + (beat % 2 == 0 ? 0 : 7), 88);
    }
    VillageDrums(drums, at, bar);
  }
  const std::vector<Step> melody = {
      {74, kEighth},     {79, kEighth},        {83, kQuarter},       {81, kEighth},
      {79, kEighth},     {81, kQuarter},       {83, kDottedQuarter}, {79, kEighth},
      {76, kHalf},       {76, kEighth},        {79, kEighth},        {84, kQuarter},
      {83, kEighth},     {81, kEighth},        {79, kQuarter},       {81, kDottedHalf},
      {kRest, kQuarter}, {74, kEighth},        {79, kEighth},        {83, kQuarter},
      {86, kEighth},     {83, kEighth},        {81, kQuarter},       {79, kQuarter},
      {76, kQuarter},    {79, kQuarter},       {83, kQuarter},       {81, kDottedQuarter},
      {84, kEighth},     {83, kQuarter},       {81, kQuarter},       {78, kQuarter},
      {81, kQuarter},    {86, kHalf},          {88, kDottedQuarter}, {86, kEighth},
      {84, kQuarter},    {83, kQuarter},       {81, kQuarter},       {78, kQuarter},
      {74, kHalf},       {86, kDottedQuarter}, {83, kEighth},        {78, kQuarter},
      {83, kQuarter},    {79, kDottedHalf},    {kRest, kQuarter},    {76, kEighth},
      {79, kEighth},     {84, kQuarter},       {88, kQuarter},       {86, kEighth},
      {84, kEighth},     {83, kQuarter},       {81, kQuarter},       {78, kQuarter},
      {81, kQuarter},    {79, kHalf},          {83, kQuarter},       {86, kQuarter},
      {79, kDottedHalf}, {kRest, kQuarter},
  };
  PlayLine(flute, 0, 0, melody, 100, 0.88f);
  tempo.Marker(16 * kBar, "end");
  return {.format = 1,
          .ticks_per_quarter = kTicksPerQuarter,
          .tracks = {tempo, flute, marimba, bass, drums}};
}

MidiFile ComposeNightSong() {
  MidiTrack tempo;
  StartSong(tempo, "Night of the Fox", 60);
  MidiTrack strings, celesta, taiko, drums;
  strings.TrackName(0, "Strings");
  SetUpChannel(strings, 0, kStrings, 76, 54, 110);
  celesta.TrackName(0, "Celesta");
  SetUpChannel(celesta, 1, kCelesta, 92, 84, 110);
  taiko.TrackName(0, "Taiko");
  SetUpChannel(taiko, 2, kTaiko, 100, 64, 60);
  drums.TrackName(0, "Shaker");
  SetUpChannel(drums, kDrumChannel, 0, 56, 70, 80);
  // Am | Bbmaj7 | Dm | E7sus4 | Am | F | Dm | E | Am | Am, from the in scale.
  const std::array<std::array<int, 4>, 10> chords = {{{45, 52, 57, 60},
                                                      {46, 53, 57, 62},
                                                      {50, 53, 57, 62},
                                                      {52, 57, 59, 62},
                                                      {45, 52, 57, 60},
                                                      {41, 48, 53, 57},
                                                      {50, 53, 57, 62},
                                                      {52, 56, 59, 64},
                                                      {45, 52, 57, 60},
                                                      {45, 52, 57, 64}}};
  for (int bar = 0; bar < 10; ++bar) {
    const uint32_t at = bar * kBar;
    const auto& c = chords[bar];
    PlayChord(strings, 0, at, kBar - kSixteenth, {c[0], c[1], c[2], c[3]}, 54);
    taiko.Note(at, kQuarter, 2, 45, 96);
    taiko.Note(at + kQuarter + kEighth, kEighth, 2, 45, 50);
    taiko.Note(at + 2 * kQuarter, kQuarter, 2, 45, 72);
    for (int i = 0; i < 8; ++i) {
      drums.Note(at + i * kEighth, kSixteenth, kDrumChannel, kShaker, i % 2 == 0 ? 34 : 24);
    }
    if (bar % 2 == 0 && bar < 8) drums.Note(at, kHalf, kDrumChannel, kTriangle, 30);
  }
  const std::vector<Step> melody = {
      {kRest, kHalf}, {76, kQuarter},    {77, kQuarter},  {81, kDottedHalf}, {82, kQuarter},
      {81, kQuarter}, {77, kQuarter},    {74, kHalf},     {76, kWhole},      {kRest, kQuarter},
      {81, kQuarter}, {82, kQuarter},    {86, kQuarter},  {88, kHalf},       {86, kQuarter},
      {82, kQuarter}, {81, kDottedHalf}, {77, kQuarter},  {76, kHalf},       {74, kQuarter},
      {76, kQuarter}, {81, kWhole},      {kRest, kWhole},
  };
  PlayLine(celesta, 1, 0, melody, 78, 0.98f);
  tempo.Marker(10 * kBar, "end");
  return {.format = 1,
          .ticks_per_quarter = kTicksPerQuarter,
          .tracks = {tempo, strings, celesta, taiko, drums},
          .running_status = true};
}

}  // namespace demo
