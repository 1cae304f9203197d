// The seams a layer above the story plugs into: the message filter, the
// paused clock, the overlay drawn onto a copy of the presented frame, and
// the listener's volume stage of the mixer.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "platform/audio/mixer.h"
#include "platform/audio/sound_buffer.h"
#include "platform/platform.h"
#include "tests/support/fake_backend.h"

namespace {

namespace msg = platform::msg;

class ComfortSeamsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake_ = &test_support::FakeBackend::Install();
    platform::ResetMessageQueue();
  }
  void TearDown() override {
    platform::SetMessageFilter(nullptr);
    platform::SetFrameOverlay(nullptr);
    platform::PauseClock(false);
    platform::ResetMessageQueue();
    platform::ResetBackend();
  }
  test_support::FakeBackend* fake_ = nullptr;
};

// Swallows key presses of 'S' and answers each 'A' with an extra message.
bool TestFilter(const platform::Message& m) {
  if (m.message == msg::kKeyDown && m.wparam == 'A') platform::PostMessage(msg::kKeyDown, 'B', 0);
  return !(m.message == msg::kKeyDown && m.wparam == 'S');
}

TEST_F(ComfortSeamsTest, FilteredMessagesNeverReachTheKeyState) {
  platform::SetMessageFilter(&TestFilter);
  platform::PostMessage(msg::kKeyDown, 'S', 0);
  platform::PostMessage(msg::kKeyDown, 'A', 0);
  std::vector<uint64_t> taken;
  platform::Message m;
  while (platform::PeekMessage(&m)) taken.push_back(m.wparam);
  EXPECT_EQ(taken, (std::vector<uint64_t>{'A', 'B'}));
  EXPECT_EQ(platform::GetKeyState('S') & 0x80, 0) << "a swallowed press is never seen down";
  EXPECT_NE(platform::GetKeyState('B') & 0x80, 0);
}

TEST_F(ComfortSeamsTest, ThePausedClockStandsStillAndGoesOnWhereItStood) {
  fake_->now_ms = 5000;
  EXPECT_EQ(platform::TimeMs(), 5000u);
  platform::PauseClock(true);
  fake_->now_ms = 7000;
  EXPECT_EQ(platform::TimeMs(), 5000u);
  EXPECT_EQ(platform::BackendTimeMs(), 7000u);
  platform::PauseClock(false);
  EXPECT_EQ(platform::TimeMs(), 5000u);
  fake_->now_ms = 7016;
  EXPECT_EQ(platform::TimeMs(), 5016u);
  // A wait on the program's clock is a wait on the backend's, shifted.
  platform::WaitUntil(5100);
  EXPECT_GT(fake_->now_ms, 7100u);
  EXPECT_GT(platform::TimeMs(), 5100u);
  // A new backend's clock has had no pauses.
  fake_ = &test_support::FakeBackend::Install();
  EXPECT_EQ(platform::TimeMs(), fake_->now_ms);
}

class MarkCorner : public platform::FrameOverlay {
 public:
  bool Active() override { return active; }
  void Draw(platform::Surface& frame) override { frame.SetPixel(0, 0, 0xFFFF); }
  bool active = true;
};

TEST_F(ComfortSeamsTest, TheOverlayDrawsOnACopyOfThePresentedFrame) {
  platform::Surface back(8, 4, platform::PixelFormat::Rgb565());
  back.Fill(back.Bounds(), 0x1234);
  MarkCorner overlay;
  platform::SetFrameOverlay(&overlay);
  platform::PresentFrame(back, {2, 1, 6, 3});
  EXPECT_EQ(back.GetPixel(2, 1), 0x1234u) << "the program's surface is never touched";
  EXPECT_EQ(fake_->last_source, (platform::Rect{0, 0, 4, 2}));
  ASSERT_EQ(fake_->last_frame.size(), 4u * 2u * 2u);
  EXPECT_EQ(fake_->last_frame[0] | fake_->last_frame[1] << 8, 0xFFFF);
  EXPECT_EQ(fake_->last_frame[2] | fake_->last_frame[3] << 8, 0x1234);
  overlay.active = false;
  platform::PresentFrame(back, {2, 1, 6, 3});
  EXPECT_EQ(fake_->last_source, (platform::Rect{2, 1, 6, 3})) << "an idle overlay costs nothing";
}

TEST_F(ComfortSeamsTest, TheVolumeStageScalesSoundsAfterTheirOwnVolume) {
  ASSERT_TRUE(platform::OpenSoundOutput());
  const platform::WaveFormat format{platform::kWaveFormatPcm, 1, 44100, 88200, 2, 16};
  int32_t result = 0;
  auto buffer = platform::SoundBuffer::Create(format, 4000, &result);
  ASSERT_TRUE(buffer);
  platform::SoundBuffer::Locked locked;
  ASSERT_EQ(buffer->Lock(0, buffer->SizeBytes(), &locked), platform::sound_result::kOk);
  for (uint32_t i = 0; i + 1 < locked.first_bytes; i += 2) {
    locked.first[i] = 0x10;  // 10000
    locked.first[i + 1] = 0x27;
  }
  buffer->Unlock(locked);
  buffer->Play(true);
  const auto left = [&] {
    std::array<int16_t, 64> frames{};
    fake_->audio_render(frames.data(), 32);
    return frames[20];
  };
  EXPECT_EQ(left(), 10000);
  platform::SetMixLevels({0.25f, 1.0f});
  EXPECT_EQ(left(), 2500);
  platform::SetMixLevels({0.0f, 1.0f});
  EXPECT_EQ(left(), 0);
  platform::SetMixLevels({});
  EXPECT_EQ(left(), 10000);
  buffer.reset();
  platform::CloseSoundOutput();
}

}  // namespace
