// Frequency, pan and volume setters, pausing, and the timed echo and chorus.
#include "tests/engine/sound_fixture.h"

namespace {

using sound_test::SoundTest;

class SettingsTest : public SoundTest {
 protected:
  void SetUp() override {
    SoundTest::SetUp();
    WriteWave("a.wav", 2000, 1000, 22050);
    ASSERT_EQ(elSound::LoadObject("a.wav", 4), 0);
  }
};

TEST_F(SettingsTest, SettersClampIntoTheDevicesRangesAndReachTheBuffers) {
  struct Case {
    const char* what;
    void (*apply)();
    int mix;
    long pitch;
    long pan;
    long volume;
  };
  const Case cases[] = {
      {"pitch far below zero", [] { elSound::Pitch(0, -250, 0); }, 0, 100, 0, 0},
      {"pitch up", [] { elSound::Pitch(0, 30, 0); }, 0, 25050, 0, 0},
      {"pitch above the top", [] { elSound::SetPitch(0, 2000, 1); }, 1, 100000, 0, 0},
      {"pitch relative to the wave", [] { elSound::SetPitch(0, -20, 1); }, 1, 20050, 0, 0},
      {"volume above 0", [] { elSound::Volume(0, 5, -1); }, 2, 22050, 0, 0},
      {"volume far down", [] { elSound::SetVolume(0, -120, 0); }, 0, 22050, 0, -10000},
      {"volume down", [] { elSound::SetVolume(0, -12, 3); }, 3, 22050, 0, -1200},
      {"pan past the right", [] { elSound::SetPan(0, 101, 1); }, 1, 22050, 10000, 0},
      {"left", [] { elSound::LeftPan(0, 2); }, 2, 22050, -10000, 0},
      {"right", [] { elSound::RightPan(0, 2); }, 2, 22050, 10000, 0},
  };
  for (const Case& c : cases) {
    for (int m = 0; m < 4; ++m) {
      elSound::InitPitch(0, m);
      elSound::InitPan(0, m);
      elSound::InitVolume(0, m);
    }
    c.apply();
    EXPECT_EQ(elSound::ListPitch[0][c.mix], static_cast<unsigned long>(c.pitch)) << c.what;
    EXPECT_EQ(elSound::ListPan[0][c.mix], c.pan) << c.what;
    EXPECT_EQ(elSound::ListVolume[0][c.mix], c.volume) << c.what;
    EXPECT_EQ(DSBuff2[0][c.mix]->Frequency(), static_cast<uint32_t>(c.pitch)) << c.what;
    EXPECT_EQ(DSBuff2[0][c.mix]->Pan(), c.pan) << c.what;
    EXPECT_EQ(DSBuff2[0][c.mix]->Volume(), c.volume) << c.what;
  }
}

TEST_F(SettingsTest, RelativeSettersAccumulateOnTheChosenMixOnly) {
  elSound::Pan(0, 30, 2);
  elSound::Pan(0, 30, 2);
  EXPECT_EQ(elSound::ListPan[0][2], 6000);
  for (const int m : {0, 1, 3}) EXPECT_EQ(elSound::ListPan[0][m], 0);
  // -2 is the mix that plays next; other negative values every mix.
  elSound::Play(0, -1);
  elSound::SetVolume(0, -3, -2);
  EXPECT_EQ(elSound::ListVolume[0][1], -300);
  EXPECT_EQ(elSound::ListVolume[0][0], 0);
  elSound::SetVolume(0, -4, -1);
  for (int m = 0; m < 4; ++m) EXPECT_EQ(elSound::ListVolume[0][m], -400);
}

TEST_F(SettingsTest, PausingTwiceResumesWhereItStopped) {
  elSound::Play(0, 0);
  Pull(200);
  elSound::Pause(0, 0);
  EXPECT_FALSE(Playing(0, 0));
  EXPECT_EQ(elSound::ListPosition[0][0], 200u);
  Pull(200);
  EXPECT_EQ(Cursor(0, 0), 200u);
  elSound::Pause(0, 0);
  EXPECT_EQ(Status(0, 0), platform::kSoundStatusPlaying);
  Pull(100);
  EXPECT_EQ(Cursor(0, 0), 300u);
  // A looped sound resumes looping; -2 pauses every mix.
  elSound::Loop(0, 1);
  elSound::Pause(0, -2);
  EXPECT_FALSE(Playing(0, 0));
  EXPECT_FALSE(Playing(0, 1));
  elSound::Pause(0, -2);
  EXPECT_EQ(Status(0, 1), platform::kSoundStatusPlaying | platform::kSoundStatusLooping);
}

TEST_F(SettingsTest, PausingAMixThatEndedStartsItAgainFromItsSavedPosition) {
  elSound::Play(0, 3);
  Pull(5000);  // 2000 frames at half the rate: over
  EXPECT_FALSE(Playing(0, 3));
  elSound::Pause(0, 3);
  EXPECT_TRUE(Playing(0, 3));
  EXPECT_EQ(Cursor(0, 3), 0u);
}

TEST_F(SettingsTest, AnEchoPlaysCountEchoesEachQuieterThenGoesIdle) {
  elSound::Play(0, -2);  // the undelayed sound on mix 0
  FrameTime = 0.05f;     // 50 ms frames
  std::vector<int> echo_frames;
  std::vector<long> echo_volumes;
  for (int frame = 1; frame <= 20; ++frame) {
    const int next = elSound::ListUseMix[0];
    elSound::Delay(0, 200, 3, 6);
    if (elSound::ListUseMix[0] != next) {
      echo_frames.push_back(frame);
      echo_volumes.push_back(elSound::ListVolume[0][next]);
      EXPECT_TRUE(Playing(0, next));
    }
  }
  EXPECT_EQ(echo_frames, (std::vector<int>{4, 8, 12}));
  EXPECT_EQ(echo_volumes, (std::vector<long>{-600, -1200, -1800}));
  EXPECT_EQ(elSound::ListEffectCount[0], 0);
}

TEST_F(SettingsTest, ADelayWithoutARunningEffectOrOnOneMixDoesNothing) {
  FrameTime = 1.0f;
  elSound::Delay(0, 10, 3, 6);  // idle
  EXPECT_EQ(elSound::ListUseMix[0], 0);
  WriteWave("b.wav", 100);
  ASSERT_EQ(elSound::LoadObject("b.wav", 1), 1);
  elSound::Play(1, -2);
  EXPECT_EQ(elSound::ListEffectCount[1], -1);
  elSound::Delay(1, 10, 3, 6);
  EXPECT_EQ(elSound::ListVolume[1][0], 0);
  elSound::Play(0, -2);
  elSound::Delay(0, 10, 0, 6);  // no echoes asked for
  EXPECT_EQ(elSound::ListEffectCount[0], 1);
}

TEST_F(SettingsTest, TheChorusPanStaysWithinThirtyDecibelsAndTurnsAtTheBounds) {
  elSound::Loop(0, -2);
  FrameTime = 0.1f;
  const int first_dir = elSound::ListEffectDir[0];
  int turns = 0;
  int last_dir = first_dir;
  for (int frame = 0; frame < 200; ++frame) {
    if (elSound::ListEffectCount[0] == 0) elSound::Loop(0, -2);
    const float before = elSound::ListEffectPos[0];
    elSound::Chorus(0, 0, 1000, 1, 7);  // 70 dB a second
    const float pos = elSound::ListEffectPos[0];
    ASSERT_GE(pos, -30.0f);
    ASSERT_LE(pos, 30.0f);
    if (elSound::ListEffectDir[0] != last_dir) {
      EXPECT_EQ(std::abs(pos), 30.0f) << "turned away from a bound at " << before;
      ++turns;
      last_dir = elSound::ListEffectDir[0];
    }
    for (int m = 0; m < 4; ++m) EXPECT_LE(std::abs(elSound::ListPan[0][m]), 3000);
  }
  EXPECT_GT(turns, 3);
}

}  // namespace
