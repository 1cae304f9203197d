// The headless backend: the messages and frames each script command
// produces, the virtual clock, answers to message boxes, screenshots and the
// audio written per frame.
#include "platform/headless/headless_backend.h"

#include <gtest/gtest.h>

#include <png.h>
#include <ctime>

#include <cstring>
#include <vector>

#include "platform/backends.h"
#include "platform/platform.h"
#include "platform/trace.h"
#include "tests/support/support.h"

namespace {

namespace msg = platform::msg;
using platform::MakePointParam;

struct Delivered {
  uint32_t message;
  uint64_t wparam;
  int64_t lparam;
  int frame;  // frames ended before the message was taken
  bool operator==(const Delivered&) const = default;
};

class HeadlessTest : public ::testing::Test {
 protected:
  void TearDown() override {
    platform::ResetBackend();
    platform::ResetMessageQueue();
  }
  // Installs a headless backend running `script` and opens its window.
  platform::Backend* Start(const std::string& script, int frame_ms = 16,
                           const std::string& audio_out = "") {
    platform::ResetMessageQueue();
    const auto path = folder_.Write("script.txt", script);
    auto backend = platform::CreateHeadlessBackend({path.string(), frame_ms, audio_out});
    if (!backend) return nullptr;
    platform::InstallBackend(std::move(backend));
    platform::CreateMainWindow("t");
    Delivered m{};
    for (int i = 0; i < 2; ++i) TakeOne(&m);  // activation and move
    return &platform::CurrentBackend();
  }
  static bool TakeOne(Delivered* out) {
    platform::Message m;
    if (!platform::PeekMessage(&m)) return false;
    *out = {m.message, m.wparam, m.lparam, 0};
    return true;
  }
  // A main loop: messages first, a frame when there are none; ends with the
  // first close request.
  static std::vector<Delivered> RunUntilClose(int max_frames = 1000) {
    std::vector<Delivered> got;
    int frame = 0;
    while (frame < max_frames) {
      Delivered m{};
      if (TakeOne(&m)) {
        m.frame = frame;
        got.push_back(m);
        if (m.message == msg::kClose) break;
        continue;
      }
      platform::CurrentBackend().EndFrame();
      ++frame;
    }
    return got;
  }

  test_support::TempFolder folder_;
};

TEST_F(HeadlessTest, CommandsProduceTheirMessagesAndFrames) {
  ASSERT_NE(Start("click 10 20\nframes 2\nkey 0x20\nrclick\n"), nullptr);
  const auto got = RunUntilClose();
  const int64_t at = MakePointParam(10, 20);
  const std::vector<Delivered> expected = {
      {msg::kMouseMove, 0, at, 0},
      {msg::kLButtonDown, 1, at, 0},
      {msg::kLButtonUp, 0, at, 1},
      {msg::kKeyDown, 0x20, 1, 4},
      {msg::kKeyUp, 0x20, static_cast<int64_t>(0xC0000001u), 5},
      {msg::kRButtonDown, 2, at, 6},
      {msg::kRButtonUp, 0, at, 7},
      {msg::kClose, 0, 0, 8},
  };
  EXPECT_EQ(got, expected);
}

TEST_F(HeadlessTest, DoubleClickReplacesTheSecondPress) {
  ASSERT_NE(Start("dblclick\n"), nullptr);
  std::vector<uint32_t> kinds;
  for (const auto& m : RunUntilClose()) kinds.push_back(m.message);
  EXPECT_EQ(kinds, (std::vector<uint32_t>{msg::kLButtonDown, msg::kLButtonUp, msg::kLButtonDblClk,
                                          msg::kLButtonUp, msg::kClose}));
}

TEST_F(HeadlessTest, HeldButtonsAndKeysStayDownAcrossFrames) {
  ASSERT_NE(Start("down left\nkeydown 0x12\nkeydown 0x41\nframes 3\nkeyup 0x41\nup left\n"),
            nullptr);
  const auto got = RunUntilClose();
  ASSERT_EQ(got.size(), 6u);
  EXPECT_EQ(got[1].message, msg::kSysKeyDown);  // Alt
  EXPECT_EQ(got[2].message, msg::kSysKeyDown);  // A with Alt held
  EXPECT_EQ(got[3].message, msg::kSysKeyUp);
  EXPECT_EQ(got[3].frame, 3);
  EXPECT_EQ(got[4].message, msg::kLButtonUp);
  EXPECT_EQ(got[5].message, msg::kClose);
}

TEST_F(HeadlessTest, WaitRunsFramesUntilTheTimeHasPassed) {
  auto* backend = Start("wait 100\nclose\n");
  ASSERT_NE(backend, nullptr);
  EXPECT_EQ(backend->TimeMs(), platform::headless::HeadlessBackend::kStartTimeMs);
  const auto got = RunUntilClose();
  ASSERT_EQ(got.size(), 1u);   // an explicit close at the end is not repeated
  EXPECT_EQ(got[0].frame, 7);  // 7 x 16 ms >= 100 ms
  EXPECT_EQ(backend->TimeMs(), 1000u + 7 * 16);
  Delivered extra{};
  EXPECT_FALSE(TakeOne(&extra));
}

TEST_F(HeadlessTest, ClockAdvancesByFrameAndByWaits) {
  auto* backend = Start("frames 10\n", 20);
  ASSERT_NE(backend, nullptr);
  const uint64_t frame_before = platform::TraceFrame();
  backend->EndFrame();
  EXPECT_EQ(backend->TimeMs(), 1020u);
  EXPECT_EQ(platform::TraceFrame(), frame_before + 1);
  backend->WaitUntil(1500);
  EXPECT_EQ(backend->TimeMs(), 1501u);
  backend->WaitUntil(1200);  // already past
  EXPECT_EQ(backend->TimeMs(), 1501u);
  // The calendar runs with the virtual clock from 2000-01-01 00:00 UTC.
  backend->WaitUntil(61000);
  EXPECT_EQ(platform::CalendarSeconds(), 946684800 + 61);
  const std::time_t expected = 946684800 + 61;
  std::tm parts{};
  localtime_r(&expected, &parts);
  const platform::LocalDateTime now = platform::LocalTime();
  EXPECT_EQ(now.year, parts.tm_year + 1900);
  EXPECT_EQ(now.minute, parts.tm_min);
  EXPECT_EQ(now.second, parts.tm_sec);
}

TEST_F(HeadlessTest, WaitingProgramLetsScriptTimePass) {
  auto* backend = Start("frames 5\nkey 13\n");
  ASSERT_NE(backend, nullptr);
  platform::WaitMessage();
  Delivered m{};
  ASSERT_TRUE(TakeOne(&m));
  EXPECT_EQ(m.message, msg::kKeyDown);
  EXPECT_EQ(backend->TimeMs(), 1000u + 5 * 16);
}

TEST_F(HeadlessTest, ScriptEndClosesAndAWaitingProgramIsClosedAgain) {
  ASSERT_NE(Start(""), nullptr);
  Delivered m{};
  ASSERT_TRUE(TakeOne(&m));
  EXPECT_EQ(m.message, msg::kClose);
  EXPECT_FALSE(TakeOne(&m));
  platform::WaitMessage();
  ASSERT_TRUE(TakeOne(&m));
  EXPECT_EQ(m.message, msg::kClose);
}

TEST_F(HeadlessTest, MessageBoxesTakeTheScriptsAnswers) {
  using platform::MessageBoxAnswer;
  using platform::MessageBoxKind;
  ASSERT_NE(Start("answer no\nanswer no\nframes 1\n"), nullptr);
  Delivered m{};
  TakeOne(&m);  // runs the answers
  auto& backend = platform::CurrentBackend();
  EXPECT_EQ(backend.ShowMessageBox(MessageBoxKind::kYesNo, "c", "t"), MessageBoxAnswer::kNo);
  // An information box uses up an answer but has only OK.
  EXPECT_EQ(backend.ShowMessageBox(MessageBoxKind::kInfo, "c", "t"), MessageBoxAnswer::kOk);
  EXPECT_EQ(backend.ShowMessageBox(MessageBoxKind::kYesNo, "c", "t"), MessageBoxAnswer::kYes);
  EXPECT_EQ(backend.ShowMessageBox(MessageBoxKind::kError, "c", "t"), MessageBoxAnswer::kOk);
}

TEST_F(HeadlessTest, ShotWritesTheLastPresentedFrame) {
  const std::string shot = (folder_.Path() / "shot.png").string();
  auto* backend = Start("frames 1\nshot " + shot + "\n");
  ASSERT_NE(backend, nullptr);
  platform::Surface back(640, 480, platform::PixelFormat::Rgb565());
  back.Fill(back.Bounds(), 0x001F);         // blue
  back.Fill({630, 470, 640, 480}, 0xF800);  // red corner
  backend->Present(back, {0, 0, 640, 480});
  RunUntilClose();
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  ASSERT_NE(png_image_begin_read_from_file(&image, shot.c_str()), 0);
  EXPECT_EQ(image.width, 640u);
  EXPECT_EQ(image.height, 480u);
  image.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
  ASSERT_NE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr), 0);
  EXPECT_EQ(rgb[0], 0);
  EXPECT_EQ(rgb[2], 0xF8);
  const size_t last = rgb.size() - 3;
  EXPECT_EQ(rgb[last], 0xF8);
  EXPECT_EQ(rgb[last + 2], 0);
}

int16_t g_next_sample = 0;
int g_rendered_frames = 0;
void CountingRender(int16_t* frames, int count) {
  for (int i = 0; i < count * 2; ++i) frames[i] = g_next_sample++;
  g_rendered_frames += count;
}

TEST_F(HeadlessTest, AudioIsRenderedPerFrameIntoTheWavFile) {
  const std::string wav = (folder_.Path() / "out.wav").string();
  auto* backend = Start("frames 5\n", 16, wav);
  ASSERT_NE(backend, nullptr);
  g_next_sample = 0;
  g_rendered_frames = 0;
  ASSERT_TRUE(backend->OpenAudio(&CountingRender));
  for (int i = 0; i < 5; ++i) backend->EndFrame();
  // 5 x 16 ms at 44100 Hz: 3528 frames, fractions carried between frames.
  EXPECT_EQ(g_rendered_frames, 3528);
  platform::ResetBackend();  // closes the file
  const std::string bytes = folder_.Read("out.wav");
  ASSERT_EQ(bytes.size(), 44u + 3528 * 4);
  EXPECT_EQ(bytes.substr(0, 4), "RIFF");
  uint32_t data_size = 0;
  std::memcpy(&data_size, bytes.data() + 40, 4);
  EXPECT_EQ(data_size, 3528u * 4);
  int16_t first_right = 0;
  std::memcpy(&first_right, bytes.data() + 46, 2);
  EXPECT_EQ(first_right, 1);
}

TEST_F(HeadlessTest, BadScriptsAndOptionsAreRefused) {
  EXPECT_EQ(Start("frames 1\nfly away\n"), nullptr);
  EXPECT_EQ(platform::CreateHeadlessBackend({(folder_.Path() / "missing").string(), 16, ""}),
            nullptr);
  EXPECT_EQ(platform::CreateHeadlessBackend({"", 0, ""}), nullptr);
  EXPECT_EQ(platform::CreateHeadlessBackend({"", 16, (folder_.Path() / "no/such/a.wav").string()}),
            nullptr);
}

}  // namespace
