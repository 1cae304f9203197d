// A program the tests start, run with a time budget: a child that outlives
// its budget is killed with everything it started, so that a hang fails its
// test instead of stopping the suite.
#pragma once

#include <string>

namespace test_support {

struct ProcessResult {
  // The shell's exit status (as std::system reports it); -1 when it did not
  // exit by itself.
  int exit_code = -1;
  // The budget ran out: the command was killed.
  bool timed_out = false;
};

// Runs `command` with /bin/sh -c in a process group of its own and waits for
// it at most `budget_ms`; past that the whole group is killed.
ProcessResult RunShellCommand(const std::string& command, int budget_ms);

}  // namespace test_support
