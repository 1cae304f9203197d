// The runner the end-to-end tests start the player with: a run that hangs is
// killed, with everything it started, and reported, instead of stopping the
// suite.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "tests/support/process.h"
#include "tests/support/support.h"

namespace {

using test_support::RunShellCommand;

TEST(PlayerRunner, ReportsTheExitStatusOfACommandWithinItsBudget) {
  const auto done = RunShellCommand("exit 3", 60'000);
  EXPECT_FALSE(done.timed_out);
  EXPECT_EQ(done.exit_code, 3);
  EXPECT_EQ(RunShellCommand("true", 60'000).exit_code, 0);
}

TEST(PlayerRunner, KillsACommandThatOutlivesItsBudgetWithWhatItStarted) {
  const test_support::TempFolder folder;
  const std::string late = (folder.Path() / "late").string();
  // The shell waits for a child of its own that would write a file a second
  // later: both must go when the budget runs out.
  const auto hung = RunShellCommand("(sleep 1; touch '" + late + "') & wait", 100);
  EXPECT_TRUE(hung.timed_out);
  EXPECT_EQ(hung.exit_code, -1);
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  EXPECT_FALSE(std::filesystem::exists(late)) << "the command's own child outlived the kill";
}

}  // namespace
