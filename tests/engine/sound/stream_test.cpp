// Streamed sounds: the ring and its chunks, looping at the loop point without
// a gap, the silent end of a stream played once, and reloading.
#include <filesystem>
#include <vector>

#include "tests/engine/sound_fixture.h"

namespace {

using sound_test::PackRecord;
using sound_test::PcmRecord;
using sound_test::SoundTest;

// 8-bit mono at the output rate: every output frame is one sample of the
// wave, (byte - 128) * 256, so the mix shows the stream byte for byte.
constexpr uint32_t kRate = 44100;
constexpr uint32_t kBytes = kRate * 11 / 2;  // 5.5 seconds

uint8_t SampleAt(uint32_t i) {
  return static_cast<uint8_t>(1 + (i * 7) % 251);
}

std::string StreamSamples(uint32_t bytes) {
  std::string out(bytes, '\0');
  for (uint32_t i = 0; i < bytes; ++i) out[i] = static_cast<char>(SampleAt(i));
  return out;
}

class StreamTest : public SoundTest {
 protected:
  void SetUp() override {
    SoundTest::SetUp();
    folder_.Write("snd.pak",
                  PackRecord("SHORT.WAV", PcmRecord(1, kRate, 8), std::string(kRate * 4, 'x')) +
                      PackRecord("LONG.WAV", PcmRecord(1, kRate, 8), StreamSamples(kBytes)));
    elSound::SetPack("snd.pak");
  }
  // Runs frames of 1/60 second: the output, then the poll; returns the
  // samples heard, as stream bytes (silence reads as 128).
  std::vector<uint8_t> Run(int frames) {
    std::vector<uint8_t> heard;
    for (int f = 0; f < frames; ++f) {
      for (const int16_t v : Pull(735)) heard.push_back(static_cast<uint8_t>(v / 256 + 128));
      EXPECT_EQ(elSound::Streaming(), 1);
    }
    std::vector<uint8_t> left;
    for (size_t i = 0; i < heard.size(); i += 2) left.push_back(heard[i]);
    return left;
  }
};

TEST_F(StreamTest, AWaveShorterThanFiveSecondsIsLoadedWhole) {
  const int slot = elSound::LoadStream("short.wav", 0);
  ASSERT_EQ(slot, 0);
  EXPECT_EQ(elSound::SoundStream[slot].DataSize, 0u);
  EXPECT_EQ(elSound::ListPack[slot], 1);
  EXPECT_EQ(DSBuff2[slot][0]->SizeBytes(), kRate * 4);
}

TEST_F(StreamTest, TheTailIsSplitIntoTwoNearlyEqualChunks) {
  const int slot = elSound::LoadStream("long.wav", 0);
  ASSERT_EQ(slot, 0);
  const elSound::_soundstream& s = elSound::SoundStream[slot];
  EXPECT_EQ(s.DataSize, kBytes);
  EXPECT_EQ(s.WriteSize, 2 * kRate);
  EXPECT_EQ(s.WriteMax, 4 * kRate);
  EXPECT_EQ(DSBuff2[slot][0]->SizeBytes(), 4 * kRate);
  EXPECT_EQ(elSound::ListEffectCount[slot], -1);
  EXPECT_EQ(s.NextWrite, 2 * kRate);
  elSound::Loop(slot, -1);
  std::vector<uint32_t> writes;
  for (int f = 0; f < 400 && writes.size() < 4; ++f) {
    const uint32_t before = s.ReadData;
    Run(1);
    if (s.ReadData != before) writes.push_back(s.WriteCheck);
  }
  // 2 s first, then 1.75 s and 1.75 s, then 2 s from the loop point.
  ASSERT_GE(writes.size(), 3u);
  EXPECT_EQ(writes[0], 2 * kRate);
  EXPECT_EQ(writes[1], (2 * kRate + kRate * 7 / 4) % (4 * kRate));
  EXPECT_EQ(writes[2], (2 * kRate + 2 * (kRate * 7 / 4)) % (4 * kRate));
}

TEST_F(StreamTest, ALoopedStreamGoesOnAtTheLoopPointWithoutAGap) {
  constexpr uint32_t kLoop = 10000;
  const int slot = elSound::LoadStream("long.wav", kLoop);
  ASSERT_EQ(slot, 0);
  elSound::Loop(slot, -1);
  const std::vector<uint8_t> heard = Run(60 * 14);  // 14 s: two passes and a half
  uint32_t expected = 0;
  for (size_t i = 0; i < heard.size(); ++i) {
    ASSERT_EQ(heard[i], SampleAt(expected)) << "at output frame " << i;
    if (++expected == kBytes) expected = kLoop;
  }
  EXPECT_TRUE(Playing(slot, 0));
}

TEST_F(StreamTest, AStreamPlayedOnceEndsWithSilenceAndRewinds) {
  const int slot = elSound::LoadStream("long.wav", 0);
  elSound::Play(slot, -1);
  EXPECT_EQ(Status(slot, 0), platform::kSoundStatusPlaying | platform::kSoundStatusLooping);
  const std::vector<uint8_t> heard = Run(60 * 8);
  for (uint32_t i = 0; i < kBytes; ++i) ASSERT_EQ(heard[i], SampleAt(i)) << i;
  for (size_t i = kBytes; i < heard.size(); ++i) ASSERT_EQ(heard[i], 128) << i;
  EXPECT_FALSE(Playing(slot, 0));
  EXPECT_EQ(Cursor(slot, 0), 0u);
  // Played again, it starts from the beginning.
  elSound::Play(slot, -1);
  EXPECT_EQ(Run(1)[0], SampleAt(0));
}

TEST_F(StreamTest, LoopPointsOutsideTheDataFallBackToTheStart) {
  const int slot = elSound::LoadStream("long.wav", kBytes + 5);
  ASSERT_EQ(slot, 0);
  EXPECT_EQ(elSound::SoundStream[slot].LoopPos, elSound::SoundStream[slot].StartPos);
}

TEST_F(StreamTest, AStreamIsReloadedFromItsOwnPack) {
  const int slot = elSound::LoadStream("long.wav", 500);
  elSound::SetVolume(slot, -3, 0);
  elSound::SetPack("other.pak");
  elSound::DestroyObject();
  elSound::ReloadObject();
  EXPECT_EQ(elSound::SoundStream[slot].DataSize, kBytes);
  EXPECT_EQ(elSound::SoundStream[slot].LoopPos - elSound::SoundStream[slot].StartPos, 500u);
  ASSERT_NE(DSBuff2[slot][0], nullptr);
  EXPECT_EQ(DSBuff2[slot][0]->Volume(), -300);
  EXPECT_EQ(Reports(), 0u);
}

TEST_F(StreamTest, APackThatGoesAwayIsReported) {
  const int slot = elSound::LoadStream("long.wav", 0);
  elSound::Loop(slot, -1);
  Run(1);
  std::filesystem::remove(folder_.Path() / "snd.pak");
  elSound::Loop(slot, -1);
  EXPECT_EQ(LastReport(), Report("Sound::ResetStream", "パックファイル名が指定されていません"));
  for (int f = 0; f < 200 && Reports() < 2; ++f) {
    Pull(735);
    elSound::Streaming();
  }
  EXPECT_EQ(LastReport(), Report("Sound::Streaming", "パックファイル名が指定されていません"));
}

TEST_F(StreamTest, EntriesThatCannotBeMeasuredInSecondsAreRefused) {
  std::string zero_rate = PcmRecord(1, kRate, 8);
  zero_rate[8] = zero_rate[9] = zero_rate[10] = zero_rate[11] = '\0';  // bytes per second
  folder_.Write("bad.pak", PackRecord("A.WAV", zero_rate, std::string(1000, 'a')));
  elSound::SetPack("bad.pak");
  EXPECT_EQ(elSound::LoadStream("a.wav", 0), -1);
  EXPECT_EQ(LastReport(), Report("Sound::LoadStream", "WAVEファイルを読み込めません"));
  EXPECT_EQ(elSound::ListUse[0], 0);
  elSound::SetPack("none.pak");
  EXPECT_EQ(elSound::LoadStream("a.wav", 0), -1);
  EXPECT_EQ(LastReport(), Report("Sound::LoadStream", "パックファイル名が指定されていません"));
}

}  // namespace
