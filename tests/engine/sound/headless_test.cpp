// A headless run with the audio written out: a sound is heard from the frame
// it was played in, and a looped song is heard, ends and starts again.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "engine/common/byte_source.h"
#include "engine/el.h"
#include "engine/sound/internal/wave_reader.h"
#include "platform/audio/mci.h"
#include "platform/audio/sound_font.h"
#include "platform/backends.h"
#include "platform/platform.h"
#include "platform/trace.h"
#include "tests/engine/sound_fixture.h"
#include "tests/support/engine_state.h"

namespace {

constexpr int kFrameMs = 16;
constexpr double kFramesPerMs = 44.1;

class HeadlessSoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::HeadlessOptions options;
    options.frame_ms = kFrameMs;
    options.audio_out_path = (folder_.Path() / "out.wav").string();
    auto backend = platform::CreateHeadlessBackend(options);
    ASSERT_NE(backend, nullptr);
    platform::InstallBackend(std::move(backend));
    test_support::ResetEngineState();
    platform::ResetMessageQueue();
    platform::SetGameFolder(folder_.Path().string() + "/");
    ASSERT_TRUE(platform::OpenTrace((folder_.Path() / "trace.jsonl").string()));
    hwnd = 1;
    ASSERT_EQ(elSound::Init(), 1);
    sound_test::ResetSoundTable();
    elMusic::Init();
  }
  void TearDown() override {
    elMusic::Stop();
    platform::CloseTrace();
    test_support::ResetEngineState();
    platform::ResetBackend();
    hwnd = 0;
  }

  // Runs frames as the main loop does: messages first (the end-of-song check
  // of the window procedure), then the frame's work, then the frame's end.
  void RunFrames(int count, const std::function<void(int)>& work) {
    for (int frame = 0; frame < count; ++frame) {
      platform::Message m;
      while (platform::PeekMessage(&m)) {
        if (m.message != platform::msg::kMciNotify || m.wparam != 1 || elMusic::PlayMusic != 1)
          continue;
        char reply[32];
        platform::MciSendString("status midi mode", reply, sizeof reply, 0);
        if (reply[0] == 's' && reply[1] == 't') elMusic::Replay();
      }
      work(frame);
      platform::CurrentBackend().EndFrame();
    }
  }
  // The left channel of everything the run played.
  std::vector<int16_t> Played() {
    elMusic::Stop();
    elSound::DestroyObject();
    platform::ResetBackend();  // closes the audio file
    const auto file = el::common::FileSource::Open((folder_.Path() / "out.wav").string());
    el::sound::WaveData wave;
    EXPECT_TRUE(file && el::sound::ReadWave(*file, &wave));
    std::vector<int16_t> left;
    for (size_t i = 0; i + 3 < wave.samples.size(); i += 4)
      left.push_back(static_cast<int16_t>(wave.samples[i] | wave.samples[i + 1] << 8));
    return left;
  }
  static double Rms(const std::vector<int16_t>& s, double from_ms, double to_ms) {
    const auto from = static_cast<size_t>(from_ms * kFramesPerMs);
    const auto to = std::min(s.size(), static_cast<size_t>(to_ms * kFramesPerMs));
    double sum = 0;
    for (size_t i = from; i < to; ++i) sum += static_cast<double>(s[i]) * s[i];
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
  }

  test_support::TempFolder folder_;
};

TEST_F(HeadlessSoundTest, ASoundIsHeardFromTheFrameItWasPlayedIn) {
  std::string square;
  for (int i = 0; i < 4410; ++i) square += test_support::U16(i / 25 % 2 == 0 ? 12000 : -12000);
  folder_.Write("wav/beep.wav", test_support::WaveFile(1, 22050, 16, square));  // 200 ms
  const int beep = elSound::LoadObject("wav\\beep.wav", 1);
  ASSERT_EQ(beep, 0);
  RunFrames(30, [&](int frame) {
    if (frame == 10) elSound::Play(beep, -1);
  });
  const std::vector<int16_t> left = Played();
  ASSERT_EQ(left.size(), static_cast<size_t>(30 * kFrameMs * kFramesPerMs));
  const auto onset = static_cast<size_t>(10 * kFrameMs * kFramesPerMs);
  size_t first = 0;
  while (first < left.size() && left[first] == 0) ++first;
  EXPECT_EQ(first, onset);
  EXPECT_GT(Rms(left, 10 * kFrameMs, 10 * kFrameMs + 200), 11000.0);
  EXPECT_EQ(Rms(left, 10 * kFrameMs + 201, 30 * kFrameMs), 0.0);
  const std::string trace = folder_.Read("trace.jsonl");
  EXPECT_NE(trace.find("{\"f\":10,\"t\":160,\"ev\":\"play\",\"slot\":0,\"mix\":0,\"loop\":0}"),
            std::string::npos)
      << trace;
}

}  // namespace
