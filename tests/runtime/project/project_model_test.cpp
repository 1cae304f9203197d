#include "runtime/project/project_model.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

class ProjectModelTest : public ::testing::Test {
 protected:
  void SetUp() override { runtime::ClearProject(); }
  void TearDown() override { runtime::ClearProject(); }
};

void SetText(project::TextRecord* record, const char* text) {
  record->fill(0);
  std::memcpy(record->data(), text, std::strlen(text));
}

TEST_F(ProjectModelTest, PageFieldAnswersZeroOutsideTheTable) {
  str2[0][0] = 11;
  str2[999][49] = 22;
  str2[500][27] = 33;
  struct Case {
    int page, index, expected;
  };
  const Case cases[] = {
      {0, 0, 11},      {999, 49, 22},   {500, 27, 33}, {-1, 0, 0},     {1000, 0, 0},
      {INT_MIN, 0, 0}, {INT_MAX, 0, 0}, {0, -1, 0},    {0, 50, 0},     {999, 50, 0},
      {0, INT_MIN, 0}, {0, INT_MAX, 0}, {1000, 49, 0}, {-1000, -1, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(runtime::PageField(c.page, c.index), c.expected) << c.page << "," << c.index;
}

TEST_F(ProjectModelTest, CurrentPageFieldFollowsSinarionoAndRefusesHostilePages) {
  str2[12][28] = 3;
  sinariono = 12;
  EXPECT_EQ(runtime::CurrentPageField(28), 3);
  for (int page : {-1, 1000, INT_MAX, INT_MIN}) {
    sinariono = page;
    EXPECT_EQ(runtime::CurrentPageField(28), 0) << page;
  }
}

TEST_F(ProjectModelTest, PageTextIsBoundedAndEndsAtTheFieldEnd) {
  SetText(&str[project::RecordIndex(999, 13)], "last");
  str[project::RecordIndex(2, 0)].fill('x');  // no terminating zero
  SetText(&str[project::RecordIndex(2, 1)], "next");
  EXPECT_EQ(runtime::PageText(999, 13), "last");
  EXPECT_EQ(runtime::PageText(2, 0), std::string(100, 'x'));
  EXPECT_EQ(runtime::PageText(2, 1), "next");
  EXPECT_TRUE(runtime::PageText(3, 0).empty());
  for (auto [page, line] :
       {std::pair{-1, 0}, {1000, 0}, {0, -1}, {0, 14}, {998, 28}, {INT_MAX, INT_MAX}, {INT_MIN, 0}})
    EXPECT_TRUE(runtime::PageText(page, line).empty()) << page << "," << line;
}

TEST_F(ProjectModelTest, PageLayoutChoosesOwnSlotsOnlyWhenMarked) {
  str6[1].x = 10;
  pagescrinf[4][1].x = 40;
  pagescrinf[5][1].x = 50;
  pagescrused[5] = 1;
  EXPECT_EQ(runtime::PageLayout(4)[1].x, 10);  // filled but not marked
  EXPECT_EQ(runtime::PageLayout(5)[1].x, 50);
  EXPECT_EQ(&runtime::PageLayout(-1), &str6);
  EXPECT_EQ(&runtime::PageLayout(1000), &str6);
  EXPECT_EQ(&runtime::PageLayout(INT_MIN), &str6);
}

TEST_F(ProjectModelTest, ListCountsAreBoundedAndNumbersCheckedAgainstThem) {
  picname.counts[project::kPersons] = 2;
  picname.counts[project::kSongs] = 5000;
  picname.counts[project::kItems] = -3;
  SetText(&picname.names[project::kPersons][1], "a.bmp");
  SetText(&picname.names[project::kPersons][3], "beyond.bmp");
  SetText(&picname.names[project::kSongs][199], "song.mid");
  picname.names[project::kSongs][198].fill('m');

  EXPECT_EQ(runtime::ListCount(project::kPersons), 2);
  EXPECT_EQ(runtime::ListCount(project::kSongs), 199);
  EXPECT_EQ(runtime::ListCount(project::kItems), 0);
  EXPECT_EQ(runtime::ListCount(static_cast<project::AssetList>(6)), 0);
  EXPECT_EQ(runtime::ListCount(static_cast<project::AssetList>(-1)), 0);

  EXPECT_EQ(runtime::ListName(project::kPersons, 1), "a.bmp");
  EXPECT_TRUE(runtime::ListName(project::kPersons, 3).empty());  // beyond the count
  EXPECT_TRUE(runtime::ListName(project::kPersons, 0).empty());  // 0 means none
  EXPECT_EQ(runtime::ListName(project::kSongs, 199), "song.mid");
  EXPECT_EQ(runtime::ListName(project::kSongs, 198).size(), 100u);
  EXPECT_TRUE(runtime::ListName(project::kSongs, 200).empty());
  EXPECT_TRUE(runtime::ListName(project::kSongs, INT_MAX).empty());
  EXPECT_TRUE(runtime::ListName(project::kSongs, INT_MIN).empty());
  EXPECT_FALSE(runtime::IsListNumber(project::kItems, 1));
  EXPECT_TRUE(runtime::IsListNumber(project::kPersons, 2));
  EXPECT_FALSE(runtime::IsListNumber(project::kPersons, 3));
}

TEST_F(ProjectModelTest, PersonNamesAndTitle) {
  SetText(&str5[0], "never");
  SetText(&str5[1], "one");
  str5[199].fill('z');
  SetText(&str3[2], "title");
  EXPECT_TRUE(runtime::PersonName(0).empty());
  EXPECT_EQ(runtime::PersonName(1), "one");
  EXPECT_EQ(runtime::PersonName(199).size(), 100u);
  EXPECT_TRUE(runtime::PersonName(200).empty());
  EXPECT_TRUE(runtime::PersonName(-5).empty());
  EXPECT_EQ(runtime::TitleText(), "title");
}

TEST_F(ProjectModelTest, VisitedFlagsIgnorePagesOutsideTheTable) {
  runtime::MarkPageVisited(999);
  runtime::MarkPageVisited(1000);
  runtime::MarkPageVisited(-1);
  EXPECT_TRUE(runtime::PageVisited(999));
  EXPECT_FALSE(runtime::PageVisited(0));
  EXPECT_FALSE(runtime::PageVisited(1000));
  EXPECT_FALSE(runtime::PageVisited(-1));
  EXPECT_EQ(throwflug[999], 1);
}

TEST(SelectColor, MapsEveryNumberToItsColourValue) {
  const std::pair<int, uint32_t> cases[] = {
      {0, 0x000000},  {1, 0xFFFFFF}, {2, 0x0000FF}, {3, 0xFF0000}, {4, 0x00FFFF},
      {5, 0x00FF00},  {6, 0xFF00FF}, {7, 0xFFFF00}, {8, 0x808080}, {9, 0x3CA09B},
      {10, 0xD0D0D0}, {11, 0},       {-1, 0},       {INT_MAX, 0},  {INT_MIN, 0},
  };
  for (auto [number, colour] : cases) EXPECT_EQ(selectcolor(number), colour) << number;
}

}  // namespace
