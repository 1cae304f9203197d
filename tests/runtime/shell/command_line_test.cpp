#include "runtime/shell/command_line.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using runtime::ParseCommandLine;
using runtime::PlayerOptions;

runtime::ParsedCommandLine Parse(std::vector<std::string_view> args) {
  return ParseCommandLine(args);
}

TEST(CommandLine, DefaultsWithoutArguments) {
  const auto parsed = Parse({});
  ASSERT_TRUE(parsed.ok);
  const PlayerOptions& o = parsed.options;
  EXPECT_TRUE(o.game_dir.empty());  // none given
  EXPECT_FALSE(o.display.windowed);
  EXPECT_EQ(o.display.scale, 1);
  EXPECT_EQ(o.display.scale_mode, platform::ScaleMode::kFit);
  EXPECT_FALSE(o.headless);
  EXPECT_EQ(o.frame_ms, 16);
  EXPECT_TRUE(o.trace_path.empty());
  EXPECT_TRUE(o.save_dir.empty());
}

TEST(CommandLine, AcceptedCommandLines) {
  struct Case {
    std::vector<std::string_view> args;
    std::function<void(const PlayerOptions&)> check;
  };
  const Case cases[] = {
      {{"game"}, [](const PlayerOptions& o) { EXPECT_EQ(o.game_dir, "game"); }},
      {{"--window", "--scale", "3", "dir"},
       [](const PlayerOptions& o) {
         EXPECT_TRUE(o.display.windowed);
         EXPECT_EQ(o.display.scale, 3);
         EXPECT_EQ(o.game_dir, "dir");
       }},
      {{"--scale=16"}, [](const PlayerOptions& o) { EXPECT_EQ(o.display.scale, 16); }},
      {{"--scale-mode", "integer"},
       [](const PlayerOptions& o) {
         EXPECT_EQ(o.display.scale_mode, platform::ScaleMode::kInteger);
       }},
      {{"--scale-mode=stretch"},
       [](const PlayerOptions& o) {
         EXPECT_EQ(o.display.scale_mode, platform::ScaleMode::kStretch);
       }},
      {{"--save-dir", "/tmp/s", "--soundfont", "a.sf2"},
       [](const PlayerOptions& o) {
         EXPECT_EQ(o.save_dir, "/tmp/s");
         EXPECT_EQ(o.soundfont, "a.sf2");
       }},
      {{"--headless", "--script", "s.txt", "--frame-ms", "33", "--audio-out", "o.wav", "--trace",
        "-"},
       [](const PlayerOptions& o) {
         EXPECT_TRUE(o.headless);
         EXPECT_EQ(o.script_path, "s.txt");
         EXPECT_EQ(o.frame_ms, 33);
         EXPECT_EQ(o.audio_out_path, "o.wav");
         EXPECT_EQ(o.trace_path, "-");
       }},
      {{"--trace", "t.jsonl"}, [](const PlayerOptions& o) { EXPECT_EQ(o.trace_path, "t.jsonl"); }},
      {{"--", "--window"},
       [](const PlayerOptions& o) {
         EXPECT_EQ(o.game_dir, "--window");
         EXPECT_FALSE(o.display.windowed);
       }},
      {{"-"}, [](const PlayerOptions& o) { EXPECT_EQ(o.game_dir, "-"); }},
      {{"--help"}, [](const PlayerOptions& o) { EXPECT_TRUE(o.help); }},
      {{"-h"}, [](const PlayerOptions& o) { EXPECT_TRUE(o.help); }},
      {{"--version"}, [](const PlayerOptions& o) { EXPECT_TRUE(o.version); }},
      {{"--help", "--script", "x"}, [](const PlayerOptions& o) { EXPECT_TRUE(o.help); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    const auto parsed = Parse(c.args);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    c.check(parsed.options);
  }
}

TEST(CommandLine, RefusedCommandLines) {
  struct Case {
    std::vector<std::string_view> args;
    std::string_view message_part;
  };
  const Case cases[] = {
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"--window=1"}, "unknown option"},
      {{"-x"}, "unknown option"},
      {{"--scale"}, "--scale needs a value"},
      {{"--scale", "0"}, "from 1 to 16"},
      {{"--scale", "17"}, "from 1 to 16"},
      {{"--scale", "2x"}, "whole number"},
      {{"--scale", ""}, "whole number"},
      {{"--scale", "-1"}, "whole number"},
      {{"--scale", "99999999999999999999"}, "whole number"},
      {{"--scale-mode", "zoom"}, "fit, integer or stretch"},
      {{"--headless", "--frame-ms", "0"}, "--frame-ms"},
      {{"--headless", "--frame-ms", "1001"}, "--frame-ms"},
      {{"--save-dir="}, "non-empty"},
      {{"--trace"}, "needs a value"},
      {{"a", "b"}, "more than one game folder"},
      {{""}, "game folder is empty"},
      {{"--script", "s.txt"}, "--script needs --headless"},
      {{"--audio-out", "o.wav"}, "--audio-out needs --headless"},
      {{"--frame-ms", "20"}, "--frame-ms needs --headless"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    const auto parsed = Parse(c.args);
    EXPECT_FALSE(parsed.ok);
    EXPECT_NE(parsed.error.find(c.message_part), std::string::npos) << parsed.error;
  }
}

TEST(CommandLine, UsageNamesEveryOption) {
  const std::string usage = runtime::UsageText();
  for (const char* option :
       {"--window", "--scale N", "--scale-mode", "--save-dir", "--soundfont", "--headless",
        "--script", "--trace", "--frame-ms", "--audio-out", "--help", "--version", "GAME_DIR"})
    EXPECT_NE(usage.find(option), std::string::npos) << option;
}

}  // namespace
