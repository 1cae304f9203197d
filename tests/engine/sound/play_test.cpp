// Playing, looping and stopping: the mix rotation, what is heard in the mix,
// numbers outside the table, and the trace of plays and stops.
#include <string>

#include "platform/trace.h"
#include "tests/engine/sound_fixture.h"

namespace {

using sound_test::SoundTest;

class PlayTest : public SoundTest {
 protected:
  void SetUp() override {
    SoundTest::SetUp();
    WriteWave("a.wav", 1000, 1000, 22050);
    ASSERT_EQ(elSound::LoadObject("a.wav", 3), 0);
  }
};

TEST_F(PlayTest, TheRotationTakesMixesInTurnAndRestartsTheOldest) {
  for (int mix = 0; mix < 3; ++mix) {
    elSound::Play(0, -1);
    EXPECT_TRUE(Playing(0, mix));
    EXPECT_EQ(Cursor(0, mix), 0u);
    Pull(100);  // 50 frames of the wave
  }
  EXPECT_EQ(Cursor(0, 0), 3u * 50 * 2);
  elSound::Play(0, -1);
  EXPECT_EQ(Cursor(0, 0), 0u);  // cut off and restarted
  EXPECT_EQ(Cursor(0, 1), 2u * 50 * 2);
  EXPECT_EQ(elSound::ListUseMix[0], 1);
  EXPECT_EQ(elSound::ListLoop[0], 0);
}

TEST_F(PlayTest, AChosenMixRestartsWithoutMovingTheRotation) {
  elSound::Play(0, 1);
  Pull(100);
  elSound::Play(0, 1);
  EXPECT_EQ(Cursor(0, 1), 0u);
  EXPECT_TRUE(Playing(0, 1));
  EXPECT_FALSE(Playing(0, 0));
  EXPECT_EQ(elSound::ListUseMix[0], 0);
}

TEST_F(PlayTest, StoppingEveryMixRewindsThemAndTheRotationGoesOn) {
  elSound::Play(0, -1);
  elSound::Loop(0, -1);
  Pull(100);
  elSound::Stop(0, -1);
  for (int mix = 0; mix < 3; ++mix) {
    EXPECT_FALSE(Playing(0, mix));
    EXPECT_EQ(Cursor(0, mix), 0u);
  }
  EXPECT_EQ(elSound::ListLoop[0], 1);  // left as it was
  elSound::Play(0, -1);
  EXPECT_TRUE(Playing(0, 2));
  elSound::Stop(0, 2);
  EXPECT_FALSE(Playing(0, 2));
}

TEST_F(PlayTest, NumbersOutsideTheTableOrTheSlotDoNothing) {
  for (const int slot : {-1, 70, 1000, 5}) {  // 5 is free
    elSound::Play(slot, -1);
    elSound::Loop(slot, 0);
    elSound::Stop(slot, -1);
    elSound::Pause(slot, -1);
    elSound::SetVolume(slot, -5, -1);
    elSound::Delay(slot, 0, 1, 1);
    EXPECT_EQ(elSound::GetPos(slot), 0u);
  }
  for (const int mix : {3, 9, 10, 100}) {
    elSound::Play(0, mix);
    elSound::Loop(0, mix);
    elSound::Stop(0, mix);
    elSound::SetPan(0, 5, mix);
  }
  for (int mix = 0; mix < 3; ++mix) EXPECT_FALSE(Playing(0, mix));
  EXPECT_EQ(elSound::ListPan[0][3], 0);
  EXPECT_EQ(elSound::ListUseMix[0], 0);
}

TEST_F(PlayTest, TheSoundIsInTheMixFromTheMomentItIsPlayed) {
  EXPECT_EQ(Pull(10)[0], 0);
  elSound::Play(0, -1);
  const auto out = Pull(3000);
  EXPECT_EQ(out[0], 1000);
  EXPECT_EQ(out[1], 1000);
  EXPECT_EQ(out[2 * 1999], 1000);  // 1000 frames at half the output rate
  EXPECT_EQ(out[2 * 2001], 0);     // played once: over
  elSound::Loop(0, -1);
  EXPECT_EQ(Pull(3000)[2 * 2999], 1000);
}

TEST_F(PlayTest, GetPosIsThePlayCursorOfMixZero) {
  elSound::Play(0, 0);
  Pull(200);
  EXPECT_EQ(elSound::GetPos(0), 200u);  // 100 frames of 2 bytes
  elSound::Play(0, 1);
  Pull(200);
  EXPECT_EQ(elSound::GetPos(0), 400u);
}

TEST_F(PlayTest, PlayingWithMinusTwoStartsTheTimedEffect) {
  elSound::SetVolume(0, -20, -1);
  elSound::SetPitch(0, 10, -1);
  elSound::SetPan(0, 5, -1);
  elSound::Loop(0, -2);
  EXPECT_EQ(elSound::ListEffectCount[0], 1);
  EXPECT_EQ(elSound::ListEffectLoop[0], 1);
  EXPECT_EQ(elSound::ListEffectTime[0], 0.0f);
  EXPECT_EQ(elSound::ListEffectPos[0], 0.0f);
  EXPECT_TRUE(elSound::ListEffectDir[0] == -1 || elSound::ListEffectDir[0] == 1);
  for (int mix = 0; mix < 3; ++mix) {
    EXPECT_EQ(elSound::ListVolume[0][mix], 0);
    EXPECT_EQ(elSound::ListPitch[0][mix], 22050u);
    EXPECT_EQ(elSound::ListPan[0][mix], 0);
    EXPECT_EQ(DSBuff2[0][mix]->Volume(), 0);
  }
  elSound::Stop(0, -2);
  EXPECT_EQ(elSound::ListEffectCount[0], 0);
  elSound::Play(0, -2);
  EXPECT_EQ(elSound::ListEffectLoop[0], 0);
}

TEST_F(PlayTest, PlaysAndStopsAreTraced) {
  const std::string trace = (folder_.Path() / "trace.jsonl").string();
  ASSERT_TRUE(platform::OpenTrace(trace));
  elSound::Play(0, -1);
  elSound::Loop(0, 2);
  elSound::Stop(0, -1);
  elSound::Play(-1, -1);  // nothing
  platform::CloseTrace();
  const std::string text = folder_.Read("trace.jsonl");
  const char* expected[] = {
      "\"ev\":\"play\",\"slot\":0,\"mix\":0,\"loop\":0}",
      "\"ev\":\"play\",\"slot\":0,\"mix\":2,\"loop\":1}",
      "\"ev\":\"stop\",\"slot\":0,\"mix\":0}",
      "\"ev\":\"stop\",\"slot\":0,\"mix\":1}",
      "\"ev\":\"stop\",\"slot\":0,\"mix\":2}",
  };
  size_t at = 0;
  for (const char* event : expected) {
    const size_t found = text.find(event, at);
    ASSERT_NE(found, std::string::npos) << event << "\n" << text;
    at = found;
  }
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
}

TEST_F(PlayTest, PlayFileWaitsForItsFileAndLeavesTheLoadedSoundsPlayable) {
  WriteWave("b.wav", 2205, 500, 22050);  // 100 ms
  const uint32_t before_ms = fake_->now_ms;
  elSound::PlayFile("b.wav");
  EXPECT_GE(fake_->now_ms - before_ms, 100u);
  // The device was closed for the file and opened again with every sound.
  EXPECT_EQ(elSound::Ok, 1);
  elSound::Play(0, -1);
  EXPECT_EQ(Pull(10)[0], 1000);
  // A missing file plays nothing and changes nothing.
  const uint32_t missing_ms = fake_->now_ms;
  elSound::PlayFile("missing.wav");
  EXPECT_EQ(fake_->now_ms, missing_ms);
  EXPECT_EQ(elSound::ListUse[0], 1);
}

}  // namespace
