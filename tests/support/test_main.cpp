// The main of every test program. The code under test keeps saves, settings
// and screenshots in the user's folders, so each run gets a home of its own,
// removed at the end: no test reads or writes the real home.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/support.h"

int main(int argc, char** argv) {
  const test_support::TempFolder home;
  const std::filesystem::path path = home.Path();
  setenv("HOME", path.c_str(), 1);
  setenv("XDG_DATA_HOME", (path / ".local" / "share").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (path / ".config").c_str(), 1);
  setenv("XDG_CACHE_HOME", (path / ".cache").c_str(), 1);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
