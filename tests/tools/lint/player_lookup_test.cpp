// lint on real game folders, with the player's own file lookup.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "tests/platform/bmp_builder.h"
#include "tests/support/sound_files.h"
#include "tests/support/support.h"
#include "tools/cli/commands.h"
#include "tools/lint/lint.h"
#include "tools/story_source/build.h"

namespace {

using test_support::Sjis;

struct Outcome {
  int status;
  std::string out;
};

Outcome Lint(const std::string& path) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::Run({"lint", path}, out, err);
  return {status, out.str() + err.str()};
}

// A game whose list names differ from the files in case, in folder
// separators and in encoding, as games copied from Windows do.
void MakeGame(const test_support::TempFolder& game) {
  const auto built = story_source::BuildStory(R"({
    "assets": {"persons": ["Sub\\Taro.BMP"], "backs": ["森.bmp"], "sounds": ["DOOR.wav"]},
    "pages": [{"back": 1, "lines": [{"text": "a", "person": 1, "sound": 1}], "end": 1},
              {"lines": ["b"], "end": 0}]})");
  ASSERT_TRUE(built.ok);
  game.Write("data.aoat", std::string(built.image.begin(), built.image.end()));
  for (const char* file : {"lyout/mark.bmp", "lyout/Mouse.BMP", "lyout/title.bmp",
                           "person/sub/taro.bmp", "backmain/森.bmp"})
    game.Write(file, test_support::MakeBmp({}));
  game.Write("wav/door.wav",
             test_support::WaveFile(1, 22050, 16, test_support::ConstantPcm16(8, 1, 0)));
}

TEST(LintPlayerLookup, FindsFilesAsThePlayerDoes) {
  test_support::TempFolder game;
  MakeGame(game);
  const lint::FileLookup lookup = lint::PlayerLookup(game.Path().string());
  EXPECT_TRUE(lookup("person\\Sub\\Taro.BMP").has_value());
  EXPECT_TRUE(lookup("backmain\\" + Sjis("森") + ".bmp").has_value());
  EXPECT_FALSE(lookup("wav\\window.wav").has_value());
  const Outcome clean = Lint(game.Path().string());
  EXPECT_EQ(clean.status, 0) << clean.out;
  EXPECT_NE(clean.out.find("aoat lint: 0 errors, 0 warnings"), std::string::npos) << clean.out;
}

TEST(LintPlayerLookup, ReportsMissingFilesAndExitsWithOne) {
  test_support::TempFolder game;
  MakeGame(game);
  std::filesystem::remove(game.Path() / "wav" / "door.wav");
  const Outcome broken = Lint((game.Path() / "data.aoat").string());  // the file's folder is linted
  EXPECT_EQ(broken.status, 1);
  EXPECT_NE(broken.out.find(
                "data.aoat: error: sound 1: the file \"wav\\DOOR.wav\" is not in the game folder"),
            std::string::npos)
      << broken.out;
  EXPECT_NE(broken.out.find("1 error, 0 warnings"), std::string::npos) << broken.out;
}

TEST(LintPlayerLookup, ReportsAFileOfTheWrongSizeAndAMissingOne) {
  test_support::TempFolder game;
  MakeGame(game);
  std::string image = game.Read("data.aoat");
  image += "extra";
  game.Write("data.aoat", image);
  const Outcome longer = Lint(game.Path().string());
  EXPECT_EQ(longer.status, 1);
  EXPECT_NE(longer.out.find("data.aoat: error: the file is 1957573 bytes, 5 more"),
            std::string::npos)
      << longer.out;
  test_support::TempFolder empty;
  const Outcome none = Lint(empty.Path().string());
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.out.find("there is no data.aoat in the folder"), std::string::npos) << none.out;
}

// Files that are there but that the player cannot use: each is named with
// what is wrong, and the lint fails.
TEST(LintPlayerLookup, DecodesEveryListedFileAsThePlayerWould) {
  test_support::TempFolder game;
  MakeGame(game);
  const std::string bmp = test_support::MakeBmp({});
  game.Write("lyout/title.bmp", bmp.substr(0, bmp.size() - 1));
  std::filesystem::remove(game.Path() / "lyout" / "mark.bmp");
  std::filesystem::create_directory(game.Path() / "lyout" / "mark.bmp");
  std::filesystem::remove(game.Path() / "person" / "sub" / "taro.bmp");
  ASSERT_EQ(::mkfifo((game.Path() / "person" / "sub" / "taro.bmp").c_str(), 0600), 0);
  std::filesystem::remove(game.Path() / "backmain" / "森.bmp");
  std::filesystem::create_symlink("/dev/zero", game.Path() / "backmain" / "森.bmp");
  const std::string wave = game.Read("wav/door.wav");
  game.Write("wav/door.wav", wave.substr(0, wave.size() - 4));
  const Outcome broken = Lint(game.Path().string());
  EXPECT_EQ(broken.status, 1);
  for (const char* expected : {
           "the title screen: the file \"lyout\\title.bmp\" cannot be read as a BMP",
           "the start-up logo: the file \"lyout\\mark.bmp\" is not a regular file",
           "person picture 1: the file \"person\\Sub\\Taro.BMP\" is not a regular file",
           "sound 1: the file \"wav\\DOOR.wav\" cannot be played: truncated",
           "5 errors",
       })
    EXPECT_NE(broken.out.find(expected), std::string::npos) << expected << "\n" << broken.out;
}

}  // namespace
