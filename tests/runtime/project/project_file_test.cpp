#include "runtime/project/project_file.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using project::ProjectData;

std::unique_ptr<ProjectData> NewData() {
  return std::make_unique<ProjectData>();
}

int32_t IntAt(const std::vector<uint8_t>& bytes, size_t offset) {
  int32_t v;
  std::memcpy(&v, bytes.data() + offset, 4);
  return v;
}

TEST(ProjectFile, EncodesEveryBlockAtItsOffset) {
  auto data = NewData();
  data->str[13999][0] = 'z';
  data->str2[0][0] = 0x11111111;
  data->str2[999][49] = 0x22222222;
  data->str3[2][0] = 't';
  data->str4 = 0x33333333;
  data->sinariono = 7;
  data->str5[199][0] = 'n';
  data->str6[0].show = 1;
  data->str6[8].sizey = 0x44444444;
  data->str7[4] = 0x55555555;
  data->picname.counts[project::kItems] = 3;
  data->picname.names[project::kPersons][1][0] = 'p';
  data->picname.names[project::kItems][199][0] = 'i';
  data->pagescrinf[999][8].sizey = 0x66666666;
  data->pagescrused[999] = 9;

  const auto bytes = project::Encode(*data);
  ASSERT_EQ(bytes.size(), project::kFileSize);
  EXPECT_EQ(bytes[13999 * 100], 'z');
  EXPECT_EQ(IntAt(bytes, 1400000), 0x11111111);
  EXPECT_EQ(IntAt(bytes, 1600000 - 4), 0x22222222);
  EXPECT_EQ(bytes[1600000 + 200], 't');
  EXPECT_EQ(IntAt(bytes, 1600300), 0x33333333);
  EXPECT_EQ(IntAt(bytes, 1600304), 7);
  EXPECT_EQ(bytes[1600308 + 199 * 100], 'n');
  EXPECT_EQ(bytes[1620308], 1);
  EXPECT_EQ(IntAt(bytes, 1620308 + 8 * 24 + 20), 0x44444444);
  EXPECT_EQ(IntAt(bytes, 1620524 + 16), 0x55555555);
  EXPECT_EQ(IntAt(bytes, 1620544 + 20), 3);
  EXPECT_EQ(bytes[1620544 + 24 + 100], 'p');
  EXPECT_EQ(bytes[1620544 + 100024 + 199 * 100], 'i');
  EXPECT_EQ(IntAt(bytes, 1956568 - 4), 0x66666666);
  EXPECT_EQ(bytes[1957567], 9);
}

TEST(ProjectFile, RoundTripsEveryByteIncludingPadding) {
  std::vector<uint8_t> image(project::kFileSize);
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 131 + 7);
  auto data = NewData();
  project::Decode(image, data.get());
  EXPECT_EQ(project::Encode(*data), image);
}

TEST(ProjectFile, ShortFileLeavesTheRestZeroAndLongFileIsCut) {
  std::vector<uint8_t> image(project::kFileSize + 10, 0xAB);
  auto data = NewData();
  project::Decode(std::span(image).first(1400000 + 4 * 60), data.get());  // ends in page 1
  EXPECT_EQ(data->str2[1][9], static_cast<int32_t>(0xABABABAB));
  EXPECT_EQ(data->str2[1][10], 0);
  EXPECT_EQ(data->sinariono, 0);
  EXPECT_EQ(data->pagescrused[0], 0);

  project::Decode(image, data.get());
  EXPECT_EQ(data->pagescrused[999], 0xAB);

  project::Decode({}, data.get());
  EXPECT_EQ(data->str[0][0], 0);
}

TEST(ProjectFile, TextWithoutTerminatorEndsAtTheFieldEnd) {
  project::TextRecord record;
  record.fill('a');
  EXPECT_EQ(project::FieldText(record).size(), 100u);
  record[3] = '\0';
  EXPECT_EQ(project::FieldText(record), "aaa");
}

}  // namespace
