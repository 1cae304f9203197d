#include "tests/support/process.h"

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <thread>

namespace test_support {
namespace {

inline constexpr auto kPollInterval = std::chrono::milliseconds(5);

// Waits for `child` until `deadline`; false when it is still running then.
bool WaitUntil(pid_t child, std::chrono::steady_clock::time_point deadline, int* status) {
  for (;;) {
    const pid_t done = waitpid(child, status, WNOHANG);
    if (done == child) return true;
    if (done < 0 && errno != EINTR) return true;  // nothing left to wait for
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
}

}  // namespace

ProcessResult RunShellCommand(const std::string& command, int budget_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(budget_ms);
  ProcessResult result;
  const pid_t child = fork();
  if (child < 0) return result;
  if (child == 0) {
    // Only async-signal-safe calls between fork and exec.
    setpgid(0, 0);
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  // Also here, so that the group exists whichever of the two runs first.
  setpgid(child, child);
  int status = 0;
  if (!WaitUntil(child, deadline, &status)) {
    kill(-child, SIGKILL);
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    result.timed_out = true;
    return result;
  }
  if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  return result;
}

}  // namespace test_support
