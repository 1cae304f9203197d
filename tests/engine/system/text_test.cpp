#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <optional>
#include <string>

#include "engine/el.h"
#include "engine/system/internal/sjis_text.h"
#include "engine/system/internal/system.h"
#include "tests/support/support.h"

namespace {

using test_support::Sjis;

TEST(SjisText, PrefixNeverEndsInsideADoubleByteCharacter) {
  const std::string ka = Sjis("か");
  struct Case {
    std::string text;
    size_t max_bytes;
    size_t expected;
  } cases[] = {
      {"abcdef", 4, 4}, {"abc", 10, 3},  {"a" + ka, 2, 1},
      {"a" + ka, 3, 3}, {ka + ka, 3, 2}, {"ab\x83", 10, 2},  // lead byte at the end
      {"", 5, 0},       {ka, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(el::system::WholeCharacterPrefix(c.text, c.max_bytes), c.expected)
        << c.text.size() << " bytes, max " << c.max_bytes;
  }
}

TEST(SjisText, CopyFitsTheBufferWithItsTerminator) {
  char buffer[6];
  std::memset(buffer, '#', sizeof(buffer));
  EXPECT_EQ(el::system::CopyWholeCharacters(buffer, "abcdefgh"), 5u);
  EXPECT_STREQ(buffer, "abcde");
  EXPECT_EQ(el::system::CopyWholeCharacters(buffer, "abcd" + Sjis("か")), 4u);
  EXPECT_STREQ(buffer, "abcd");
}

TEST(SettingsNumber, ReadsOneDecimalIntegerAfterWhiteSpace) {
  struct Case {
    std::string text;
    std::optional<int> expected;
  } cases[] = {
      {"1", 1},
      {"0", 0},
      {"-5", -5},
      {"+7", 7},
      {"  12\n", 12},
      {"\t\r\n 3x", 3},
      {"42 17", 42},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {"x1", std::nullopt},
      {"- 1", std::nullopt},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"99999999999999999999", INT_MAX},
      {"-99999999999999999999", INT_MIN},
      {std::string(5000, '9'), INT_MAX},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(el::system::ParseSettingsNumber(c.text), c.expected)
        << '"' << c.text.substr(0, 30) << '"';
  }
}

TEST(InstallFolderLine, DropsOneLineEndAndOneTrailingSeparator) {
  const std::string hyo = Sjis("表");  // its trail byte is a backslash
  struct Case {
    std::string line;
    std::string folder;
  } cases[] = {
      {"C:\\Games\\X\n", "C:\\Games\\X"},
      {"C:\\Games\\X\\\n", "C:\\Games\\X"},
      {"C:\\Games\\X\\\\\n", "C:\\Games\\X\\"},  // only one separator
      {"C:\\Games\\X\r\n", "C:\\Games\\X"},
      {"/opt/games/x/\n", "/opt/games/x"},
      {"D:\\" + hyo + "\n", "D:\\" + hyo},  // not cut in half
      {"D:\\" + hyo + "\\\n", "D:\\" + hyo},
      {"\n", ""},
      {"", ""},
      {std::string(300, 'a'), std::string(255, 'a')},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(el::system::InstallFolderFromLine(c.line), c.folder) << c.line.substr(0, 30);
  }
}

TEST(CommandLine, CopyIsCutToTheBufferBetweenCharacters) {
  el::system::CopyCommandLine("game.exe -x");
  EXPECT_STREQ(elSystem::Parameter(), "game.exe -x");
  std::string wide;
  for (int i = 0; i < 200; ++i) wide += Sjis("か");
  el::system::CopyCommandLine("ab" + wide);  // 255 bytes would end inside a character
  EXPECT_EQ(std::string(elSystem::Parameter()), ("ab" + wide).substr(0, 254));
}

}  // namespace
