// Save and load of s.dat: the byte layout, the safe write, and the rules by
// which a load is applied or refused.
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/save/save_file.h"
#include "tests/runtime/screen_fixture.h"

namespace {

using runtime_test::ScreenTest;
namespace fs = std::filesystem;

uint32_t U32At(const std::string& bytes, size_t offset) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i)
    value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + i])) << (8 * i);
  return value;
}

class SaveGame : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    picname.counts[project::kSongs] = 3;
  }
  // Page 12, line 3, items 4 and 7, song 2, pages 0 and 999 visited.
  static void PlaySomeStory() {
    sinariono = 12;
    gyou = 3;
    throwflug.fill(0);
    throwflug[0] = 1;
    throwflug[999] = 1;
    itembox.fill(0);
    itembox[0] = 4;
    itembox[1] = 7;
    itemnownum = 2;
    savemidi = 2;
  }
  static void PlayOn() {
    sinariono = 40;
    gyou = 1;
    throwflug.fill(1);
    itembox.fill(9);
    itemnownum = 5;
    savemidi = 1;
  }
  std::string SaveFile() const { return save_.Read("s.dat"); }
  void WriteSave(const std::string& bytes) const { save_.Write("s.dat", bytes); }
  static std::string Image(const runtime::SaveData& data) {
    const auto image = runtime::EncodeSave(data);
    return std::string(image.begin(), image.end());
  }
};

TEST_F(SaveGame, WritesTheStoryStateInItsLittleEndianLayout) {
  PlaySomeStory();
  ASSERT_TRUE(runtime::SaveGame());
  const std::string bytes = SaveFile();
  ASSERT_EQ(bytes.size(), 1816u);
  EXPECT_EQ(U32At(bytes, 0), 12u);
  EXPECT_EQ(U32At(bytes, 4), 3u);
  EXPECT_EQ(bytes[8], 1);
  EXPECT_EQ(bytes[9], 0);
  EXPECT_EQ(bytes[1007], 1);
  EXPECT_EQ(U32At(bytes, 1008), 4u);
  EXPECT_EQ(U32At(bytes, 1012), 7u);
  EXPECT_EQ(U32At(bytes, 1016), 0u);
  EXPECT_EQ(U32At(bytes, 1808), 2u);
  EXPECT_EQ(U32At(bytes, 1812), 2u);
  EXPECT_EQ(save_.Entries(), std::vector<std::string>{"s.dat"});  // no temporary file
  EXPECT_FALSE(fs::exists(game_.Path() / "s.dat"));
}

TEST_F(SaveGame, AFailedSaveKeepsThePreviousSave) {
  PlaySomeStory();
  ASSERT_TRUE(runtime::SaveGame());
  const std::string previous = SaveFile();
  PlayOn();
  // The disk fills up half-way through the new save.
  {
    const test_support::FileSizeLimit limit(100);
    EXPECT_FALSE(runtime::SaveGame());
  }
  EXPECT_EQ(SaveFile(), previous);
  EXPECT_EQ(save_.Entries(), std::vector<std::string>{"s.dat"});
}

TEST_F(SaveGame, ASaveThatCannotReplaceTheOldFileLeavesNoTemporaryFile) {
  fs::create_directory(save_.Path() / "s.dat");
  EXPECT_FALSE(runtime::SaveGame());
  EXPECT_TRUE(fs::is_directory(save_.Path() / "s.dat"));
  EXPECT_EQ(save_.Entries(), std::vector<std::string>{"s.dat"});
}

TEST_F(SaveGame, ASaveIntoAMissingFolderFails) {
  platform::SetSaveFolder((save_.Path() / "gone").string() + "/");
  fs::remove(save_.Path() / "gone");  // removed while the game runs
  EXPECT_FALSE(runtime::SaveGame());
}

TEST_F(SaveGame, LoadingWithoutASaveFileChangesNothing) {
  PlayOn();
  EXPECT_FALSE(runtime::LoadGame());
  EXPECT_EQ(sinariono, 40);
  EXPECT_EQ(itemnownum, 5);
  EXPECT_EQ(savemidi, 1);
}

// A save whose fields lie outside their ranges is not applied at all.
TEST_F(SaveGame, OutOfRangeFieldsRefuseTheWholeLoad) {
  struct Case {
    const char* what;
    void (*spoil)(runtime::SaveData&);
  };
  const Case cases[] = {
      {"page -1", [](runtime::SaveData& d) { d.page = -1; }},
      {"page 1000", [](runtime::SaveData& d) { d.page = 1000; }},
      {"line -1", [](runtime::SaveData& d) { d.line = -1; }},
      {"line 10", [](runtime::SaveData& d) { d.line = 10; }},
      {"item count -1", [](runtime::SaveData& d) { d.item_count = -1; }},
      {"item count 201", [](runtime::SaveData& d) { d.item_count = 201; }},
      {"song -1", [](runtime::SaveData& d) { d.song = -1; }},
      {"song beyond the list", [](runtime::SaveData& d) { d.song = 4; }},
  };
  for (const Case& c : cases) {
    runtime::SaveData data;
    data.page = 999;
    data.line = 9;
    data.visited.fill(1);
    data.item_count = 200;
    data.song = 3;
    WriteSave(Image(data));
    PlayOn();
    EXPECT_TRUE(runtime::LoadGame()) << "in range before: " << c.what;
    c.spoil(data);
    WriteSave(Image(data));
    PlayOn();
    EXPECT_FALSE(runtime::LoadGame()) << c.what;
    EXPECT_EQ(sinariono, 40) << c.what;
    EXPECT_EQ(gyou, 1) << c.what;
    EXPECT_EQ(throwflug[0], 1) << c.what;
    EXPECT_EQ(itemnownum, 5) << c.what;
    EXPECT_EQ(savemidi, 1) << c.what;
  }
}

// A shorter file fills the fields it holds whole, in order; the rest keep
// their values. A longer one is read up to 1816 bytes.
TEST_F(SaveGame, AShortFileFillsTheFieldsItHolds) {
  runtime::SaveData saved;
  saved.page = 12;
  saved.line = 3;
  saved.visited.fill(0);
  saved.items.fill(4);
  saved.item_count = 2;
  saved.song = 2;
  const std::string whole = Image(saved);
  struct Case {
    size_t size;
    int page, line, visited, item, count, song;
  };
  // Before the load: page 40, line 1, visited 1, items 9, count 5, song 1.
  const Case cases[] = {
      {0, 40, 1, 1, 9, 5, 1},    {3, 40, 1, 1, 9, 5, 1},    {4, 12, 1, 1, 9, 5, 1},
      {8, 12, 3, 1, 9, 5, 1},    {1007, 12, 3, 1, 9, 5, 1}, {1008, 12, 3, 0, 9, 5, 1},
      {1807, 12, 3, 0, 9, 5, 1}, {1808, 12, 3, 0, 4, 5, 1}, {1812, 12, 3, 0, 4, 2, 1},
      {1816, 12, 3, 0, 4, 2, 2},
  };
  for (const Case& c : cases) {
    WriteSave(whole.substr(0, c.size));
    PlayOn();
    EXPECT_TRUE(runtime::LoadGame()) << c.size;
    EXPECT_EQ(sinariono, c.page) << c.size;
    EXPECT_EQ(gyou, c.line) << c.size;
    EXPECT_EQ(throwflug[500], c.visited) << c.size;
    EXPECT_EQ(itembox[199], c.item) << c.size;
    EXPECT_EQ(itemnownum, c.count) << c.size;
    EXPECT_EQ(savemidi, c.song) << c.size;
  }
  WriteSave(whole + std::string(100, '\xFF'));
  PlayOn();
  EXPECT_TRUE(runtime::LoadGame());
  EXPECT_EQ(savemidi, 2);
}

TEST_F(SaveGame, AShortFileWithAnOutOfRangePageIsRefused) {
  WriteSave(std::string("\xE8\x03\x00\x00", 4));  // page 1000
  PlayOn();
  EXPECT_FALSE(runtime::LoadGame());
  EXPECT_EQ(sinariono, 40);
}

TEST_F(SaveGame, OnlyTheFieldsReadAreChecked) {
  savemidi = 150;  // not a listed song, but not the file's doing
  WriteSave(std::string("\x05\x00\x00\x00", 4));
  EXPECT_TRUE(runtime::LoadGame());
  EXPECT_EQ(sinariono, 5);
  EXPECT_EQ(savemidi, 150);
}

}  // namespace
