// The player's comforts through the real program and the demo game: keys and
// a gamepad that click, step through the choices and skip, the backlog and
// its paused clock, the volume stage in the captured sound, the settings
// file, and --faithful, which turns all of them off.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "tests/e2e/e2e_support.h"

namespace {

using e2e::Clicks;
using e2e::Trace;

constexpr long kFollowKuro = 4;  // the demo's second choice of page 1
constexpr double kSamplesPerMs = 44.1;

// The logo, then a click on the title: the story shows page 0, line 0.
const std::string kToStory = "wait 2100\n" + Clicks(1, 300, 100);

struct PlayerRun {
  e2e::RunResult result;
  Trace trace{""};
};

PlayerRun Play(const test_support::TempFolder& folder, const std::string& script,
               const std::string& options = "") {
  folder.Write("script.txt", script);
  const std::string game = (test_support::BinaryDir() / "demo-game").string();
  PlayerRun run;
  run.result = e2e::RunPlayer(
      folder, "--headless --script script.txt --trace trace.jsonl " + options + " '" + game + "'");
  run.trace = Trace(folder.Read("trace.jsonl"));
  return run;
}

std::string Repeat(const std::string& lines, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += lines;
  return out;
}

// Page events with the frame they came in.
std::vector<std::tuple<long, long, long>> TimedPages(const Trace& trace) {
  std::vector<std::tuple<long, long, long>> pages;
  for (const e2e::Event& e : trace.Named("page"))
    pages.emplace_back(e.Int("page"), e.Int("line"), e.Frame());
  return pages;
}

std::vector<long> Ons(const Trace& trace, const char* name, const char* field) {
  std::vector<long> values;
  for (const e2e::Event& e : trace.Named(name)) values.push_back(e.Int(field));
  return values;
}

double Rms(const std::vector<int16_t>& left, long from_ms, long to_ms) {
  const auto from = static_cast<size_t>(static_cast<double>(from_ms) * kSamplesPerMs);
  const auto to =
      std::min(left.size(), static_cast<size_t>(static_cast<double>(to_ms) * kSamplesPerMs));
  double sum = 0;
  for (size_t i = from; i < to; ++i) sum += static_cast<double>(left[i]) * left[i];
  return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

bool HasSoundFont() {
  for (const char* folder : {"/usr/share/sounds/sf2", "/usr/share/soundfonts"}) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
      if (entry.path().extension() == ".sf2") return true;
  }
  return std::getenv("AOAT_SOUNDFONT") != nullptr;
}

TEST(Comforts, SpaceAndGamepadAAdvanceALineExactlyAsAClickDoes) {
  test_support::TempFolder by_click, by_space, by_pad;
  const PlayerRun click = Play(by_click, kToStory + Clicks(3, 300, 100));
  const PlayerRun space = Play(by_space, kToStory + Repeat("key 32\nframes 1\n", 3));
  const PlayerRun pad = Play(by_pad, kToStory + Repeat("pad a\nframes 1\n", 3));
  ASSERT_EQ(click.result.exit_code, 0) << click.result.err;
  const auto expected = TimedPages(click.trace);
  ASSERT_EQ(expected.size(), 4u);
  EXPECT_EQ(std::get<1>(expected.back()), 3);
  EXPECT_EQ(TimedPages(space.trace), expected);
  EXPECT_EQ(TimedPages(pad.trace), expected);
}

TEST(Comforts, DownThenEnterPicksTheSecondChoice) {
  test_support::TempFolder folder;
  // Eight Spaces read pages 0 and 1 to their choices.
  const PlayerRun run = Play(
      folder, kToStory + Repeat("key 32\nframes 1\n", 8) + "key 40\nframes 1\nkey 13\nframes 3\n");
  ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
  EXPECT_EQ(Ons(run.trace, "select", "on"), (std::vector<long>{1, 0}));
  EXPECT_EQ(run.trace.Pages().back(), (std::pair<long, long>{kFollowKuro, 0}));
}

TEST(Comforts, TheGamepadStepsThroughTheChoicesWithTheDpadAndTheStick) {
  test_support::TempFolder by_dpad, by_stick;
  // Read with A, the pointer comes to the first choice; one step down is
  // the second.
  const PlayerRun dpad =
      Play(by_dpad, kToStory + Repeat("pad a\nframes 1\n", 8) + "pad dpdown\npad a\nframes 3\n");
  ASSERT_EQ(dpad.result.exit_code, 0) << dpad.result.err;
  EXPECT_EQ(dpad.trace.Pages().back(), (std::pair<long, long>{kFollowKuro, 0}));
  // Read with the mouse, the pointer stays; the stick pushed down steps to
  // the first choice, and held on it steps on after a while.
  const PlayerRun stick =
      Play(by_stick, kToStory + Clicks(8, 300, 100) +
                         "padaxis lefty 30000\nframes 1\npadaxis lefty 0\nframes 1\npad a\n"
                         "frames 3\n");
  ASSERT_EQ(stick.result.exit_code, 0) << stick.result.err;
  EXPECT_EQ(stick.trace.Pages().back(), (std::pair<long, long>{2, 0}));
}

TEST(Comforts, HeldCtrlSkipsReadLinesToTheChoiceAndStopsThere) {
  test_support::TempFolder folder;
  // Read up to the choices, start again from the menu's restart entry, then
  // hold Ctrl over the lines read before.
  const PlayerRun run =
      Play(folder, kToStory + Clicks(8, 300, 100) + Clicks(1, 570, 283) + "frames 3\n" +
                       Clicks(1, 300, 100) + "keydown 17\nframes 90\nkeyup 17\nframes 2\n");
  ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
  const auto pages = run.trace.Pages();
  ASSERT_FALSE(pages.empty());
  EXPECT_EQ(pages.back(), (std::pair<long, long>{1, 3})) << "it stops at the choice";
  EXPECT_EQ(Ons(run.trace, "select", "on"), (std::vector<long>{1, 0, 1}));
  EXPECT_EQ(Ons(run.trace, "skip", "on"), (std::vector<long>{1, 0}));
  const e2e::Event skip_off = run.trace.Find("skip", "on", 0);
  EXPECT_EQ(skip_off.Frame(), run.trace.Named("select").back().Frame())
      << "skip ends where the choices come up";
}

TEST(Comforts, HeldCtrlOverUnreadLinesDoesNothingUnlessAllAreSkipped) {
  test_support::TempFolder read_only, all;
  const std::string script = kToStory + "keydown 17\nframes 90\nkeyup 17\nframes 2\n";
  const PlayerRun unread = Play(read_only, script);
  ASSERT_EQ(unread.result.exit_code, 0) << unread.result.err;
  EXPECT_EQ(unread.trace.Pages(), (std::vector<std::pair<long, long>>{{0, 0}}));
  EXPECT_EQ(Ons(unread.trace, "skip", "on"), (std::vector<long>{1, 0}));

  const PlayerRun skipped = Play(all, script, "--skip all");
  ASSERT_EQ(skipped.result.exit_code, 0) << skipped.result.err;
  EXPECT_EQ(skipped.trace.Pages().back(), (std::pair<long, long>{1, 3}));
  EXPECT_EQ(Ons(skipped.trace, "select", "on"), (std::vector<long>{1}));
}

TEST(Comforts, WheelUpShowsTheEarlierLinesAndClosingReturnsToTheSamePicture) {
  test_support::TempFolder folder;
  const PlayerRun run = Play(folder, kToStory + Clicks(3, 300, 100) +
                                         "shot before.png\nwheel 1\nshot log.png\nframes 30\n"
                                         "wheel -1\nframes 1\nshot after.png\n");
  ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
  EXPECT_EQ(run.trace.Pages().back(), (std::pair<long, long>{0, 3}));
  ASSERT_EQ(run.trace.Named("backlog").size(), 2u);
  EXPECT_EQ(run.trace.Named("backlog")[0].Int("open"), 1);
  EXPECT_EQ(run.trace.Named("backlog")[0].Int("lines"), 4);
  EXPECT_EQ(run.trace.Named("backlog")[1].Int("open"), 0);

  const auto before = e2e::ReadScreenshot((folder.Path() / "before.png").string());
  const auto log = e2e::ReadScreenshot((folder.Path() / "log.png").string());
  const auto after = e2e::ReadScreenshot((folder.Path() / "after.png").string());
  ASSERT_FALSE(before.empty());
  EXPECT_EQ(after, before) << "the same page, line and picture";
  // Over the light panel, the earlier lines are dark text above the newest
  // one, and a speaker's name is blue.
  int dark = 0;
  int blue = 0;
  for (size_t i = 0; i + 2 < log.size(); i += 3) {
    const size_t y = i / 3 / 640;
    if (y < 40 || y > 400) continue;
    if (log[i] < 0x40 && log[i + 1] < 0x40 && log[i + 2] < 0x40) ++dark;
    if (log[i] < 0x40 && log[i + 1] < 0x40 && log[i + 2] > 0xC0) ++blue;
  }
  EXPECT_GT(dark, 500) << "text rows of earlier lines";
  EXPECT_GT(blue, 50) << "a speaker's name";
}

TEST(Comforts, TheAutoTimerDoesNotRunWhileTheBacklogIsOpen) {
  test_support::TempFolder folder;
  // A right click selects the slow automatic mode (4 s a line); it moves on
  // at once and then every 4 s of the story's clock.
  const PlayerRun run = Play(folder, kToStory +
                                         "rclick 300 100\nwait 1000\nwheel 1\nwait 5000\n"
                                         "wheel -1\nwait 3500\n");
  ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
  const e2e::Event line1 = run.trace.FindPage(0, 1);
  const e2e::Event line2 = run.trace.FindPage(0, 2);
  const e2e::Event opened = run.trace.Find("backlog", "open", 1);
  const e2e::Event closed = run.trace.Find("backlog", "open", 0);
  ASSERT_GE(line2.TimeMs(), 0) << "the story went on after the backlog";
  EXPECT_GT(line2.TimeMs(), closed.TimeMs());
  const long open_ms = closed.TimeMs() - opened.TimeMs();
  EXPECT_NEAR(line2.TimeMs() - line1.TimeMs() - open_ms, 4000, 40);
}

TEST(Comforts, MuteSilencesTheSoundAndMuteAgainRestoresIt) {
  if (!HasSoundFont()) GTEST_SKIP() << "no sound font: the song is silent";
  test_support::TempFolder folder;
  const PlayerRun run = Play(folder, kToStory + "wait 1500\nkey 77\nwait 1500\nkey 77\nwait 1500\n",
                             "--audio-out out.wav");
  ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
  const auto volume = run.trace.Named("volume");
  ASSERT_EQ(volume.size(), 2u);
  EXPECT_EQ(volume[0].Int("mute"), 1);
  EXPECT_EQ(volume[0].Int("master"), 100);
  EXPECT_EQ(volume[1].Int("mute"), 0);
  const auto left = e2e::ReadWavLeft((folder.Path() / "out.wav").string());
  const long muted = volume[0].TimeMs();
  const long unmuted = volume[1].TimeMs();
  EXPECT_GT(Rms(left, muted - 1200, muted - 100), 100.0) << "the song plays";
  EXPECT_LT(Rms(left, muted + 100, unmuted - 100), 1.0);
  EXPECT_GT(Rms(left, unmuted + 100, unmuted + 1200), 100.0);
}

TEST(Comforts, FaithfulTurnsEveryComfortOff) {
  test_support::TempFolder folder;
  const std::string comforts_input =
      "key 32\nframes 1\npad a\nframes 1\nwheel -1\nframes 1\nkeydown 17\nframes 30\n"
      "keyup 17\nkey 9\nframes 30\nkey 9\nkey 40\nkey 13\nframes 2\nshot before.png\n"
      "wheel 1\nshot wheel.png\nkey 33\nkey 77\nwait 1000\nkey 112\nframes 1\nshot after.png\n";
  const PlayerRun run = Play(folder, kToStory + comforts_input, "--faithful --audio-out out.wav");
  ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
  EXPECT_EQ(run.trace.Pages(), (std::vector<std::pair<long, long>>{{0, 0}}));
  for (const char* name : {"backlog", "skip", "volume"})
    EXPECT_TRUE(run.trace.Named(name).empty()) << name;
  const auto before = e2e::ReadScreenshot((folder.Path() / "before.png").string());
  ASSERT_FALSE(before.empty());
  EXPECT_EQ(e2e::ReadScreenshot((folder.Path() / "wheel.png").string()), before) << "no backlog";
  EXPECT_EQ(e2e::ReadScreenshot((folder.Path() / "after.png").string()), before) << "no help";
  if (HasSoundFont()) {
    const auto left = e2e::ReadWavLeft((folder.Path() / "out.wav").string());
    const long end_ms = run.trace.All().back().TimeMs();
    EXPECT_GT(Rms(left, end_ms - 900, end_ms - 50), 100.0) << "M does not mute";
  }
}

TEST(Comforts, KeysWriteTheSettingsFileAndABrokenOneIsLeftAlone) {
  test_support::TempFolder folder;
  folder.Write("settings.toml", "# mine\n[audio]\nvolume = 50\n[extra]\nkeep = true\n");
  const PlayerRun run = Play(folder, kToStory + "key 77\nkey 189\n", "--settings settings.toml");
  ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
  const auto volume = run.trace.Named("volume");
  ASSERT_EQ(volume.size(), 2u);
  EXPECT_EQ(volume[0].Int("master"), 50);
  EXPECT_EQ(volume[0].Int("mute"), 1);
  EXPECT_EQ(volume[1].Int("master"), 40);
  const std::string written = folder.Read("settings.toml");
  EXPECT_TRUE(e2e::Contains(written, "volume = 40")) << written;
  EXPECT_TRUE(e2e::Contains(written, "mute = true")) << written;
  EXPECT_TRUE(e2e::Contains(written, "keep = true")) << written;

  test_support::TempFolder broken_folder;
  const std::string broken = "[audio]\nvolume = 50\nmute =\n";
  broken_folder.Write("settings.toml", broken);
  const PlayerRun broken_run =
      Play(broken_folder, kToStory + "key 77\n", "--settings settings.toml");
  ASSERT_EQ(broken_run.result.exit_code, 0) << broken_run.result.err;
  EXPECT_TRUE(e2e::Contains(broken_run.result.err, "settings.toml:3:")) << broken_run.result.err;
  EXPECT_EQ(broken_folder.Read("settings.toml"), broken) << "never written over";
  EXPECT_EQ(broken_run.trace.Named("volume")[0].Int("master"), 100) << "nothing of it is used";
}

TEST(Comforts, AGamepadSwitchedOffInTheSettingsIsIgnored) {
  test_support::TempFolder folder;
  folder.Write("settings.toml", "[gamepad]\nenabled = false\n");
  const PlayerRun run =
      Play(folder, kToStory + Repeat("pad a\nframes 1\n", 3), "--settings settings.toml");
  ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
  EXPECT_EQ(run.trace.Pages(), (std::vector<std::pair<long, long>>{{0, 0}}));
}

TEST(Comforts, ComfortOptionsAreRefusedWithFaithful) {
  test_support::TempFolder folder;
  for (const char* args : {"--faithful --volume 50", "--faithful --skip all", "--skip sometimes",
                           "--volume 101", "--filter bicubic"}) {
    const e2e::RunResult run = e2e::RunPlayer(folder, std::string("--headless ") + args);
    EXPECT_EQ(run.exit_code, 2) << args;
    EXPECT_TRUE(e2e::Contains(run.err, "--help")) << args << ": " << run.err;
  }
}

}  // namespace
