// Whole-file writes, appends and small reads never go through a symbolic
// link, never leave a temporary file, and keep or replace as asked.
#include "platform/file_writing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/support.h"

namespace {

namespace fs = std::filesystem;
using platform::IfExists;
using platform::WriteResult;
using test_support::TempFolder;

std::vector<uint8_t> Bytes(std::string_view text) {
  return {text.begin(), text.end()};
}

TEST(FileWriting, WritesKeepsOrReplacesAsAsked) {
  const struct {
    const char* name;
    bool exists_before;
    IfExists if_exists;
    WriteResult result;
    const char* content_after;
  } cases[] = {
      {"new, replace", false, IfExists::kReplace, WriteResult::kWritten, "new"},
      {"new, keep", false, IfExists::kKeep, WriteResult::kWritten, "new"},
      {"old, replace", true, IfExists::kReplace, WriteResult::kWritten, "new"},
      {"old, keep", true, IfExists::kKeep, WriteResult::kKept, "old"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    if (c.exists_before) folder.Write("s.dat", "old");
    std::string error;
    EXPECT_EQ(platform::WriteWholeFile((folder.Path() / "s.dat").string(), Bytes("new"),
                                       c.if_exists, &error),
              c.result)
        << error;
    EXPECT_EQ(folder.Read("s.dat"), c.content_after);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"s.dat"});
  }
}

TEST(FileWriting, ALinkAtTheTargetIsReplacedOrKeptButNeverFollowed) {
  for (const IfExists if_exists : {IfExists::kReplace, IfExists::kKeep}) {
    TempFolder folder;
    const fs::path outside = folder.Write("outside/secret", "untouched");
    fs::create_directory(folder.Path() / "saves");
    const fs::path target = folder.Path() / "saves" / "s.dat";
    fs::create_symlink(outside, target);
    std::string error;
    const WriteResult result =
        platform::WriteWholeFile(target.string(), Bytes("save"), if_exists, &error);
    EXPECT_EQ(folder.Read("outside/secret"), "untouched");
    if (if_exists == IfExists::kReplace) {
      EXPECT_EQ(result, WriteResult::kWritten) << error;
      EXPECT_FALSE(fs::is_symlink(target));
      EXPECT_EQ(folder.Read("saves/s.dat"), "save");
    } else {
      EXPECT_EQ(result, WriteResult::kKept);
      EXPECT_TRUE(fs::is_symlink(target));
    }
    EXPECT_EQ(folder.Entries("saves"), std::vector<std::string>{"s.dat"});
  }
}

TEST(FileWriting, AFailedWriteSaysWhyAndLeavesNothing) {
  TempFolder folder;
  std::string error;
  EXPECT_EQ(platform::WriteWholeFile((folder.Path() / "missing" / "s.dat").string(), Bytes("x"),
                                     IfExists::kReplace, &error),
            WriteResult::kFailed);
  EXPECT_FALSE(error.empty());
  // A folder in the way of the rename.
  fs::create_directory(folder.Path() / "s.dat");
  fs::create_directory(folder.Path() / "s.dat" / "inside");
  error.clear();
  EXPECT_EQ(platform::WriteWholeFile((folder.Path() / "s.dat").string(), Bytes("x"),
                                     IfExists::kReplace, &error),
            WriteResult::kFailed);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"s.dat"});
}

TEST(FileWriting, AppendsOnlyToRegularFiles) {
  TempFolder folder;
  const std::string log = (folder.Path() / "DEBUG.TXT").string();
  EXPECT_TRUE(platform::AppendToFile(log, "one\n"));
  EXPECT_TRUE(platform::AppendToFile(log, "two\n"));
  EXPECT_EQ(folder.Read("DEBUG.TXT"), "one\ntwo\n");
  const fs::path outside = folder.Write("outside", "untouched");
  fs::create_symlink(outside, folder.Path() / "LINK.TXT");
  EXPECT_FALSE(platform::AppendToFile((folder.Path() / "LINK.TXT").string(), "x"));
  EXPECT_EQ(folder.Read("outside"), "untouched");
  ASSERT_EQ(::mkfifo((folder.Path() / "FIFO.TXT").c_str(), 0600), 0);
  EXPECT_FALSE(platform::AppendToFile((folder.Path() / "FIFO.TXT").string(), "x"));
}

TEST(FileWriting, ReadsSmallRegularFilesOnly) {
  TempFolder folder;
  folder.Write("s.dat", "12345");
  fs::create_symlink(folder.Path() / "s.dat", folder.Path() / "link.dat");
  ASSERT_EQ(::mkfifo((folder.Path() / "fifo.dat").c_str(), 0600), 0);
  fs::create_directory(folder.Path() / "folder.dat");
  const struct {
    const char* name;
    size_t max_bytes;
    bool ok;
  } cases[] = {
      {"s.dat", 5, true},     {"s.dat", 4, false},      {"link.dat", 5, false},
      {"fifo.dat", 5, false}, {"folder.dat", 5, false}, {"none.dat", 5, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.max_bytes));
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_EQ(
        platform::ReadSmallFile((folder.Path() / c.name).string(), c.max_bytes, &bytes, &error),
        c.ok);
    if (c.ok) {
      EXPECT_EQ(bytes, Bytes("12345"));
    } else {
      EXPECT_FALSE(error.empty());
    }
  }
}

}  // namespace
