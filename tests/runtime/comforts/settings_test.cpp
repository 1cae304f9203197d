// The settings file: every setting read, problems reported with their line
// while the rest is used, a broken file used not at all, and the text written
// back keeping what the player does not know.
#include "runtime/comforts/settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using comforts::Action;
using comforts::ParseSettings;

TEST(ComfortSettings, EverySettingIsRead) {
  const auto parsed = ParseSettings(R"(
[display]
scale_mode = "integer"
filter = "sharp-bilinear"
fullscreen = false
[audio]
volume = 70
sound_volume = 0
music_volume = 100
mute = true
[skip]
mode = "all"
[gamepad]
enabled = false
[keys]
click = ["Space", "KeypadEnter"]
help = []
)",
                                    "s.toml");
  EXPECT_TRUE(parsed.problems.empty()) << parsed.problems.front();
  EXPECT_FALSE(parsed.broken);
  const comforts::Settings& s = parsed.settings;
  EXPECT_EQ(s.scale_mode, platform::ScaleMode::kInteger);
  EXPECT_EQ(s.filter, platform::ScaleFilter::kSharpBilinear);
  EXPECT_EQ(s.full_screen, false);
  EXPECT_EQ(s.volume, 70);
  EXPECT_EQ(s.sound_volume, 0);
  EXPECT_EQ(s.music_volume, 100);
  EXPECT_EQ(s.mute, true);
  EXPECT_EQ(s.skip_all, true);
  EXPECT_EQ(s.gamepad, false);
  ASSERT_EQ(s.bindings.size(), 2u);
  EXPECT_EQ(s.bindings[0].first, Action::kClick);
  EXPECT_EQ(s.bindings[0].second, (std::vector<uint32_t>{32, 13}));
  EXPECT_EQ(s.bindings[1].first, Action::kHelp);
  EXPECT_TRUE(s.bindings[1].second.empty());
}

TEST(ComfortSettings, BadValuesAreReportedWithTheirLineAndLeftOut) {
  struct Case {
    const char* text;
    const char* problem;  // after "s.toml:"
  };
  const std::vector<Case> cases = {
      {"[audio]\nloudness = 3\n", "2: unknown setting 'audio.loudness'"},
      {"[sound]\nvolume = 3\n", "1: unknown setting 'sound'"},
      {"[audio]\nvolume = \"loud\"\n", "2: audio.volume must be a whole number from 0 to 100"},
      {"[audio]\n\nvolume = 101\n", "3: audio.volume must be a whole number from 0 to 100"},
      {"[audio]\nvolume = 5.0\n", "2: audio.volume must be a whole number from 0 to 100"},
      {"[audio]\nmute = 1\n", "2: audio.mute must be true or false"},
      {"[display]\nfilter = \"bicubic\"\n",
       "2: display.filter must be nearest, linear or sharp-bilinear"},
      {"[skip]\nmode = true\n", "2: skip.mode must be read or all"},
      {"audio = 5\n", "1: 'audio' must be a table"},
      {"[keys]\njump = [\"Space\"]\n", "2: unknown action 'keys.jump'"},
      {"[keys]\nclick = \"Space\"\n", "2: keys.click must be a list of key names"},
      {"[keys]\nclick = [\n\"Space\",\n\"Bogus\"]\n", "4: keys.click: unknown key name 'Bogus'"},
  };
  for (const Case& c : cases) {
    const auto parsed =
        ParseSettings(std::string(c.text) + "[gamepad]\nenabled = false\n", "s.toml");
    EXPECT_FALSE(parsed.broken) << c.text;
    ASSERT_EQ(parsed.problems.size(), 1u) << c.text;
    EXPECT_EQ(parsed.problems[0], std::string("s.toml:") + c.problem);
    EXPECT_FALSE(parsed.settings.volume) << c.text;
    EXPECT_TRUE(parsed.settings.bindings.empty()) << c.text;
    EXPECT_EQ(parsed.settings.gamepad, false) << "the good values are used: " << c.text;
  }
}

TEST(ComfortSettings, ABrokenFileIsNotUsedAndSaysWhere) {
  const auto parsed = ParseSettings("[audio]\nvolume = 50\nmute = \n", "s.toml");
  EXPECT_TRUE(parsed.broken);
  ASSERT_EQ(parsed.problems.size(), 1u);
  EXPECT_EQ(parsed.problems[0].rfind("s.toml:3: ", 0), 0u) << parsed.problems[0];
  EXPECT_FALSE(parsed.settings.volume);
}

TEST(ComfortSettings, WrittenTextKeepsWhatThePlayerDoesNotKnow) {
  const std::string previous = "[audio]\nvolume = 50\nfuture_setting = \"x\"\n[other]\nkept = 1\n";
  comforts::Settings settings = ParseSettings(previous, "s.toml").settings;
  settings.mute = true;
  settings.full_screen = false;
  settings.bindings.emplace_back(Action::kMute, std::vector<uint32_t>{'Q', 112});
  const std::string text = comforts::SettingsText(settings, previous);
  const auto again = ParseSettings(text, "again.toml");
  EXPECT_FALSE(again.broken);
  EXPECT_EQ(again.settings.volume, 50);
  EXPECT_EQ(again.settings.mute, true);
  EXPECT_EQ(again.settings.full_screen, false);
  ASSERT_EQ(again.settings.bindings.size(), 1u);
  EXPECT_EQ(again.settings.bindings[0].second, (std::vector<uint32_t>{'Q', 112}));
  EXPECT_NE(text.find("future_setting"), std::string::npos) << text;
  EXPECT_NE(text.find("kept"), std::string::npos) << text;
  EXPECT_EQ(text.find("[skip]"), std::string::npos) << "empty sections stay out: " << text;
}

}  // namespace
