// Finding project files: backslashes, any case, Shift-JIS or UTF-8 names,
// and hostile names.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/platform.h"
#include "tests/support/support.h"

namespace {

using test_support::Sjis;

class ResolvePathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.Write("lyout/Mark.BMP", "m");
    folder_.Write("画像/背景.bmp", "u");
    folder_.Write(Sjis("音楽") + "/" + Sjis("曲ソ.mid"), "s");  // Shift-JIS names on disk
    folder_.Write("midi/Song.MID", "x");
    base_ = folder_.Path().string() + "/";
  }
  std::string Resolve(const std::string& name) {
    return platform::ResolvePath(name).value_or("<none>");
  }

  test_support::TempFolder folder_;
  std::string base_;
};

TEST_F(ResolvePathTest, FindsNamesInAnyFormTheProjectUses) {
  struct Case {
    std::string name;
    std::string expected;
  };
  const Case cases[] = {
      {"lyout/Mark.BMP", "lyout/Mark.BMP"},
      {"lyout\\Mark.BMP", "lyout/Mark.BMP"},
      {"LYOUT\\mark.bmp", "lyout/Mark.BMP"},
      {"midi\\song.mid", "midi/Song.MID"},
      {"midi\\\\song.mid", "midi/Song.MID"},
      {Sjis("画像\\背景.bmp"), "画像/背景.bmp"},
      {Sjis("画像\\背景.BMP"), "画像/背景.bmp"},
      {"画像\\背景.BMP", "画像/背景.bmp"},
      // "ソ" ends in the byte 5C, which must not become a separator.
      {Sjis("音楽\\曲ソ.mid"), Sjis("音楽") + "/" + Sjis("曲ソ.mid")},
      {Sjis("音楽\\曲ソ.MID"), Sjis("音楽") + "/" + Sjis("曲ソ.mid")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Resolve(base_ + c.name), base_ + c.expected) << c.expected;
  }
}

TEST_F(ResolvePathTest, MissingAndHostileNamesFindNothing) {
  const std::string cases[] = {
      "",
      base_ + "lyout/none.bmp",
      base_ + "none/Mark.BMP",
      base_ + "lyout/Mark.BMP/more",
      base_ + std::string(300, 'a'),
      base_ + std::string(5000, '/') + "x",
      base_ + "lyout/" + std::string(1, '\xFF') + "\x81",
      base_ + Sjis("画像\\無い.bmp"),
  };
  for (const std::string& name : cases) {
    EXPECT_FALSE(platform::ResolvePath(name).has_value()) << name.substr(0, 80);
  }
}

TEST_F(ResolvePathTest, NamesEndAtTheirFirstNulAndDotsAreKept) {
  const std::string with_nul = base_ + "lyout/mark.bmp" + std::string(1, '\0') + "junk";
  EXPECT_EQ(Resolve(with_nul), base_ + "lyout/Mark.BMP");
  EXPECT_EQ(Resolve(base_ + "midi/../LYOUT/./mark.bmp"), base_ + "midi/../lyout/./Mark.BMP");
}

TEST_F(ResolvePathTest, WritingPathsReuseExistingFilesAndFolders) {
  EXPECT_EQ(platform::PathForWriting(base_ + "LYOUT\\MARK.BMP"), base_ + "lyout/Mark.BMP");
  EXPECT_EQ(platform::PathForWriting(base_ + "LYOUT\\s.dat"), base_ + "lyout/s.dat");
  EXPECT_EQ(platform::PathForWriting(base_ + Sjis("画像\\保存.bmp")), base_ + "画像/保存.bmp");
  EXPECT_EQ(platform::PathForWriting(base_ + Sjis("新\\保存.bmp")), base_ + "新/保存.bmp");
}

}  // namespace

namespace {

// The engine names files as its program folder (the game folder written with
// backslashes) followed by a Shift-JIS name; relative names start there too.
TEST(ResolvePathInGameFolder, EngineFormAndRelativeNamesStartInTheGameFolder) {
  test_support::TempFolder temp;
  // A UTF-8 folder name whose last byte reads as a Shift-JIS lead byte.
  const std::string game = (temp.Path() / "データ" / "ゲームあ").string() + "/";
  temp.Write("データ/ゲームあ/" + Sjis("音楽") + "/" + Sjis("曲ソ.mid"), "s");
  temp.Write("データ/ゲームあ/lyout/Mark.bmp", "m");
  platform::SetGameFolder(game);
  std::string engine_form = game;
  std::replace(engine_form.begin(), engine_form.end(), '/', '\\');
  const std::string song = game + Sjis("音楽") + "/" + Sjis("曲ソ.mid");
  EXPECT_EQ(platform::ResolvePath(engine_form + Sjis("音楽\\曲ソ.mid")).value_or(""), song);
  EXPECT_EQ(platform::ResolvePath(Sjis("音楽\\曲ソ.MID")).value_or(""), song);
  EXPECT_EQ(platform::ResolvePath(engine_form + "LYOUT\\mark.bmp").value_or(""),
            game + "lyout/Mark.bmp");
  EXPECT_EQ(platform::ResolvePath("data.aoat"), std::nullopt);
  EXPECT_EQ(platform::PathForWriting(engine_form + "s.dat"), game + "s.dat");
  EXPECT_EQ(platform::PathForWriting(engine_form + Sjis("新\\保存.bmp")), game + "新/保存.bmp");
  platform::SetGameFolder("");
}

}  // namespace
