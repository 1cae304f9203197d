// The structural checks of wave files and songs that `aoat lint` runs: what
// the player's readers take passes, every kind of damage is named.
#include "platform/media_check.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/sound_files.h"

namespace {

using platform::MidiFileProblem;
using platform::WaveFileProblem;

std::string Problem(std::string (*check)(std::span<const uint8_t>), const std::string& bytes) {
  return check({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
}

// A song of one track holding `events` (the end-of-track event is added).
std::string Song(const std::string& events, uint16_t format = 0) {
  const std::string track = events + std::string("\x00\xFF\x2F\x00", 4);
  std::string file = "MThd" + std::string("\0\0\0\x06", 4);
  file += static_cast<char>(format >> 8), file += static_cast<char>(format & 0xFF);
  file += std::string("\0\x01\x01\xE0", 4);
  file += "MTrk";
  for (int shift = 24; shift >= 0; shift -= 8) file += static_cast<char>(track.size() >> shift);
  return file + track;
}

TEST(MediaCheck, SongsAsTheSequencerTakesThem) {
  EXPECT_EQ(Problem(MidiFileProblem, test_support::MidiSong(4, 120)), "");
  // Note on, then a second note by running status.
  EXPECT_EQ(Problem(MidiFileProblem, Song(std::string("\x00\x90\x3C\x40\x10\x3E\x40", 7))), "");
  const std::string good = test_support::MidiSong(4, 120);
  EXPECT_NE(Problem(MidiFileProblem, good.substr(0, good.size() - 3)).find("truncated"),
            std::string::npos);
  EXPECT_NE(Problem(MidiFileProblem, "RIFF" + good.substr(4)).find("unsupported format"),
            std::string::npos);
  EXPECT_NE(Problem(MidiFileProblem, Song("", 3)).find("format 3"), std::string::npos);
  EXPECT_NE(Problem(MidiFileProblem, Song(std::string("\x00\x3C\x40", 3))).find("running status"),
            std::string::npos);
  EXPECT_NE(Problem(MidiFileProblem, Song(std::string("\x00\x90\x3C\x90", 4))).find("status byte"),
            std::string::npos);
  // A meta event whose length runs past its track.
  EXPECT_NE(Problem(MidiFileProblem, Song(std::string("\x00\xFF\x01\x7F", 4))).find("past"),
            std::string::npos);
  EXPECT_NE(Problem(MidiFileProblem, good.substr(0, 10)).find("truncated"), std::string::npos);
}

TEST(MediaCheck, WavesAsTheWaveReaderTakesThem) {
  const std::string good =
      test_support::WaveFile(2, 44100, 16, test_support::ConstantPcm16(16, 2, 100));
  EXPECT_EQ(Problem(WaveFileProblem, good), "");
  EXPECT_NE(Problem(WaveFileProblem, good.substr(0, good.size() - 2)).find("truncated"),
            std::string::npos);
  EXPECT_NE(Problem(WaveFileProblem, "RIFX" + good.substr(4)).find("unsupported format"),
            std::string::npos);
  EXPECT_NE(
      Problem(WaveFileProblem, test_support::RiffWave(test_support::RiffChunk("data", "abcd"))),
      "");
  EXPECT_NE(Problem(WaveFileProblem,
                    test_support::RiffWave(
                        test_support::RiffChunk("fmt ", test_support::PcmFields(0, 44100, 16)) +
                        test_support::RiffChunk("data", "abcd")))
                .find("no channels"),
            std::string::npos);
}

// Every refusal of the wave reader, word for word as the lint shows it, and
// the layouts it plays that an older check refused.
TEST(MediaCheck, NamesEveryWaveRefusalOfThePlayer) {
  using test_support::PcmFields;
  using test_support::RiffChunk;
  using test_support::RiffChunkWithSize;
  using test_support::RiffWave;
  using test_support::U16;
  using test_support::U32;
  const std::string fmt = RiffChunk("fmt ", PcmFields(1, 8000, 8));
  const std::string data = RiffChunk("data", "abcd");
  const struct {
    std::string file;
    const char* problem;
  } cases[] = {
      {"RIFF" + U32(4), "truncated: shorter than a wave file's header"},
      {"RIFF" + U32(4) + "AVI ", "unsupported format: not RIFF/WAVE"},
      {RiffWave(data), "no format chunk"},
      {"RIFF" + U32(4 + 12) + "WAVE" + data + fmt, "no format chunk"},
      {RiffWave(RiffChunkWithSize("data", 100, "abcd") + fmt),
       "truncated: the samples run past the end of the file"},
      {RiffWave(RiffChunk("fmt ", PcmFields(1, 8000, 8).substr(0, 14)) + data),
       "the format chunk is shorter than 16 bytes"},
      {"RIFF" + U32(0xFFFFFFF0u) + "WAVE" + data + "fmt " + U32(16) + "\x01\x00",
       "truncated: the format runs past the end of the file"},
      {RiffWave(RiffChunkWithSize("fmt ", 0xFFFFFFF0u, PcmFields(1, 8000, 8))),
       "truncated: the format runs past the end of the file"},
      {RiffWave(RiffChunk("fmt ", PcmFields(1, 8000, 8, 2) + U16(9) + "ab") + data),
       "the extra format bytes run past their chunk"},
      {RiffWave(RiffChunk("fmt ", PcmFields(1, 8000, 0)) + data),
       "the format has no channels, rate or block size"},
      {RiffWave(fmt), "truncated: no samples"},
      {"RIFF" + U32(4 + 24) + "WAVE" + fmt + data, "truncated: no samples"},
      {RiffWave(fmt + RiffChunkWithSize("data", 0xFFFFFFF0u, "abcd")),
       "truncated: the samples run past the end of the file"},
      {RiffWave(data + RiffChunkWithSize("fmt ", 0xFFFFFFF0u, PcmFields(1, 8000, 8))), ""},
      {RiffWave(fmt + RiffChunk("fmt ", PcmFields(0, 0, 0)) + data), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Problem(WaveFileProblem, c.file), c.problem) << c.problem;
}

}  // namespace
