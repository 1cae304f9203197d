// The player started as a desktop starts it: by a data.aoat a file manager
// hands over, with no game at all, and with a game copied from Windows whose
// save must load from the per-user save folder. Also the README's picture,
// which must show the demo as it plays now.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/save/save_file.h"
#include "tests/e2e/e2e_support.h"

namespace {

namespace fs = std::filesystem;
using e2e::Contains;
using e2e::RunPlayer;
using e2e::RunResult;
using e2e::Trace;
using test_support::TempFolder;

// The demo's menu: the load entry lies 32 px below the end entry
// (x 535..614, y 292..307).
constexpr int kLoadX = 575, kLoadY = 330;

// Past the logo, onto the story's first line, then the menu's load.
const std::string kLoadScript =
    "wait 2100\n" + e2e::Clicks(1, 300, 100) + e2e::Clicks(1, kLoadX, kLoadY) + "frames 3\n";

fs::path DemoGame() {
  return test_support::BinaryDir() / "demo-game";
}

void WriteWindowsSave(const TempFolder& folder, int page, int line) {
  runtime::SaveData save;
  save.page = page;
  save.line = line;
  save.song = 1;
  const std::vector<uint8_t> bytes = runtime::EncodeSave(save);
  folder.Write("game/S.DAT", std::string(bytes.begin(), bytes.end()));
}

// The demo copied to `folder`/game as a Windows disk gives it: the project
// file in upper case, with a save at page `page`, line `line`.
void CopyDemoAsFromWindows(const TempFolder& folder, int page, int line) {
  fs::copy(DemoGame(), folder.Path() / "game", fs::copy_options::recursive);
  fs::rename(folder.Path() / "game" / "data.aoat", folder.Path() / "game" / "DATA.AOAT");
  WriteWindowsSave(folder, page, line);
}

// The one per-game folder under the run's data home, or "" when none.
std::string DataSaveFolder(const TempFolder& folder) {
  const fs::path base = folder.Path() / "home" / ".local" / "share" / "aoat-player";
  std::error_code ec;
  if (!fs::is_directory(base, ec)) return {};
  const std::vector<std::string> names = folder.Entries("home/.local/share/aoat-player");
  return names.size() == 1 ? (base / names.front()).string() : std::string();
}

TEST(DesktopStart, ADataAoatPathPlaysItsFolder) {
  TempFolder folder;
  fs::copy(DemoGame(), folder.Path() / "game", fs::copy_options::recursive);
  fs::rename(folder.Path() / "game" / "data.aoat", folder.Path() / "game" / "Data.Aoat");
  folder.Write("script.txt", "wait 2100\n" + e2e::Clicks(1, 300, 100));
  for (const char* given : {"game/Data.Aoat", "game"}) {
    SCOPED_TRACE(given);
    const RunResult run = RunPlayer(
        folder, std::string("--headless --script script.txt --trace trace.jsonl ") + given);
    ASSERT_EQ(run.exit_code, 0) << run.err;
    const Trace trace(folder.Read("trace.jsonl"));
    EXPECT_EQ(trace.Named("title").size(), 1u);
    EXPECT_GE(trace.FindPage(0, 0).Frame(), 0) << "the story starts";
    EXPECT_FALSE(Contains(run.err, "demo")) << run.err;
  }
  // A file that is not a project file names no game.
  const RunResult wrong = RunPlayer(folder, "--headless game/lyout/title.bmp");
  EXPECT_EQ(wrong.exit_code, 1);
  EXPECT_TRUE(Contains(wrong.err, "neither a game folder nor a data.aoat")) << wrong.err;
}

TEST(DesktopStart, NoGameAnywherePlaysTheDemoAndSaysSo) {
  TempFolder folder;
  folder.Write("script.txt", "wait 2100\n" + e2e::Clicks(1, 300, 100));
  const RunResult run = RunPlayer(folder, "--headless --script script.txt --trace trace.jsonl");
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_TRUE(Contains(run.err, "playing the demo in " + DemoGame().string())) << run.err;
  const Trace trace(folder.Read("trace.jsonl"));
  EXPECT_EQ(trace.SongStarts("title.mid"), 1);
}

TEST(DesktopStart, AWindowsSaveIsCopiedOnceNeverOverwrittenAndLoads) {
  TempFolder folder;
  CopyDemoAsFromWindows(folder, 2, 1);
  folder.Write("script.txt", kLoadScript);
  const std::string args = "--headless --script script.txt --trace trace.jsonl game";

  // First start: the save is copied into the data folder and loads.
  const RunResult first = RunPlayer(folder, args);
  ASSERT_EQ(first.exit_code, 0) << first.err;
  const std::string save_folder = DataSaveFolder(folder);
  ASSERT_FALSE(save_folder.empty());
  EXPECT_EQ(fs::path(save_folder).filename().string().rfind("game-", 0), 0u) << save_folder;
  EXPECT_TRUE(Contains(first.err, "copied the game's save")) << first.err;
  EXPECT_TRUE(Contains(first.err, "saves are kept in " + save_folder + "/")) << first.err;
  const std::string copied =
      folder.Read(fs::relative(fs::path(save_folder) / "s.dat", folder.Path()).string());
  EXPECT_EQ(copied, folder.Read("game/S.DAT"));
  EXPECT_GE(Trace(folder.Read("trace.jsonl")).FindPage(2, 1).Frame(), 0) << "the save loads";

  // Second start with another save in the game folder: the copy stays.
  WriteWindowsSave(folder, 3, 0);
  const RunResult second = RunPlayer(folder, args);
  ASSERT_EQ(second.exit_code, 0) << second.err;
  EXPECT_FALSE(Contains(second.err, "copied")) << second.err;
  const Trace again(folder.Read("trace.jsonl"));
  EXPECT_GE(again.FindPage(2, 1).Frame(), 0);
  EXPECT_LT(again.FindPage(3, 0).Frame(), 0);
  // The game folder's save was only read, and nothing was written beside it.
  const std::vector<std::string> game_entries = folder.Entries("game");
  EXPECT_EQ(std::count(game_entries.begin(), game_entries.end(), "S.DAT"), 1);
  EXPECT_EQ(std::count(game_entries.begin(), game_entries.end(), "s.dat"), 0);

  // --save-dir wins: no copy goes there, and there is nothing to load.
  const RunResult chosen = RunPlayer(folder, "--save-dir chosen " + args);
  ASSERT_EQ(chosen.exit_code, 0) << chosen.err;
  EXPECT_TRUE(
      Contains(chosen.err, "saves are kept in " + (folder.Path() / "chosen").string() + "/"))
      << chosen.err;
  EXPECT_TRUE(folder.Entries("chosen").empty());
  const Trace from_chosen(folder.Read("trace.jsonl"));
  EXPECT_LT(from_chosen.FindPage(2, 1).Frame(), 0);
  EXPECT_LT(from_chosen.FindPage(3, 0).Frame(), 0);
}

TEST(ReadmePicture, ShowsTheDemoAsItPlaysNow) {
  TempFolder folder;
  fs::copy(test_support::SourceDir() / "docs" / "images" / "demo.script",
           folder.Path() / "demo.script");
  const RunResult run =
      RunPlayer(folder, "--headless --script demo.script '" + DemoGame().string() + "'");
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const std::vector<uint8_t> now = e2e::ReadScreenshot((folder.Path() / "demo.png").string());
  const std::vector<uint8_t> committed =
      e2e::ReadScreenshot((test_support::SourceDir() / "docs" / "images" / "demo.png").string());
  ASSERT_FALSE(now.empty());
  EXPECT_TRUE(now == committed)
      << "docs/images/demo.png is out of date: run `cmake --build build --target "
         "readme-screenshot` and commit the picture";
}

}  // namespace
