#include "demo/generator/smf_writer.h"

#include <gtest/gtest.h>

#include "tests/demo/file_probe.h"

namespace demo {
namespace {

using demo_test::Tag;
using demo_test::U32Be;
using Bytes = std::vector<uint8_t>;

TEST(SmfWriter, VariableLengthQuantities) {
  const struct {
    uint32_t value;
    Bytes bytes;
  } cases[] = {
      {0, {0x00}},
      {0x40, {0x40}},
      {0x7F, {0x7F}},
      {0x80, {0x81, 0x00}},
      {0x2000, {0xC0, 0x00}},
      {0x3FFF, {0xFF, 0x7F}},
      {0x4000, {0x81, 0x80, 0x00}},
      {0x1FFFFF, {0xFF, 0xFF, 0x7F}},
      {0x200000, {0x81, 0x80, 0x80, 0x00}},
      {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
  };
  for (const auto& c : cases) EXPECT_EQ(EncodeVarLen(c.value), c.bytes) << c.value;
  EXPECT_THROW(EncodeVarLen(0x10000000), std::invalid_argument);
}

// The bytes of the track chunk after "MTrk" and its length.
Bytes Body(const MidiTrack& track, bool running_status) {
  const Bytes chunk = track.EncodeChunk(running_status);
  EXPECT_EQ(Tag(chunk, 0), "MTrk");
  EXPECT_EQ(U32Be(chunk, 4), chunk.size() - 8);
  return Bytes(chunk.begin() + 8, chunk.end());
}

TEST(SmfWriter, NoteEventsWithDeltaTimesAndEndOfTrack) {
  MidiTrack track;
  track.Note(0, 200, 3, 60, 100);
  EXPECT_EQ(Body(track, false),
            (Bytes{0x00, 0x93, 60, 100, 0x81, 0x48, 0x83, 60, 64, 0x00, 0xFF, 0x2F, 0x00}));
}

TEST(SmfWriter, AtOneTickMetaThenNoteOffThenControlsThenNoteOn) {
  MidiTrack track;
  track.NoteOn(10, 0, 62, 90);  // added first, sounds last
  track.ProgramChange(10, 0, 5);
  track.NoteOff(10, 0, 60);
  track.Tempo(10, 500000);
  track.NoteOn(0, 0, 60, 80);
  EXPECT_EQ(Body(track, false), (Bytes{0x00, 0x90, 60,   80,                      // tick 0
                                       0x0A, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // tempo
                                       0x00, 0x80, 60,   64,                      // release
                                       0x00, 0xC0, 5,                             // program
                                       0x00, 0x90, 62,   90,                      // next note
                                       0x00, 0xFF, 0x2F, 0x00}));
}

TEST(SmfWriter, RunningStatusDropsRepeatedStatusBytesButNotAfterMeta) {
  MidiTrack track;
  track.NoteOn(0, 1, 60, 100);
  track.NoteOn(0, 1, 64, 100);
  track.NoteOn(0, 2, 67, 100);  // another channel: new status
  track.Marker(5, "x");
  track.NoteOn(5, 2, 69, 100);  // after a meta event the status is written again
  track.NoteOn(6, 2, 71, 100);
  EXPECT_EQ(Body(track, true), (Bytes{0x00, 0x91, 60,   100,  0x00, 64,   100,  0x00, 0x92,
                                      67,   100,  0x05, 0xFF, 0x06, 0x01, 'x',  0x00, 0x92,
                                      69,   100,  0x01, 71,   100,  0x00, 0xFF, 0x2F, 0x00}));
  // Without running status every event keeps its status byte.
  EXPECT_EQ(Body(track, false).size(), Body(track, true).size() + 2);
}

TEST(SmfWriter, HeaderChunkAndTracks) {
  MidiFile file;
  file.format = 1;
  file.ticks_per_quarter = 96;
  file.tracks.resize(3);
  file.tracks[1].Note(0, 10, 9, 36, 100);
  const Bytes smf = EncodeMidiFile(file);
  EXPECT_EQ(Tag(smf, 0), "MThd");
  EXPECT_EQ(U32Be(smf, 4), 6u);
  EXPECT_EQ(smf[8] * 256 + smf[9], 1);
  EXPECT_EQ(smf[10] * 256 + smf[11], 3);
  EXPECT_EQ(smf[12] * 256 + smf[13], 96);
  // Three chunks follow, each as long as it says.
  size_t at = 14;
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(Tag(smf, at), "MTrk");
    at += 8 + U32Be(smf, at + 4);
  }
  EXPECT_EQ(at, smf.size());
}

TEST(SmfWriter, RefusesInvalidFilesAndEvents) {
  MidiFile two_tracks_format0{
      .format = 0, .ticks_per_quarter = 480, .tracks = {MidiTrack{}, MidiTrack{}}};
  EXPECT_THROW(EncodeMidiFile(two_tracks_format0), std::invalid_argument);
  EXPECT_THROW(EncodeMidiFile(MidiFile{.format = 2, .tracks = {MidiTrack{}}}),
               std::invalid_argument);
  EXPECT_THROW(EncodeMidiFile(MidiFile{}), std::invalid_argument);
  EXPECT_THROW(EncodeMidiFile(MidiFile{.ticks_per_quarter = 0, .tracks = {MidiTrack{}}}),
               std::invalid_argument);
  MidiTrack track;
  EXPECT_THROW(track.NoteOn(0, 16, 60, 100), std::invalid_argument);
  EXPECT_THROW(track.NoteOn(0, 0, 128, 100), std::invalid_argument);
  EXPECT_THROW(track.NoteOn(0, 0, 60, 0), std::invalid_argument);
  EXPECT_THROW(track.Note(0, 0, 0, 60, 100), std::invalid_argument);
  EXPECT_THROW(track.Tempo(0, 0x1000000), std::invalid_argument);
}

TEST(SmfWriter, DurationFollowsTempoChanges) {
  MidiFile file{.format = 1, .ticks_per_quarter = 480, .tracks = {MidiTrack{}, MidiTrack{}}};
  file.tracks[1].Note(0, 4 * 480, 0, 60, 100);
  EXPECT_DOUBLE_EQ(MidiDurationSeconds(file), 2.0);  // 120 beats a minute until told otherwise
  file.tracks[0].Tempo(480, 1000000);                // one quarter at 0.5 s, three at 1 s
  EXPECT_DOUBLE_EQ(MidiDurationSeconds(file), 3.5);
}

}  // namespace
}  // namespace demo
