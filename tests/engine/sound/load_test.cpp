// Loading waves into the sound table: slots, mix counts, names, resources,
// reports, freeing, and rebuilding the table on a new device.
#include <string>

#include "platform/resources.h"
#include "tests/engine/sound_fixture.h"

namespace {

using sound_test::SoundTest;

TEST_F(SoundTest, LoadsIntoTheLowestFreeSlotUntilTheTableIsFull) {
  WriteWave("wav/a.wav", 10);
  for (int i = 0; i < 70; ++i) ASSERT_EQ(elSound::LoadObject("wav\\a.wav", 1), i);
  EXPECT_EQ(elSound::LoadObject("wav\\a.wav", 1), -1);
  EXPECT_EQ(LastReport(), Report("Sound::LoadObject", "オブジェクト数が多過ぎます"));
  elSound::FreeObject(42);
  elSound::FreeObject(17);
  EXPECT_EQ(elSound::LoadObject("wav\\a.wav", 1), 17);
  EXPECT_EQ(elSound::LoadObject("wav\\a.wav", 1), 42);
}

TEST_F(SoundTest, TheMixCountMakesBuffersAndDecidesOnTimedEffects) {
  WriteWave("a.wav", 10);
  struct Case {
    int mix;
    int slot;  // -1: refused
    int effect_count;
    bool reported;
  };
  const Case cases[] = {
      {3, 0, 0, false},  {-3, 1, -1, false}, {1, 2, -1, false}, {10, 3, 0, false},
      {11, -1, 0, true}, {-11, -1, 0, true}, {0, -1, 0, false},
  };
  for (const Case& c : cases) {
    const size_t reports = Reports();
    const int slot = elSound::LoadObject("a.wav", c.mix);
    EXPECT_EQ(slot, c.slot) << c.mix;
    EXPECT_EQ(Reports() - reports, c.reported ? 1u : 0u) << c.mix;
    if (slot < 0) continue;
    EXPECT_EQ(elSound::ListMix[slot], std::abs(c.mix));
    EXPECT_EQ(elSound::ListEffectCount[slot], c.effect_count) << c.mix;
    for (int m = 0; m < 10; ++m) EXPECT_EQ(DSBuff2[slot][m] != nullptr, m < std::abs(c.mix));
    EXPECT_EQ(elSound::ListPitch[slot][0], 22050u);
    EXPECT_EQ(elSound::ListPitchDef[slot], 22050u);
  }
  EXPECT_EQ(LastReport(), Report("Sound::LoadObject", "ミックス数が多過ぎます"));
  // A count of 0 created nothing and took no slot.
  EXPECT_EQ(elSound::ListUse[4], 0);
}

TEST_F(SoundTest, AMissingWaveIsRefusedSilentlyAndAResourceStandsIn) {
  EXPECT_EQ(elSound::LoadObject("wav\\none.wav", 1), -1);
  EXPECT_EQ(Reports(), 0u);

  static const std::string wave_resource =
      test_support::WaveFile(1, 11025, 8, std::string(40, '\x90'));
  static const std::string raw_resource =
      test_support::WaveFile(2, 8000, 16, test_support::ConstantPcm16(10, 2, 5));
  const auto bytes = [](const std::string& s) {
    return std::span(reinterpret_cast<const uint8_t*>(s.data()), s.size());
  };
  platform::RegisterResource("WAVE", "CHIME", bytes(wave_resource));
  platform::RegisterResource("10", "BELL", bytes(raw_resource));
  const int chime = elSound::LoadObject("chime", 1);
  const int bell = elSound::LoadObject("bell", 2);
  platform::UnregisterResource("WAVE", "CHIME");
  platform::UnregisterResource("10", "BELL");
  ASSERT_EQ(chime, 0);
  ASSERT_EQ(bell, 1);
  EXPECT_EQ(elSound::ListPitchDef[chime], 11025u);
  EXPECT_EQ(DSBuff2[chime][0]->SizeBytes(), 40u);
  EXPECT_EQ(DSBuff2[bell][1]->Format().channels, 2);
  EXPECT_STREQ(elSound::ListName[chime], "chime");
}

TEST_F(SoundTest, AWaveTheDeviceCannotPlayIsReportedAndLeavesTheSlotFree) {
  folder_.Write("deep.wav", test_support::WaveFile(1, 22050, 24, std::string(30, '\0')));
  folder_.Write("empty.wav", test_support::WaveFile(1, 22050, 16, ""));
  for (const char* name : {"deep.wav", "empty.wav"}) {
    EXPECT_EQ(elSound::LoadObject(name, 3), -1) << name;
    EXPECT_EQ(LastReport(), Report("Sound::LoadObject", "サウンドバッファが生成できません"));
    EXPECT_EQ(elSound::ListUse[0], 0);
    EXPECT_EQ(elSound::ListMix[0], 1);
    EXPECT_EQ(DSBuff2[0][0], nullptr);
  }
}

TEST_F(SoundTest, NamesUpTo100CharactersAreKeptWhole) {
  const std::string name100 = "wav\\" + std::string(92, 'n') + ".wav";
  const std::string name101 = "wav\\" + std::string(93, 'n') + ".wav";
  WriteWave("wav/" + std::string(92, 'n') + ".wav", 10);
  WriteWave("wav/" + std::string(93, 'n') + ".wav", 10);
  ASSERT_EQ(elSound::LoadObject(name100.c_str(), 1), 0);
  EXPECT_EQ(std::string(elSound::ListName[0]), name100);
  EXPECT_EQ(elSound::LoadObject(name101.c_str(), 1), -1);
  EXPECT_EQ(LastReport(), Report("Sound::LoadObject", "ファイル名またはリソース名が長すぎます"));
  // Loaded all the same, without a name.
  EXPECT_EQ(elSound::ListUse[1], 1);
  EXPECT_STREQ(elSound::ListName[1], "");
}

TEST_F(SoundTest, WithoutADeviceNothingLoadsAndNothingReachesABuffer) {
  DestroyAndOpenWithoutDevice();
  WriteWave("a.wav", 10);
  EXPECT_EQ(elSound::LoadObject("a.wav", 1), -1);
  elSound::Play(0, -1);
  elSound::Stop(0, -1);
  elSound::SetVolume(0, -10, -1);
  EXPECT_EQ(elSound::GetPos(0), 0u);
  EXPECT_EQ(Reports(), 0u);
}

TEST_F(SoundTest, FreeObjectEmptiesTheSlot) {
  WriteWave("a.wav", 10);
  ASSERT_EQ(elSound::LoadObject("a.wav", 2), 0);
  elSound::SetVolume(0, -5, -1);
  elSound::FreeObject(0);
  EXPECT_EQ(elSound::ListUse[0], 0);
  EXPECT_EQ(elSound::ListMix[0], 1);
  EXPECT_EQ(elSound::ListPitchDef[0], 0u);
  EXPECT_EQ(elSound::ListVolume[0][1], 0);
  EXPECT_STREQ(elSound::ListName[0], "");
  EXPECT_EQ(DSBuff2[0][0], nullptr);
  EXPECT_EQ(DSBuff2[0][1], nullptr);
  elSound::FreeObject(0);  // already free
  elSound::FreeObject(-1);
  elSound::FreeObject(70);
}

TEST_F(SoundTest, ReloadRebuildsEverySoundWithItsSettings) {
  WriteWave("a.wav", 100);
  WriteWave("b.wav", 200);
  ASSERT_EQ(elSound::LoadObject("a.wav", -2), 0);
  ASSERT_EQ(elSound::LoadObject("b.wav", 1), 1);
  elSound::SetVolume(0, -6, 1);
  elSound::SetPan(0, 10, 0);
  elSound::SetPitch(0, 10, 1);
  elSound::Play(0, -1);  // the rotation moves on to mix 1
  elSound::DestroyObject();
  EXPECT_EQ(DSBuff2[0][0], nullptr);
  EXPECT_EQ(elSound::ListUse[0], 1);  // the table survives
  EXPECT_EQ(elSound::Ok, 1);

  elSound::ReloadObject();
  EXPECT_EQ(elSound::Reload, 0);
  ASSERT_NE(DSBuff2[0][1], nullptr);
  ASSERT_NE(DSBuff2[1][0], nullptr);
  EXPECT_EQ(DSBuff2[0][1]->Volume(), -600);
  EXPECT_EQ(DSBuff2[0][1]->Frequency(), 23050u);
  EXPECT_EQ(DSBuff2[0][0]->Pan(), 1000);
  EXPECT_EQ(DSBuff2[1][0]->SizeBytes(), 400u);
  EXPECT_EQ(elSound::ListUseMix[0], 1);
  // The stored count is positive: the slot now takes timed effects.
  EXPECT_EQ(elSound::ListEffectCount[0], 0);
  EXPECT_EQ(fake_->audio_render, &platform::RenderMix);
}

}  // namespace
