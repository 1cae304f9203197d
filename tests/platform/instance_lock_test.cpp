// The single-instance lock: a second holder is refused and asks the first to
// raise its window; a released lock can be taken again.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "platform/instance_lock.h"
#include "platform/platform.h"
#include "tests/support/support.h"

namespace {

using platform::InstanceLock;

class InstanceLockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetInstanceLockFolder(folder_.Path().string());
    platform::TakeRaiseRequest();
  }
  void TearDown() override {
    platform::ReleaseInstanceLock();
    platform::SetInstanceLockFolder("");
  }
  test_support::TempFolder folder_;
};

TEST_F(InstanceLockTest, SecondAcquisitionIsRefusedAndAsksForTheWindow) {
  EXPECT_EQ(platform::AcquireInstanceLock(":ElMutex", "title"), InstanceLock::kAcquired);
  EXPECT_EQ(platform::InstanceLockTitle(), "title");
  EXPECT_FALSE(platform::TakeRaiseRequest());
  EXPECT_EQ(platform::AcquireInstanceLock(":ElMutex", "title"), InstanceLock::kAlreadyRunning);
  EXPECT_TRUE(platform::TakeRaiseRequest());
  EXPECT_FALSE(platform::TakeRaiseRequest());
  // Other names are other locks.
  EXPECT_EQ(platform::AcquireInstanceLock("other", ""), InstanceLock::kAcquired);
}

TEST_F(InstanceLockTest, LockFileIsNamedSafelyAndHoldsTheProcessId) {
  const std::string path = platform::InstanceLockPath(":ElMutex");
  EXPECT_EQ(path, folder_.Path().string() + "/aoat-%3AElMutex.lock");
  ASSERT_EQ(platform::AcquireInstanceLock(":ElMutex", ""), InstanceLock::kAcquired);
  std::ifstream in(path);
  long pid = 0;
  in >> pid;
  EXPECT_EQ(pid, static_cast<long>(getpid()));
  EXPECT_EQ(platform::InstanceLockPath("../x/y"),
            folder_.Path().string() + "/aoat-..%2Fx%2Fy.lock");
}

TEST_F(InstanceLockTest, ReleasedLockCanBeTakenAgain) {
  ASSERT_EQ(platform::AcquireInstanceLock("n", ""), InstanceLock::kAcquired);
  platform::ReleaseInstanceLock();
  EXPECT_EQ(platform::AcquireInstanceLock("n", ""), InstanceLock::kAcquired);
}

TEST_F(InstanceLockTest, AnotherProcessIsRefusedAndSignalsTheHolder) {
  ASSERT_EQ(platform::AcquireInstanceLock("shared", ""), InstanceLock::kAcquired);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const bool refused =
        platform::AcquireInstanceLock("shared", "") == InstanceLock::kAlreadyRunning;
    _exit(refused ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  // The signal was sent before the child exited, so it has arrived.
  EXPECT_TRUE(platform::TakeRaiseRequest());
}

}  // namespace
