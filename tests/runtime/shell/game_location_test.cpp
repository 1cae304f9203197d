// The game a start plays: a folder, the folder of a data.aoat, the current
// folder when it holds a game, else the installed demo.
#include "runtime/shell/game_location.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/support.h"

namespace {

using runtime::LocateGame;
using test_support::TempFolder;

TEST(GameLocation, TheDemoLiesBesideTheInstalledOrTheBuiltProgram) {
  EXPECT_EQ(runtime::DemoFolderCandidates("/usr/bin/aoat-player"),
            (std::vector<std::string>{"/usr/share/aoat-player/demo", "/usr/bin/demo-game"}));
  EXPECT_EQ(runtime::DemoFolderCandidates("/home/u/src/build/aoat-player"),
            (std::vector<std::string>{"/home/u/src/share/aoat-player/demo",
                                      "/home/u/src/build/demo-game"}));
  EXPECT_TRUE(runtime::DemoFolderCandidates("").empty());
}

TEST(GameLocation, AnArgumentIsAFolderOrItsDataAoat) {
  TempFolder root;
  root.Write("story/DATA.AOAT", "project");
  root.Write("story/readme.txt", "not a game");
  const std::string story = (root.Path() / "story").string();
  const std::string program = (root.Path() / "bin" / "aoat-player").string();
  const struct {
    std::string given;
    std::string folder;  // "" when refused
    const char* error_part;
  } cases[] = {
      {story, story, ""},
      {"story", story, ""},  // relative to the current folder
      {"story/", story, ""},
      {story + "/DATA.AOAT", story, ""},
      {"story/DATA.AOAT", story, ""},
      {"story/readme.txt", "", "neither a game folder nor a data.aoat"},
      {"nowhere", "", "no game folder at 'nowhere'"},
      {"story/data.aoat.bak", "", "no game folder at"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given);
    const auto location = LocateGame(c.given, root.Path().string(), program);
    EXPECT_EQ(location.folder, c.folder);
    EXPECT_FALSE(location.demo);
    EXPECT_NE(location.error.find(c.error_part), std::string::npos) << location.error;
  }
}

TEST(GameLocation, WithoutAnArgumentTheCurrentGameElseTheDemoPlays) {
  TempFolder root;
  root.Write("prefix/share/aoat-player/demo/data.aoat", "demo");
  root.Write("here/Data.Aoat", "a game");
  root.Write("empty/readme.txt", "");
  const std::string installed = (root.Path() / "prefix" / "bin" / "aoat-player").string();
  const std::string demo = (root.Path() / "prefix" / "share" / "aoat-player" / "demo").string();
  const std::string here = (root.Path() / "here").string();
  const std::string empty = (root.Path() / "empty").string();

  const auto in_game = LocateGame("", here, installed);
  EXPECT_EQ(in_game.folder, here);
  EXPECT_FALSE(in_game.demo);

  const auto in_empty = LocateGame("", empty, installed);
  EXPECT_EQ(in_empty.folder, demo);
  EXPECT_TRUE(in_empty.demo);

  // A program without an installed demo plays the current folder, as it is.
  const auto no_demo = LocateGame("", empty, (root.Path() / "elsewhere" / "aoat-player").string());
  EXPECT_EQ(no_demo.folder, empty);
  EXPECT_FALSE(no_demo.demo);
}

}  // namespace
