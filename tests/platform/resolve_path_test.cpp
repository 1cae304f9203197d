// Finding project files: backslashes, any case, Shift-JIS or UTF-8 names,
// and hostile names.
#include <gtest/gtest.h>

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
