// The player program run as a user runs it: its command line, its exit status
// and a short headless run with a trace.
#include <gtest/gtest.h>
#include <string>

#include "tests/e2e/e2e_support.h"

namespace {

using test_support::TempFolder;

using e2e::Contains;
using e2e::RunPlayer;
using e2e::RunResult;

TEST(PlayerCommandLine, HelpAndVersionExitWithZero) {
  TempFolder folder;
  const RunResult help = RunPlayer(folder, "--help");
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_TRUE(Contains(help.out, "Usage: aoat-player [options] [GAME_DIR]")) << help.out;
  const RunResult version = RunPlayer(folder, "--version");
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_TRUE(Contains(version.out, "aoat-player ")) << version.out;
}

TEST(PlayerCommandLine, WrongCommandLineExitsWithTwoAndSaysWhy) {
  TempFolder folder;
  for (const char* args : {"--bogus", "--scale 0", "--scale", "a b", "--script s.txt"}) {
    SCOPED_TRACE(args);
    const RunResult run = RunPlayer(folder, args);
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_TRUE(Contains(run.err, "aoat-player: ")) << run.err;
    EXPECT_TRUE(Contains(run.err, "--help")) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

TEST(PlayerCommandLine, MissingGameFolderIsAStartFailure) {
  TempFolder folder;
  const RunResult run = RunPlayer(folder, "--headless no-such-folder");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(Contains(run.err, "no-such-folder")) << run.err;
}

TEST(PlayerHeadless, EmptyGameRunsItsFramesAndExitsWithZero) {
  TempFolder folder;
  folder.Write("game/readme.txt", "no data.aoat here");
  folder.Write("script.txt", "frames 3\n");
  const RunResult run =
      RunPlayer(folder, "--headless --script script.txt --trace trace.jsonl game");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  const std::string trace = folder.Read("trace.jsonl");
  EXPECT_TRUE(Contains(trace, R"("ev":"screen","no":1})")) << trace;
  // Each frame counts once: the exit comes after the script's three frames.
  EXPECT_TRUE(Contains(trace, R"({"f":3,"t":48,"ev":"exit","code":0})")) << trace;
}

TEST(PlayerHeadless, TraceToStandardOutput) {
  TempFolder folder;
  folder.Write("game/.keep", "");
  const RunResult run = RunPlayer(folder, "--headless --trace - game");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_TRUE(Contains(run.out, R"("ev":"exit","code":0})")) << run.out;
}

}  // namespace
