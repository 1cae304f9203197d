// The MCI sequencer: command strings, modes, the completion notices, songs
// that cannot be played, and the trace of commands and notices.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "platform/audio/mci.h"
#include "platform/audio/mci_command.h"
#include "platform/audio/mixer.h"
#include "platform/audio/sound_font.h"
#include "platform/platform.h"
#include "platform/trace.h"
#include "tests/support/fake_backend.h"
#include "tests/support/sound_files.h"
#include "tests/support/support.h"

namespace {

using platform::MciSendString;
namespace error = platform::mci_error;

constexpr uintptr_t kWindow = 1;

TEST(MciCommand, SplitsWordsAndQuotedPaths) {
  struct Case {
    const char* command;
    std::optional<std::vector<std::string>> words;
  };
  const Case cases[] = {
      {"play midi notify", std::vector<std::string>{"play", "midi", "notify"}},
      {"  seek\tmidi  to start ", std::vector<std::string>{"seek", "midi", "to", "start"}},
      {"open \"/a b/midi\\x.mid\" alias m",
       std::vector<std::string>{"open", "/a b/midi\\x.mid", "alias", "m"}},
      {"open \"\" alias m", std::vector<std::string>{"open", "", "alias", "m"}},
      {"", std::vector<std::string>{}},
      {"open \"/no/closing alias midi", std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(platform::audio::SplitMciCommand(c.command), c.words) << c.command;
  EXPECT_TRUE(platform::audio::SameWord("MIDI", "midi"));
  EXPECT_FALSE(platform::audio::SameWord("midi", "midi2"));
}

class MciSequencer : public ::testing::Test {
 protected:
  void SetUp() override {
    fake_ = &test_support::FakeBackend::Install();
    ASSERT_TRUE(platform::OpenSoundOutput());
    song_ = folder_.Write("midi/song.mid", test_support::MidiSong(2, 240)).string();  // 500 ms
  }
  void TearDown() override {
    MciSendString("close midi", nullptr, 0, 0);
    platform::CloseSoundOutput();
    platform::ResetBackend();
  }

  uint32_t Send(const std::string& command, uintptr_t window = 0) {
    return MciSendString(command, nullptr, 0, window);
  }
  uint32_t OpenSong(const std::string& path) {
    return Send("open \"" + path + "\" type sequencer alias midi");
  }
  std::string Mode() {
    char reply[32] = "junk";
    EXPECT_EQ(MciSendString("status midi mode", reply, sizeof reply, 0), 0u);
    return reply;
  }
  // Pulls the mix as the backend would; returns the frames.
  std::vector<int16_t> PullMs(int ms) {
    std::vector<int16_t> out(2 * static_cast<size_t>(ms) * platform::kMixRateHz / 1000);
    fake_->audio_render(out.data(), static_cast<int>(out.size() / 2));
    return out;
  }
  // The notices the window would receive now.
  std::vector<uint64_t> Notices() {
    std::vector<uint64_t> codes;
    platform::Message m;
    while (platform::PeekMessage(&m)) {
      if (m.message == platform::msg::kMciNotify) {
        EXPECT_EQ(m.lparam, platform::kMciSequencerId);
        codes.push_back(m.wparam);
      }
    }
    return codes;
  }

  test_support::FakeBackend* fake_ = nullptr;
  test_support::TempFolder folder_;
  std::string song_;
};

TEST_F(MciSequencer, ASongPlayedWithNotifyPostsSuccessAtItsEndAndCanStartAgain) {
  ASSERT_EQ(OpenSong(song_), 0u);
  EXPECT_EQ(Mode(), "stopped");
  EXPECT_EQ(Send("seek midi to start"), 0u);
  EXPECT_EQ(Send("play midi notify", kWindow), 0u);
  EXPECT_EQ(Mode(), "playing");
  PullMs(400);
  EXPECT_TRUE(Notices().empty());
  EXPECT_EQ(Mode(), "playing");
  PullMs(200);
  EXPECT_EQ(Notices(), (std::vector<uint64_t>{platform::mci::kNotifySuccessful}));
  EXPECT_EQ(Mode(), "stopped");
  // The repeat of the window procedure.
  EXPECT_EQ(Send("seek midi to start"), 0u);
  EXPECT_EQ(Send("play midi notify", kWindow), 0u);
  PullMs(400);
  EXPECT_TRUE(Notices().empty());
  PullMs(200);
  EXPECT_EQ(Notices(), (std::vector<uint64_t>{platform::mci::kNotifySuccessful}));
}

TEST_F(MciSequencer, StopSeekAndCloseAbortAPendingPlayAndANewPlaySupersedesIt) {
  using platform::mci::kNotifyAborted;
  using platform::mci::kNotifySuperseded;
  ASSERT_EQ(OpenSong(song_), 0u);
  Send("play midi notify", kWindow);
  Send("stop midi");
  EXPECT_EQ(Notices(), std::vector<uint64_t>{kNotifyAborted});
  EXPECT_EQ(Mode(), "stopped");
  Send("play midi notify", kWindow);
  Send("play midi notify", kWindow);
  EXPECT_EQ(Notices(), std::vector<uint64_t>{kNotifySuperseded});
  Send("seek midi to start");
  EXPECT_EQ(Notices(), std::vector<uint64_t>{kNotifyAborted});
  Send("play midi notify", kWindow);
  Send("close midi");
  EXPECT_EQ(Notices(), std::vector<uint64_t>{kNotifyAborted});
  // Nothing is left to end.
  PullMs(700);
  EXPECT_TRUE(Notices().empty());
}

TEST_F(MciSequencer, WithoutNotifyOrWithoutAWindowNoNoticeArrives) {
  ASSERT_EQ(OpenSong(song_), 0u);
  Send("play midi");
  PullMs(700);
  EXPECT_TRUE(Notices().empty());
  Send("seek midi to start");
  Send("play midi notify", 0);
  PullMs(700);
  EXPECT_TRUE(Notices().empty());
  // Other commands with notify complete at once.
  Send("stop midi notify", kWindow);
  EXPECT_EQ(Notices(), std::vector<uint64_t>{platform::mci::kNotifySuccessful});
}

TEST_F(MciSequencer, SeekingLastsUntilTheNextRenderedBlock) {
  ASSERT_EQ(OpenSong(song_), 0u);
  Send("play midi");
  PullMs(100);
  Send("seek midi to start");
  EXPECT_EQ(Mode(), "seeking");
  PullMs(1);
  EXPECT_EQ(Mode(), "stopped");
}

TEST_F(MciSequencer, RefusesWhatItCannotDo) {
  struct Case {
    const char* command;
    uint32_t expected;
  };
  EXPECT_EQ(OpenSong(folder_.Path().string() + "/midi/missing.mid"), error::kFileNotFound);
  EXPECT_EQ(Send("play midi"), error::kInvalidDeviceName);
  ASSERT_EQ(OpenSong(song_), 0u);
  const Case cases[] = {
      {"", error::kUnrecognizedCommand},
      {"pause midi", error::kUnrecognizedCommand},
      {"play", error::kMissingParameter},
      {"play other", error::kInvalidDeviceName},
      {"play midi from 0", error::kUnrecognizedKeyword},
      {"seek midi to 5", error::kUnrecognizedKeyword},
      {"seek midi", error::kMissingParameter},
      {"status midi", error::kMissingParameter},
      {"status midi length", error::kUnrecognizedKeyword},
      {"stop midi now", error::kUnrecognizedKeyword},
      {"open \"x.mid alias midi", error::kNoClosingQuote},
      {"open x.mid type waveaudio alias w", error::kInvalidDeviceName},
      {"open x.mid alias", error::kMissingParameter},
  };
  for (const Case& c : cases) EXPECT_EQ(Send(c.command), c.expected) << c.command;
  // One sequencer: the same alias again, or a second device.
  EXPECT_EQ(OpenSong(song_), error::kDuplicateAlias);
  EXPECT_EQ(Send("open \"" + song_ + "\" alias other"), error::kDeviceOpen);
  EXPECT_EQ(Send("CLOSE MIDI"), 0u);
  EXPECT_EQ(Send("close midi"), error::kInvalidDeviceName);
}

TEST_F(MciSequencer, AFileThatIsNotAPlayableSongIsNotReadyAndNeverEnds) {
  const std::string good = test_support::MidiSong(2, 240);
  const std::string files[] = {
      "not a midi file at all", good.substr(0, 20),  // header, then a cut track
  };
  for (const std::string& bytes : files) {
    const std::string path = folder_.Write("bad.mid", bytes).string();
    ASSERT_EQ(OpenSong(path), 0u);
    const uint32_t played = Send("play midi notify", kWindow);
    PullMs(100);
    EXPECT_EQ(Mode(), "not ready");
    if (played == 0) PullMs(700);
    EXPECT_EQ(Send("play midi notify", kWindow), error::kDeviceNotReady);
    const std::vector<uint64_t> notices = Notices();
    for (const uint64_t code : notices) EXPECT_NE(code, platform::mci::kNotifySuccessful);
    Send("close midi");
  }
}

TEST_F(MciSequencer, WithoutAnOutputTheSongAdvancesWithTheClock) {
  platform::CloseSoundOutput();
  ASSERT_EQ(OpenSong(song_), 0u);
  Send("play midi notify", kWindow);
  fake_->now_ms += 300;
  EXPECT_TRUE(Notices().empty());
  fake_->now_ms += 300;
  EXPECT_EQ(Notices(), std::vector<uint64_t>{platform::mci::kNotifySuccessful});
}

TEST_F(MciSequencer, CommandsAndNoticesAreTraced) {
  const std::string trace = (folder_.Path() / "trace.jsonl").string();
  ASSERT_TRUE(platform::OpenTrace(trace));
  ASSERT_EQ(OpenSong(song_), 0u);
  Send("play midi notify", kWindow);
  Send("stop midi");
  Notices();
  platform::CloseTrace();
  const std::string text = folder_.Read("trace.jsonl");
  EXPECT_NE(
      text.find("\"ev\":\"mci\",\"cmd\":\"open \\\"" + song_ + "\\\" type sequencer alias midi\"}"),
      std::string::npos);
  EXPECT_NE(text.find("\"ev\":\"mci\",\"cmd\":\"play midi notify\"}"), std::string::npos);
  EXPECT_NE(text.find("\"ev\":\"mci-notify\",\"code\":4}"), std::string::npos);
}

TEST_F(MciSequencer, ThePlayingSongIsHeardInTheMix) {
  if (platform::FindSoundFont().empty()) GTEST_SKIP() << "no sound font installed";
  ASSERT_EQ(OpenSong(song_), 0u);
  const auto silent = PullMs(50);
  Send("play midi");
  const auto heard = PullMs(200);
  const auto energy = [](const std::vector<int16_t>& s) {
    double sum = 0;
    for (const int16_t v : s) sum += static_cast<double>(v) * v;
    return std::sqrt(sum / static_cast<double>(s.size()));
  };
  EXPECT_EQ(energy(silent), 0.0);
  EXPECT_GT(energy(heard), 100.0);
  Send("close midi");
  PullMs(10);  // voices fade out within a few milliseconds
  EXPECT_EQ(energy(PullMs(50)), 0.0);
}

}  // namespace

namespace {

// Runs in a process of its own: the synthesizer is made once per process.
[[noreturn]] void PlaySongWithoutASoundFont() {
  auto& fake = test_support::FakeBackend::Install();
  platform::OpenSoundOutput();
  test_support::TempFolder folder;
  const std::string song = folder.Write("a.mid", test_support::MidiSong(2, 240)).string();
  platform::SetSoundFont("/nonexistent/none.sf2");
  MciSendString("open \"" + song + "\" alias midi", nullptr, 0, 0);
  MciSendString("play midi notify", nullptr, 0, kWindow);
  std::vector<int16_t> out(2 * 600 * 441 / 10);
  fake.audio_render(out.data(), static_cast<int>(out.size() / 2));
  bool loud = false;
  for (const int16_t v : out) loud = loud || v != 0;
  platform::Message m;
  bool ended = false;
  while (platform::PeekMessage(&m)) ended = ended || m.message == platform::msg::kMciNotify;
  std::exit(!loud && ended ? 0 : 1);
}

TEST(MciSequencerDeathTest, WithoutASoundFontSongsAreSilentYetEndAsUsual) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(PlaySongWithoutASoundFont(), ::testing::ExitedWithCode(0),
              "cannot load the sound font /nonexistent/none.sf2; songs are silent");
}

}  // namespace
