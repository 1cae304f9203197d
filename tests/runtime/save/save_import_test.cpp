// A save that came with the game folder is copied into the per-user save
// folder once, only read where it lies, and never overwrites a save.
#include "runtime/save/save_import.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "tests/support/support.h"

namespace {

namespace fs = std::filesystem;
using Outcome = runtime::SaveImport::Outcome;
using test_support::TempFolder;

// A game folder and a data home of its own; the save folder is the
// player's default choice under that data home.
class SaveImport : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* old = std::getenv("XDG_DATA_HOME")) data_home_before_ = old;
    setenv("XDG_DATA_HOME", (root_.Path() / "data").c_str(), 1);
    fs::create_directory(root_.Path() / "game");
    platform::SetSaveFolder("");
    platform::SetGameFolder((root_.Path() / "game").string());
  }
  void TearDown() override {
    platform::SetSaveFolder("");
    platform::SetGameFolder("");
    if (data_home_before_)
      setenv("XDG_DATA_HOME", data_home_before_->c_str(), 1);
    else
      unsetenv("XDG_DATA_HOME");
  }
  // The save folder relative to the root.
  std::string SaveRelative() const {
    return fs::relative(platform::SaveFolder(), root_.Path()).string();
  }

  TempFolder root_;
  std::optional<std::string> data_home_before_;
};

TEST_F(SaveImport, CopiesOnceNeverOverwritesAndOnlyReadsTheGamesFile) {
  const struct {
    const char* name;
    std::function<void(const TempFolder&, const std::string& save)> arrange;
    Outcome outcome;
    const char* save_after;  // the save folder's s.dat afterwards; "" when none
  } cases[] = {
      {"a Windows save", [](auto& r, auto&) { r.Write("game/s.dat", "old save"); },
       Outcome::kCopied, "old save"},
      {"in upper case", [](auto& r, auto&) { r.Write("game/S.DAT", "upper"); }, Outcome::kCopied,
       "upper"},
      {"a save already made here",
       [](auto& r, auto& save) {
         r.Write("game/s.dat", "game's");
         r.Write(save + "/s.dat", "mine");
       },
       Outcome::kNothingToDo, "mine"},
      {"no save with the game", [](auto&, auto&) {}, Outcome::kNothingToDo, ""},
      {"a link out of the game folder",
       [](auto& r, auto&) {
         r.Write("elsewhere/secret", "not a save");
         fs::create_symlink(r.Path() / "elsewhere" / "secret", r.Path() / "game" / "s.dat");
       },
       Outcome::kFailed, ""},
      {"a folder named s.dat",
       [](auto& r, auto&) { fs::create_directories(r.Path() / "game" / "s.dat"); },
       Outcome::kFailed, ""},
      {"far too large for a save",
       [](auto& r, auto&) { r.Write("game/s.dat", std::string(2 * 1024 * 1024, 'x')); },
       Outcome::kFailed, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    c.arrange(root_, SaveRelative());
    const auto game_before = root_.Entries("game");
    const runtime::SaveImport import = runtime::ImportGameFolderSave();
    EXPECT_EQ(import.outcome, c.outcome) << import.error;
    EXPECT_EQ(import.outcome == Outcome::kFailed, !import.error.empty()) << import.error;
    EXPECT_EQ(root_.Entries("game"), game_before);  // nothing moved or deleted
    const fs::path save = fs::path(platform::SaveFolder()) / "s.dat";
    EXPECT_EQ(fs::exists(save) ? root_.Read(SaveRelative() + "/s.dat") : "", c.save_after);
    EXPECT_EQ(root_.Entries(SaveRelative()).size(), fs::exists(save) ? 1u : 0u);
    TearDown();
    fs::remove_all(root_.Path() / "game");
    fs::remove_all(root_.Path() / "data");
    fs::remove_all(root_.Path() / "elsewhere");
  }
}

TEST_F(SaveImport, AGivenSaveFolderGetsNoCopy) {
  root_.Write("game/s.dat", "game's");
  platform::SetSaveFolder((root_.Path() / "chosen").string());
  EXPECT_EQ(runtime::ImportGameFolderSave().outcome, Outcome::kNothingToDo);
  EXPECT_TRUE(root_.Entries("chosen").empty());
}

}  // namespace
