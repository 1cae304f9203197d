#include <gtest/gtest.h>

#include <random>

#include "tests/support/support.h"
#include "tests/tools/story_fixtures.h"
#include "tools/story_source/dump.h"
#include "tools/story_source/raw.h"

namespace {

using story_source::Json;

constexpr const char* kSmallStory = R"({
  "title": "小さな話",
  "start": 1,
  "assets": {"persons": ["a.bmp", "b.bmp"], "sounds": ["s.wav"], "items": ["k.bmp"]},
  "speakers": ["甲", "乙+泣き", "", "丁"],
  "layout": {"message": {"show": true, "x": 10, "y": 300, "size": 16, "color": "white"},
             "choices": {"show": true, "size": 20, "color": 8}},
  "pages": [
    {"page": 1, "name": "top", "lines": [{"text": "はじめ", "person": "甲", "sound": "s.wav"},
                                        {"text": "次", "person": 4}], "auto_ms": 300},
    {"lines": ["選んで"], "give_item": "k.bmp",
     "end": {"type": "choice", "choices": [{"text": "上", "to": "top"}, {}, {"to": 9}]}},
    {"page": 9, "layout": {"back": {"show": true, "stretch": 3}},
     "end": {"type": "item", "item": "k.bmp", "held": 1, "not_held": 2}},
    {"end": {"type": "random", "lowest": 1, "highest": 9}},
    {"end": {"type": 77}}
  ]
})";

// dump, then build what dump wrote: the very same bytes.
std::vector<uint8_t> RoundTrip(const std::vector<uint8_t>& image) {
  const std::string source = story_source::FormatJson(story_source::DumpStory(image));
  const story_source::BuildResult rebuilt = story_source::BuildStory(source);
  EXPECT_TRUE(rebuilt.ok) << (rebuilt.diagnostics.empty() ? "" : rebuilt.diagnostics[0].message);
  return rebuilt.image;
}

std::vector<uint8_t> RandomImage(uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> image(project::kFileSize);
  for (auto& byte : image) byte = static_cast<uint8_t>(random());
  return image;
}

TEST(StoryRoundTrip, ABuiltStoryComesBackReadableAndWithoutRawBytes) {
  const story_source::BuildResult built = story_source::BuildStory(kSmallStory);
  ASSERT_TRUE(built.ok);
  const Json dumped = story_source::DumpStory(built.image);
  EXPECT_FALSE(dumped.contains("raw")) << story_source::FormatJson(dumped);
  EXPECT_EQ(dumped["title"], "小さな話");
  EXPECT_EQ(dumped["speakers"][1], "乙+泣き");
  EXPECT_EQ(dumped["pages"][0]["lines"][0]["person"], "甲");  // the speaker name reads best
  EXPECT_EQ(dumped["pages"][0]["lines"][1]["person"], "丁");
  EXPECT_EQ(dumped["pages"][0]["end"], 2);  // no "end" given: the next page
  EXPECT_EQ(dumped["pages"][1]["give_item"], "k.bmp");
  EXPECT_EQ(dumped["pages"][2]["layout"]["back"]["stretch"], 3);
  EXPECT_EQ(RoundTrip(built.image), built.image);
}

TEST(StoryRoundTrip, RandomBytesOfTheFullSizeComeBackByteForByte) {
  for (const uint32_t seed : {1u, 2u, 3u}) {
    const auto image = RandomImage(seed);
    EXPECT_TRUE(RoundTrip(image) == image) << "seed " << seed;
  }
}

TEST(StoryRoundTrip, LeftoversTheRuntimeIgnoresAreCarriedAsRawRuns) {
  const story_source::BuildResult built = story_source::BuildStory(kSmallStory);
  ASSERT_TRUE(built.ok);
  std::vector<uint8_t> image = built.image;
  image[project::kBlocks[6].offset + 2] = 0xAA;   // padding of the default layout's menu slot
  image[project::kBlocks[7].offset + 19] = 0x80;  // str7
  image[project::kBlocks[2].offset + 5] = 'x';    // str3 record 0
  image[1 * 14 * 100 + 50] = 'z';                 // after the ending zero of page 1, line 0
  image[project::kBlocks[1].offset + (1 * 50 + 45) * 4] = 7;  // page 1, field 45
  image[project::kBlocks[8].offset + 24 + 5 * 100] = 'q';     // persons entry 5, beyond the count
  image[project::kBlocks[10].offset + 3] = 2;  // page 3 uses its own layout, with a 2
  const Json dumped = story_source::DumpStory(image);
  ASSERT_TRUE(dumped.contains("raw"));
  std::string comments;
  for (const auto& run : dumped["raw"]) comments += run["comment"].get<std::string>() + "\n";
  EXPECT_NE(comments.find("default layout, slot menu byte 2"), std::string::npos) << comments;
  EXPECT_NE(comments.find("str7 integer 4"), std::string::npos) << comments;
  EXPECT_NE(comments.find("page 1, line 0 text byte 50"), std::string::npos) << comments;
  EXPECT_NE(comments.find("page 1, field 45"), std::string::npos) << comments;
  EXPECT_NE(comments.find("assets.persons entry 5 byte 0"), std::string::npos) << comments;
  EXPECT_NE(comments.find("page 3, own layout switch"), std::string::npos) << comments;
  EXPECT_EQ(dumped["title"], "小さな話");  // the readable part stays readable
  EXPECT_EQ(RoundTrip(image), image);
}

TEST(StoryRoundTrip, ValuesOutOfRangeStayExactThroughRaw) {
  auto data = std::make_unique<project::ProjectData>();
  data->str2[4][project::field::kEndType] = 0;
  data->str2[4][project::field::kNextPage] = 5000;  // a target beyond 999
  data->str2[5][project::field::kEndType] = 2;
  data->str2[5][project::field::kRandomLow] = 9;
  data->str2[5][project::field::kRandomHigh] = 3;  // upside down
  data->str2[6][project::field::kSound0] = 3;      // no sounds listed
  data->str2[7][project::field::kAutoPage] = 1;
  data->str2[7][project::field::kAutoDelay] = -5;
  data->picname.counts[project::kBacks] = 250;  // above 199
  data->sinariono = -1;
  data->str[project::RecordIndex(8, 0)].fill('a');    // no ending zero
  data->str[project::RecordIndex(9, 0)][0] = '\x83';  // a lead byte alone
  const auto image = project::Encode(*data);
  EXPECT_EQ(RoundTrip(image), image);
}

TEST(RawRuns, NearbyDifferencesShareARunAndRunsStopAtBlocks) {
  std::vector<uint8_t> a(project::kFileSize, 0);
  std::vector<uint8_t> b(project::kFileSize, 0);
  a[10] = 1;
  a[10 + story_source::kRawMergeGap] = 2;  // within the gap: same run
  a[100] = 3;                              // far: a run of its own
  a[1400000 - 1] = 4;                      // last byte of "str"
  a[1400000] = 5;                          // first byte of "str2"
  const auto runs = story_source::DiffImages(a, b);
  ASSERT_EQ(runs.size(), 4u);
  EXPECT_EQ(runs[0].offset, 10u);
  EXPECT_EQ(runs[0].bytes.size(), story_source::kRawMergeGap + 1);
  EXPECT_EQ(runs[1].offset, 100u);
  EXPECT_EQ(runs[2].offset, 1400000u - 1);
  EXPECT_EQ(runs[3].offset, 1400000u);
  story_source::ApplyRuns(runs, &b);
  EXPECT_EQ(a, b);
}

TEST(RawRuns, HexReadsBothCasesAndRefusesOtherCharacters) {
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(story_source::FromHex("00aFfe", &bytes));
  EXPECT_EQ(bytes, (std::vector<uint8_t>{0x00, 0xAF, 0xFE}));
  EXPECT_EQ(story_source::ToHex(bytes), "00affe");
  EXPECT_FALSE(story_source::FromHex("0g", &bytes));
  EXPECT_FALSE(story_source::FromHex("abc", &bytes));
}

}  // namespace
