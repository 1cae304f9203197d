// Sound buffers and the mixer: formats, locks, cursors, resampling, the
// decibel law and clipping, observed through the mix itself.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "platform/audio/mixer.h"
#include "platform/audio/sound_buffer.h"
#include "platform/byte_order.h"
#include "tests/support/fake_backend.h"

namespace {

using platform::SoundBuffer;
using platform::WaveFormat;
namespace result = platform::sound_result;

WaveFormat Pcm(uint16_t channels, uint32_t rate_hz, uint16_t bits) {
  const auto block = static_cast<uint16_t>(channels * bits / 8);
  return {1, channels, rate_hz, rate_hz * block, block, bits};
}

std::unique_ptr<SoundBuffer> Make(const WaveFormat& format, const std::vector<uint8_t>& bytes) {
  int32_t code = -1;
  auto buffer = SoundBuffer::Create(format, static_cast<uint32_t>(bytes.size()), &code);
  EXPECT_EQ(code, result::kOk);
  SoundBuffer::Locked locked;
  EXPECT_EQ(buffer->Lock(0, buffer->SizeBytes(), &locked), result::kOk);
  std::memcpy(locked.first, bytes.data(), locked.first_bytes);
  EXPECT_EQ(buffer->Unlock(locked), result::kOk);
  return buffer;
}

std::vector<uint8_t> Mono16(std::initializer_list<int16_t> values) {
  std::vector<uint8_t> out;
  for (const int16_t v : values) platform::AppendLe16(out, static_cast<uint16_t>(v));
  return out;
}

std::vector<uint8_t> ConstantMono16(int frames, int16_t value) {
  std::vector<uint8_t> out;
  for (int i = 0; i < frames; ++i) platform::AppendLe16(out, static_cast<uint16_t>(value));
  return out;
}

std::vector<int16_t> Pull(int frames) {
  std::vector<int16_t> out(2 * static_cast<size_t>(frames));
  platform::RenderMix(out.data(), frames);
  return out;
}

uint32_t PlayCursor(const SoundBuffer& buffer) {
  uint32_t play = 0;
  buffer.GetCurrentPosition(&play, nullptr);
  return play;
}

TEST(AudioBuffer, RefusesFormatsAndSizesTheDeviceCannotTake) {
  struct Case {
    WaveFormat format;
    uint32_t size;
    int32_t expected;
  };
  const Case cases[] = {
      {Pcm(1, 22050, 16), 4, result::kOk},
      {Pcm(2, 100, 8), 4, result::kOk},
      {Pcm(2, 100000, 16), 4, result::kOk},
      {{2, 1, 22050, 44100, 2, 16}, 4, result::kBadFormat},  // not PCM
      {Pcm(0, 22050, 16), 4, result::kBadFormat},
      {Pcm(3, 22050, 16), 6, result::kBadFormat},
      {Pcm(1, 22050, 24), 6, result::kBadFormat},
      {Pcm(1, 22050, 0), 4, result::kBadFormat},
      {{1, 1, 22050, 44100, 4, 16}, 4, result::kBadFormat},  // block size disagrees
      {Pcm(1, 99, 16), 4, result::kBadFormat},
      {Pcm(1, 100001, 16), 4, result::kBadFormat},
      {Pcm(1, 22050, 16), 3, result::kInvalidParam},
      {Pcm(1, 22050, 16), platform::kMaxBufferBytes + 1, result::kInvalidParam},
  };
  for (const Case& c : cases) {
    int32_t code = 1;
    const auto buffer = SoundBuffer::Create(c.format, c.size, &code);
    EXPECT_EQ(code, c.expected) << c.format.channels << "ch " << c.format.bits_per_sample << "bit "
                                << c.format.samples_per_sec << "Hz size " << c.size;
    EXPECT_EQ(buffer != nullptr, c.expected == result::kOk);
  }
}

TEST(AudioBuffer, LockPastTheEndWrapsIntoASecondRegion) {
  auto buffer = Make(Pcm(1, 22050, 8), std::vector<uint8_t>(16, 0x80));
  SoundBuffer::Locked locked;
  ASSERT_EQ(buffer->Lock(12, 8, &locked), result::kOk);
  ASSERT_EQ(locked.first_bytes, 4u);
  ASSERT_EQ(locked.second_bytes, 4u);
  ASSERT_NE(locked.second, nullptr);
  std::memset(locked.first, 1, 4);
  std::memset(locked.second, 2, 4);
  ASSERT_EQ(buffer->Unlock(locked), result::kOk);

  ASSERT_EQ(buffer->Lock(0, 16, &locked), result::kOk);
  EXPECT_EQ(locked.second, nullptr);
  const std::vector<uint8_t> seen(locked.first, locked.first + 16);
  buffer->Unlock(locked);
  const std::vector<uint8_t> expected = {2,    2,    2,    2,    0x80, 0x80, 0x80, 0x80,
                                         0x80, 0x80, 0x80, 0x80, 1,    1,    1,    1};
  EXPECT_EQ(seen, expected);
}

TEST(AudioBuffer, LockRefusesRangesOutsideAndASecondLock) {
  auto buffer = Make(Pcm(1, 22050, 8), std::vector<uint8_t>(16, 0x80));
  SoundBuffer::Locked locked;
  EXPECT_EQ(buffer->Lock(16, 1, &locked), result::kInvalidParam);
  EXPECT_EQ(buffer->Lock(0, 17, &locked), result::kInvalidParam);
  EXPECT_EQ(buffer->Lock(0, 0, &locked), result::kInvalidParam);
  ASSERT_EQ(buffer->Lock(0, 4, &locked), result::kOk);
  SoundBuffer::Locked second;
  EXPECT_EQ(buffer->Lock(8, 4, &second), result::kInvalidCall);
  EXPECT_EQ(buffer->Unlock(locked), result::kOk);
  EXPECT_EQ(buffer->Unlock(locked), result::kInvalidCall);
}

TEST(AudioBuffer, PlayedOnceItStopsAtItsEndAndRewinds) {
  auto buffer = Make(Pcm(1, platform::kMixRateHz, 16), ConstantMono16(100, 1000));
  buffer->SetCurrentPosition(20);
  buffer->Play(false);
  EXPECT_EQ(buffer->Status(), platform::kSoundStatusPlaying);
  const auto first = Pull(60);
  EXPECT_EQ(first[0], 1000);
  EXPECT_EQ(PlayCursor(*buffer), 70u * 2);
  const auto second = Pull(60);
  EXPECT_EQ(second[2 * 29], 1000);  // frame 99, the last
  EXPECT_EQ(second[2 * 30], 0);
  EXPECT_EQ(buffer->Status(), 0u);
  EXPECT_EQ(PlayCursor(*buffer), 0u);
}

TEST(AudioBuffer, LoopingWrapsAndKeepsPlaying) {
  auto buffer = Make(Pcm(1, platform::kMixRateHz, 16), ConstantMono16(100, 1000));
  buffer->Play(true);
  const auto out = Pull(250);
  EXPECT_EQ(out[2 * 249], 1000);
  EXPECT_EQ(buffer->Status(), platform::kSoundStatusPlaying | platform::kSoundStatusLooping);
  EXPECT_EQ(PlayCursor(*buffer), 50u * 2);
  buffer->Stop();
  EXPECT_EQ(PlayCursor(*buffer), 50u * 2);  // stopping does not rewind
  EXPECT_EQ(Pull(10)[0], 0);
}

TEST(AudioBuffer, FrequencySetsHowFastTheCursorMoves) {
  auto buffer = Make(Pcm(1, 11025, 16), ConstantMono16(1000, 0));
  EXPECT_EQ(buffer->Frequency(), 11025u);
  buffer->Play(true);
  Pull(400);
  EXPECT_EQ(PlayCursor(*buffer), 100u * 2);
  EXPECT_EQ(buffer->SetFrequency(88200), result::kOk);
  Pull(100);
  EXPECT_EQ(PlayCursor(*buffer), 300u * 2);
  EXPECT_EQ(buffer->SetFrequency(99), result::kInvalidParam);
  EXPECT_EQ(buffer->SetFrequency(100001), result::kInvalidParam);
  EXPECT_EQ(buffer->Frequency(), 88200u);
  EXPECT_EQ(buffer->SetFrequency(0), result::kOk);
  EXPECT_EQ(buffer->Frequency(), 11025u);
}

TEST(AudioBuffer, ResamplingInterpolatesBetweenFrames) {
  auto buffer = Make(Pcm(1, platform::kMixRateHz, 16), Mono16({0, 1000, 3000, 3000}));
  buffer->SetFrequency(platform::kMixRateHz / 2);
  buffer->Play(false);
  const auto out = Pull(6);
  const std::vector<int16_t> left = {out[0], out[2], out[4], out[6], out[8], out[10]};
  EXPECT_EQ(left, (std::vector<int16_t>{0, 500, 1000, 2000, 3000, 3000}));
}

TEST(AudioBuffer, VolumeAndPanAttenuateByTheDecibelLaw) {
  struct Case {
    int32_t volume;
    int32_t pan;
    double left;
    double right;
  };
  const Case cases[] = {
      {0, 0, 1.0, 1.0},      {-600, 0, 0.50119, 0.50119}, {-2000, 0, 0.1, 0.1},
      {-10000, 0, 0.0, 0.0}, {0, -600, 1.0, 0.50119},     {0, 600, 0.50119, 1.0},
      {0, -10000, 1.0, 0.0}, {0, 10000, 0.0, 1.0},        {-2000, 2000, 0.01, 0.1},
  };
  auto buffer = Make(Pcm(1, platform::kMixRateHz, 16), ConstantMono16(64, 20000));
  buffer->Play(true);
  for (const Case& c : cases) {
    ASSERT_EQ(buffer->SetVolume(c.volume), result::kOk);
    ASSERT_EQ(buffer->SetPan(c.pan), result::kOk);
    const auto out = Pull(4);
    EXPECT_NEAR(out[0], 20000 * c.left, 1.0) << c.volume << " " << c.pan;
    EXPECT_NEAR(out[1], 20000 * c.right, 1.0) << c.volume << " " << c.pan;
  }
  EXPECT_EQ(buffer->Volume(), -2000);
  EXPECT_EQ(buffer->Pan(), 2000);
  EXPECT_EQ(buffer->SetVolume(1), result::kInvalidParam);
  EXPECT_EQ(buffer->SetVolume(-10001), result::kInvalidParam);
  EXPECT_EQ(buffer->SetPan(10001), result::kInvalidParam);
  EXPECT_EQ(buffer->Volume(), -2000);
}

TEST(AudioBuffer, StereoAndEightBitSamplesReachTheirChannels) {
  // Stereo 16-bit: left 1000, right -2000.
  auto stereo = Make(Pcm(2, platform::kMixRateHz, 16), Mono16({1000, -2000, 1000, -2000}));
  stereo->Play(true);
  auto out = Pull(2);
  EXPECT_EQ(out[0], 1000);
  EXPECT_EQ(out[1], -2000);
  stereo.reset();
  // 8-bit is unsigned around 128.
  auto eight = Make(Pcm(2, platform::kMixRateHz, 8), {0xFF, 0x00, 0xFF, 0x00});
  eight->Play(true);
  out = Pull(2);
  EXPECT_EQ(out[0], 127 * 256);
  EXPECT_EQ(out[1], -128 * 256);
}

TEST(AudioBuffer, MixClipsSumsInsteadOfWrapping) {
  auto a = Make(Pcm(1, platform::kMixRateHz, 16), ConstantMono16(8, 30000));
  auto b = Make(Pcm(1, platform::kMixRateHz, 16), ConstantMono16(8, 30000));
  a->Play(true);
  b->Play(true);
  EXPECT_EQ(Pull(1)[0], 32767);
  b.reset();  // a released buffer leaves the mix
  EXPECT_EQ(Pull(1)[0], 30000);
  auto c = Make(Pcm(1, platform::kMixRateHz, 16), ConstantMono16(8, -30000));
  auto d = Make(Pcm(1, platform::kMixRateHz, 16), ConstantMono16(8, -30000));
  a.reset();
  c->Play(true);
  d->Play(true);
  EXPECT_EQ(Pull(1)[0], -32768);
}

TEST(AudioBuffer, PositionsAreWholeFramesInsideTheBuffer) {
  auto buffer = Make(Pcm(2, 22050, 16), std::vector<uint8_t>(400, 0));
  EXPECT_EQ(buffer->SetCurrentPosition(10), result::kOk);
  EXPECT_EQ(PlayCursor(*buffer), 8u);
  EXPECT_EQ(buffer->SetCurrentPosition(400), result::kInvalidParam);
  EXPECT_EQ(PlayCursor(*buffer), 8u);
  uint32_t play = 0;
  uint32_t write = 0;
  buffer->GetCurrentPosition(&play, &write);
  EXPECT_GT(write, play);  // the write cursor runs ahead
  EXPECT_EQ(write % 4, 0u);
}

TEST(AudioOutput, OpensTheBackendsOutputWhenThereIsOne) {
  auto& fake = test_support::FakeBackend::Install();
  fake.audio_available = false;
  EXPECT_FALSE(platform::OpenSoundOutput());
  EXPECT_FALSE(platform::SoundOutputOpen());
  fake.audio_available = true;
  EXPECT_TRUE(platform::OpenSoundOutput());
  EXPECT_EQ(fake.audio_render, &platform::RenderMix);
  platform::CloseSoundOutput();
  EXPECT_EQ(fake.audio_render, nullptr);
  EXPECT_FALSE(platform::SoundOutputOpen());
  platform::ResetBackend();
}

TEST(AudioOutput, PrimaryFormatIsCheckedAndKept) {
  EXPECT_EQ(platform::SetPrimaryFormat(Pcm(1, 22050, 8)), result::kOk);
  EXPECT_EQ(platform::PrimaryFormat().samples_per_sec, 22050u);
  EXPECT_EQ(platform::SetPrimaryFormat(Pcm(6, 22050, 16)), result::kBadFormat);
  EXPECT_EQ(platform::SetPrimaryFormat({1, 2, 44100, 1234, 4, 16}), result::kBadFormat);
  EXPECT_EQ(platform::PrimaryFormat().channels, 1);
  EXPECT_EQ(platform::SetPrimaryFormat(Pcm(2, 44100, 16)), result::kOk);
}

TEST(AudioOutput, WavePlayerWaitsForTheSoundAndLeavesTheOutputAsItWas) {
  auto& fake = test_support::FakeBackend::Install();
  const uint32_t start_ms = fake.now_ms;
  // 22050 frames at 22050 Hz: one second. Nobody pulls the fake's output, so
  // the player gives up a moment after the sound's length.
  platform::PlayWaveAndWait(Pcm(1, 22050, 16), ConstantMono16(22050, 0));
  EXPECT_GE(fake.now_ms - start_ms, 1000u);
  EXPECT_LE(fake.now_ms - start_ms, 2100u);
  EXPECT_FALSE(platform::SoundOutputOpen());
  EXPECT_EQ(fake.audio_render, nullptr);
  platform::ResetBackend();
}

}  // namespace
