#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "runtime/shell/shell.h"
#include "tests/support/support.h"

namespace {

class DebugLogTest : public ::testing::Test {
 protected:
  void SetUp() override { before_ = platform::SaveFolder(); }
  void TearDown() override { platform::SetSaveFolder(before_); }
  std::string before_;
};

TEST_F(DebugLogTest, AppendsOneFormattedLinePerCall) {
  test_support::TempFolder folder;
  platform::SetSaveFolder(folder.Path().string() + "/");
  DEBUG("page %d line %d", 12, 3);
  DEBUG("%s", "done");
  EXPECT_EQ(folder.Read("DEBUG.TXT"), "page 12 line 3\ndone\n");
}

TEST_F(DebugLogTest, DoesNothingWhenTheFileCannotBeOpened) {
  test_support::TempFolder folder;
  folder.Write("blocked", "a file where the folder should be");
  platform::SetSaveFolder((folder.Path() / "blocked").string() + "/");
  DEBUG("lost");
  EXPECT_EQ(folder.Read("blocked"), "a file where the folder should be");
}

}  // namespace
