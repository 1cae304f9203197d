// The record of read lines: one mark per page and line, its file (written
// whole, read back within its size, refused when it is anything else), and
// its place in the user's data folder, one per game.
#include "runtime/comforts/read_record.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/support/support.h"

namespace {

using comforts::ReadRecord;

TEST(ComfortReadRecord, MarksOneLineOfOnePage) {
  ReadRecord record;
  EXPECT_FALSE(record.Has(12, 3));
  EXPECT_TRUE(record.Mark(12, 3));
  EXPECT_FALSE(record.Mark(12, 3)) << "marked once";
  EXPECT_TRUE(record.Has(12, 3));
  EXPECT_FALSE(record.Has(12, 4));
  EXPECT_FALSE(record.Has(13, 3));
  EXPECT_TRUE(record.Mark(999, 9));
  for (const auto& [page, line] : std::vector<std::pair<int, int>>{
           {-1, 0}, {1000, 0}, {0, -1}, {0, 10}, {INT32_MIN, INT32_MAX}}) {
    EXPECT_FALSE(record.Mark(page, line)) << page << "," << line;
    EXPECT_FALSE(record.Has(page, line)) << page << "," << line;
  }
}

TEST(ComfortReadRecord, FileBytesRoundTripAndForeignBytesAreRefused) {
  ReadRecord record;
  record.Mark(0, 0);
  record.Mark(500, 7);
  const std::vector<uint8_t> bytes = record.FileBytes();
  ASSERT_EQ(bytes.size(), ReadRecord::kFileBytes);
  ReadRecord back;
  ASSERT_TRUE(back.FromFileBytes(bytes));
  EXPECT_TRUE(back.Has(0, 0));
  EXPECT_TRUE(back.Has(500, 7));
  EXPECT_FALSE(back.Has(500, 6));

  std::vector<uint8_t> short_file(bytes.begin(), bytes.end() - 1);
  std::vector<uint8_t> long_file = bytes;
  long_file.push_back(0);
  std::vector<uint8_t> wrong_tag = bytes;
  wrong_tag[0] = 'X';
  ReadRecord untouched;
  untouched.Mark(1, 1);
  for (const auto& bad : {short_file, long_file, wrong_tag, std::vector<uint8_t>{}}) {
    EXPECT_FALSE(untouched.FromFileBytes(bad));
    EXPECT_TRUE(untouched.Has(1, 1));
    EXPECT_FALSE(untouched.Has(0, 0));
  }
}

TEST(ComfortReadRecord, KeptInAFileAndReadBack) {
  test_support::TempFolder folder;
  const std::string path = (folder.Path() / "deep" / "read-lines.dat").string();
  ReadRecord record;
  std::string error;
  ASSERT_TRUE(comforts::LoadReadRecord(path, &record, &error)) << "no file yet is an empty record";
  record.Mark(3, 2);
  ASSERT_TRUE(comforts::SaveReadRecord(path, record, &error)) << error;
  ReadRecord back;
  ASSERT_TRUE(comforts::LoadReadRecord(path, &back, &error)) << error;
  EXPECT_TRUE(back.Has(3, 2));
  EXPECT_EQ(std::filesystem::file_size(path), ReadRecord::kFileBytes);
}

TEST(ComfortReadRecord, OnlyARegularFileOfTheRightSizeIsRead) {
  test_support::TempFolder folder;
  ReadRecord good;
  good.Mark(7, 7);
  std::string error;
  const std::string target = (folder.Path() / "elsewhere.dat").string();
  ASSERT_TRUE(comforts::SaveReadRecord(target, good, &error));
  const std::string link = (folder.Path() / "link.dat").string();
  std::filesystem::create_symlink(target, link);
  const std::string big = folder.Write("big.dat", std::string(1 << 20, 'A')).string();
  std::filesystem::create_directory(folder.Path() / "dir.dat");
  for (const std::string& path : {link, big, (folder.Path() / "dir.dat").string()}) {
    ReadRecord record;
    EXPECT_FALSE(comforts::LoadReadRecord(path, &record, &error)) << path;
    EXPECT_FALSE(record.Has(7, 7)) << path;
  }
  // Writing replaces the link itself; the file it pointed to stays.
  ReadRecord other;
  other.Mark(1, 0);
  ASSERT_TRUE(comforts::SaveReadRecord(link, other, &error)) << error;
  EXPECT_FALSE(std::filesystem::is_symlink(link));
  ReadRecord kept;
  ASSERT_TRUE(comforts::LoadReadRecord(target, &kept, &error));
  EXPECT_TRUE(kept.Has(7, 7));
  EXPECT_FALSE(kept.Has(1, 0));
}

TEST(ComfortReadRecord, EachGameHasItsOwnRecordInTheUserDataFolder) {
  test_support::TempFolder folder;
  const std::string data = (folder.Path() / "data").string();
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string saved = old != nullptr ? old : "";
  setenv("XDG_DATA_HOME", data.c_str(), 1);
  platform::SetGameFolder((folder.Path() / "one" / "story").string());
  const std::string first = comforts::ReadRecordPath();
  platform::SetGameFolder((folder.Path() / "two" / "story").string());
  const std::string second = comforts::ReadRecordPath();
  platform::SetGameFolder((folder.Path() / "one" / "story").string());
  EXPECT_EQ(comforts::ReadRecordPath(), first);
  if (old != nullptr) {
    setenv("XDG_DATA_HOME", saved.c_str(), 1);
  } else {
    unsetenv("XDG_DATA_HOME");
  }
  platform::SetGameFolder("");
  EXPECT_EQ(first.rfind(data + "/", 0), 0u) << first;
  EXPECT_TRUE(first.ends_with("/read-lines.dat")) << first;
  EXPECT_NE(first, second) << "two games named alike keep apart";
}

}  // namespace
