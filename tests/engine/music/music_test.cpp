// The music class on the sequencer: the command strings it sends, and the
// repeat at a song's end as the window procedure drives it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/el.h"
#include "platform/audio/mci.h"
#include "platform/audio/mixer.h"
#include "platform/platform.h"
#include "platform/trace.h"
#include "tests/support/engine_state.h"
#include "tests/support/fake_backend.h"
#include "tests/support/sound_files.h"
#include "tests/support/support.h"

namespace {

class MusicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake_ = &test_support::FakeBackend::Install();
    test_support::ResetEngineState();
    ASSERT_TRUE(platform::OpenSoundOutput());
    platform::SetGameFolder(folder_.Path().string() + "/");
    hwnd = 1;
    folder_.Write("midi/a.mid", test_support::MidiSong(2, 240));  // 500 ms
    folder_.Write("midi/b.mid", test_support::MidiSong(4, 240));  // 1000 ms
    elMusic::Init();
    ASSERT_TRUE(platform::OpenTrace(TracePath()));
  }
  void TearDown() override {
    platform::CloseTrace();
    test_support::ResetEngineState();  // the song closed, the output with the sounds
    platform::ResetBackend();
    hwnd = 0;
  }

  std::string TracePath() const { return (folder_.Path() / "trace.jsonl").string(); }
  // The MCI commands sent since the last call.
  std::vector<std::string> Commands() {
    platform::CloseTrace();
    std::vector<std::string> commands;
    const std::string text = folder_.Read("trace.jsonl");
    const std::string key = "\"ev\":\"mci\",\"cmd\":\"";
    for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
      const size_t start = at + key.size();
      commands.push_back(text.substr(start, text.find("\"}", start) - start));
    }
    EXPECT_TRUE(platform::OpenTrace(TracePath()));
    return commands;
  }
  void PullMs(int ms) {
    std::vector<int16_t> out(2 * static_cast<size_t>(ms) * platform::kMixRateHz / 1000);
    fake_->audio_render(out.data(), static_cast<int>(out.size() / 2));
  }
  // The window procedure's handling of the notice; returns how many arrived.
  int DeliverNotices() {
    int notices = 0;
    platform::Message m;
    while (platform::PeekMessage(&m)) {
      if (m.message != platform::msg::kMciNotify) continue;
      ++notices;
      if (m.wparam != platform::mci::kNotifySuccessful || elMusic::PlayMusic != 1) continue;
      char reply[32];
      platform::MciSendString("status midi mode", reply, sizeof reply, 0);
      if (reply[0] == 's' && reply[1] == 't') elMusic::Replay();
    }
    return notices;
  }
  std::string Mode() {
    char reply[32];
    platform::MciSendString("status midi mode", reply, sizeof reply, 0);
    return reply;
  }

  test_support::FakeBackend* fake_ = nullptr;
  test_support::TempFolder folder_;
};

TEST_F(MusicTest, PlayOpensTheSongUnderTheOneAliasAndStartsItWithANotice) {
  elMusic::Play("midi\\a.mid", 1);
  EXPECT_EQ(elMusic::PlayMusic, 1);
  EXPECT_EQ(elMusic::LoopMusic, 0);
  EXPECT_EQ(elMusic::LoopMode, 1);
  // The trace shows the command as JSON: quotes and backslashes escaped.
  std::string path = std::string(elSystem::Directory(0)) + "midi\\a.mid";
  for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 2))
    path.insert(at, 1, '\\');
  const std::string open = "open \\\"" + path + "\\\" type sequencer alias midi";
  EXPECT_EQ(Commands(), (std::vector<std::string>{open, "seek midi to start", "play midi notify"}));
  EXPECT_EQ(Mode(), "playing");
}

TEST_F(MusicTest, ANewSongClosesTheOldOneFirst) {
  elMusic::Play("midi\\a.mid", 1);
  Commands();
  elMusic::Play("midi\\b.mid", 0);
  const auto commands = Commands();
  ASSERT_EQ(commands.size(), 5u);
  EXPECT_EQ(commands[0], "stop midi");
  EXPECT_EQ(commands[1], "close midi");
  EXPECT_NE(commands[2].find("b.mid"), std::string::npos);
  EXPECT_EQ(elMusic::LoopMode, 0);
  EXPECT_EQ(Mode(), "playing");
}

TEST_F(MusicTest, StopSendsNothingWithoutASong) {
  elMusic::Stop();
  EXPECT_TRUE(Commands().empty());
  elMusic::Play("midi\\a.mid", 1);
  Commands();
  elMusic::Stop();
  EXPECT_EQ(Commands(), (std::vector<std::string>{"stop midi", "close midi"}));
  EXPECT_EQ(elMusic::PlayMusic, 0);
  elMusic::DestroyObject();  // unconditional
  EXPECT_EQ(Commands(), (std::vector<std::string>{"stop midi", "close midi"}));
}

TEST_F(MusicTest, ALoopedSongStartsAgainAtEachEnd) {
  elMusic::Play("midi\\a.mid", 1);
  for (int round = 0; round < 3; ++round) {
    PullMs(450);
    EXPECT_EQ(DeliverNotices(), 0);
    PullMs(100);
    EXPECT_EQ(DeliverNotices(), 1);
    EXPECT_EQ(elMusic::LoopMusic, 1);
    EXPECT_EQ(Mode(), "playing");
  }
  EXPECT_EQ(elMusic::PlayMusic, 1);
}

TEST_F(MusicTest, AfterNoLoopTheSongEndsAndTheDeviceCloses) {
  elMusic::Play("midi\\a.mid", 1);
  elMusic::NoLoop();
  PullMs(550);
  EXPECT_EQ(DeliverNotices(), 1);
  EXPECT_EQ(elMusic::PlayMusic, 0);
  EXPECT_EQ(elMusic::LoopMusic, 1);
  const auto commands = Commands();
  EXPECT_EQ(commands.back(), "close midi");
  PullMs(1000);
  EXPECT_EQ(DeliverNotices(), 0);
}

TEST_F(MusicTest, AnEndNoticeOfAnEarlierSongDoesNotRestartTheNewOne) {
  elMusic::Play("midi\\a.mid", 1);
  PullMs(550);  // a's end is noticed, but not yet delivered
  elMusic::Play("midi\\b.mid", 1);
  PullMs(100);
  EXPECT_EQ(DeliverNotices(), 1);
  EXPECT_EQ(elMusic::LoopMusic, 0);  // no Replay: b reports "playing"
  const auto commands = Commands();
  EXPECT_EQ(std::count(commands.begin(), commands.end(), "seek midi to start"), 2);
}

}  // namespace
