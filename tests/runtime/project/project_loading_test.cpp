#include "runtime/project/project_loading.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "runtime/project/project_model.h"
#include "runtime/story/random.h"
#include "tests/support/support.h"

namespace {

using test_support::TempFolder;

class ProjectLoadingTest : public ::testing::Test {
 protected:
  void SetUp() override { runtime::ClearProject(); }
  void TearDown() override { runtime::ClearProject(); }

  // A file image whose every byte is non-zero, cut to `size` bytes.
  std::string Image(size_t size) const {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(1 + i % 251);
    return bytes;
  }
  bool Load(const std::string& bytes) {
    return runtime::LoadProjectFile(folder_.Write("data.aoat", bytes).string());
  }

  TempFolder folder_;
};

size_t Offset(std::string_view block) {
  for (const auto& b : project::kBlocks)
    if (b.name == block) return b.offset;
  ADD_FAILURE() << block;
  return 0;
}

TEST_F(ProjectLoadingTest, MissingFileLeavesTheModelAsItWas) {
  sinariono = 9;
  EXPECT_FALSE(runtime::LoadProjectFile((folder_.Path() / "none.aoat").string()));
  EXPECT_EQ(sinariono, 9);
}

TEST_F(ProjectLoadingTest, EmptyFileGivesAnEmptyStory) {
  sinariono = 9;
  str2[0][27] = 5;
  EXPECT_TRUE(Load(""));
  EXPECT_EQ(sinariono, 0);
  EXPECT_EQ(str2[0][27], 0);
}

TEST_F(ProjectLoadingTest, FullSizeFileFillsEveryBlock) {
  ASSERT_TRUE(Load(Image(project::kFileSize)));
  const std::string image = Image(project::kFileSize);
  const auto byte = [&](size_t offset) { return static_cast<uint8_t>(image[offset]); };
  EXPECT_EQ(static_cast<uint8_t>(str[13999][99]), byte(1400000 - 1));
  EXPECT_EQ(static_cast<uint32_t>(str2[999][49]) >> 24, byte(1600000 - 1));
  EXPECT_EQ(static_cast<uint8_t>(str3[2][0]), byte(1600200));
  EXPECT_EQ(static_cast<uint32_t>(sinariono) & 0xFF, byte(Offset("sinariono")));
  EXPECT_EQ(str6[0].show, byte(Offset("str6")));
  EXPECT_EQ(static_cast<uint32_t>(picname.counts[project::kPersons]) & 0xFF,
            byte(Offset("picname")));
  EXPECT_EQ(static_cast<uint32_t>(pagescrinf[999][8].sizey) >> 24, byte(Offset("pagescrused") - 1));
  EXPECT_EQ(pagescrused[999], byte(project::kFileSize - 1));
}

TEST_F(ProjectLoadingTest, BytesPastTheLayoutAreIgnored) {
  std::string image = Image(project::kFileSize);
  image.push_back('\x7F');
  image.append(5000, '\x33');
  ASSERT_TRUE(Load(image));
  EXPECT_EQ(pagescrused[999], static_cast<uint8_t>(image[project::kFileSize - 1]));
}

TEST_F(ProjectLoadingTest, FileCutInsideABlockLeavesTheRestZero) {
  struct Case {
    size_t size;
    const char* what;
  };
  const Case cases[] = {
      {1, "inside the first text"},
      {1400000 + 4 * 50 * 3 + 2, "inside page 3's first field"},
      {Offset("sinariono") + 2, "inside the start page"},
      {Offset("str6") + 24 * 4 + 5, "inside a default slot's x"},
      {Offset("picname") + 24 + 50, "inside the first person name"},
      {Offset("pagescrinf") + 24 * 9 * 500 + 13, "inside a slot's padding"},
      {project::kFileSize - 1, "one byte short"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    runtime::ClearProject();
    ASSERT_TRUE(Load(Image(c.size)));
    const project::ProjectData& data = runtime::LoadedProject();
    const auto encoded = project::Encode(data);
    const std::string image = Image(c.size);
    for (size_t i = 0; i < encoded.size(); ++i) {
      const uint8_t expected = i < c.size ? static_cast<uint8_t>(image[i]) : 0;
      if (encoded[i] != expected) {
        ADD_FAILURE() << "byte " << i << " is " << int{encoded[i]} << ", not " << int{expected};
        break;
      }
    }
  }
}

TEST_F(ProjectLoadingTest, UnterminatedTextsReadToTheirFieldEnd) {
  std::string image(project::kFileSize, '\0');
  image.replace(0, 100, 100, 'a');                             // page 0, line 0
  image.replace(Offset("str3") + 200, 100, 100, 't');          // the title
  image.replace(Offset("str5") + 100 * 199, 100, 100, 'n');    // last name
  image.replace(Offset("picname") + 24 + 100, 100, 100, 'p');  // person 1
  image[Offset("picname")] = 1;                                // pnnum = 1
  ASSERT_TRUE(Load(image));
  EXPECT_EQ(runtime::PageText(0, 0), std::string(100, 'a'));
  EXPECT_TRUE(runtime::PageText(0, 1).empty());
  EXPECT_EQ(runtime::TitleText(), std::string(100, 't'));
  EXPECT_EQ(runtime::PersonName(199), std::string(100, 'n'));
  EXPECT_EQ(runtime::ListName(project::kPersons, 1), std::string(100, 'p'));
}

TEST_F(ProjectLoadingTest, LoadProjectReadsTheGameFolderInAnyLetterCase) {
  const std::string before = platform::GameFolder();
  folder_.Write("DATA.AOAT", std::string(Offset("sinariono"), '\0') + "\x05");
  platform::SetGameFolder(folder_.Path().string() + "/");
  EXPECT_TRUE(runtime::LoadProject());
  EXPECT_EQ(sinariono, 5);
  platform::SetGameFolder(before);
}

TEST(Random, FollowsTheClassicGeneratorFromItsSeed) {
  runtime::SeedRandom(1);
  const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478};
  for (int value : expected) EXPECT_EQ(runtime::Random(), value);
  runtime::SeedRandom(0xFFFFFFFFu);
  for (int i = 0; i < 1000; ++i) {
    const int r = runtime::Random();
    ASSERT_GE(r, 0);
    ASSERT_LE(r, runtime::kRandomMax);
  }
}

}  // namespace
