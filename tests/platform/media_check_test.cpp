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

}  // namespace
