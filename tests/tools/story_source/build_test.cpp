#include <gtest/gtest.h>

#include "tests/support/support.h"
#include "tests/tools/story_fixtures.h"

namespace {

namespace field = project::field;
using test_support::Sjis;
using tool_test::MustBuild;
using tool_test::Text;

constexpr const char* kStory = R"({
  // comments are allowed
  "title": "森の家",
  "start": "intro",
  "assets": {
    "persons": ["taro.bmp", "hanako.bmp"],
    "backs": ["room.bmp", "hall.bmp"],
    "fronts": ["desk.bmp"],
    "sounds": ["door.wav"],
    "songs": ["theme.mid"],
    "items": ["key.bmp", "map.bmp"]
  },
  "speakers": ["太郎", "花子+笑顔"],
  "layout": {
    "message": {"show": true, "x": 20, "y": 340, "size": 20, "color": "white", "bold": true},
    "person": {"show": 7, "x": 400, "stretch": true, "width": 64, "height": -3},
    "choices": {"show": true, "size": 18, "color": 9, "sprite": 2}
  },
  "pages": [
    {"page": 5, "name": "intro", "back": "hall.bmp", "front": 1, "song": "theme.mid",
     "lines": [{"text": "こんにちは。", "person": "taro.bmp", "sound": "door.wav"},
               {"text": "はい", "person": "花子+笑顔"}, "三行目"]},
    {"name": "ask", "give_item": "map.bmp", "auto_ms": 2500,
     "layout": {"menu": {"show": true, "x": 1}},
     "end": {"type": "choice", "choices": [{"text": "右", "to": "right"}, {}, {"to": 7}]}},
    {"name": "right", "end": {"type": "random", "lowest": 5, "highest": "ask"}},
    {"page": 20, "end": {"type": "visited", "page": "intro", "visited": 5, "not_visited": "ask"}},
    {"end": {"type": 4, "item": "key.bmp", "held": "right", "not_held": 20}},
    {"page": 30, "end": {"type": 9}}
  ]
})";

TEST(StoryBuild, FillsTheTitleListsAndSpeakers) {
  const auto data = MustBuild(kStory);
  EXPECT_EQ(project::FieldText(data->str3[2]), Sjis("森の家"));
  EXPECT_EQ(data->picname.counts[project::kPersons], 2);
  EXPECT_EQ(data->picname.counts[project::kBacks], 2);
  EXPECT_EQ(data->picname.counts[project::kItems], 2);
  EXPECT_EQ(data->picname.counts[project::kSongs], 1);
  EXPECT_EQ(project::FieldText(data->picname.names[project::kBacks][2]), "hall.bmp");
  EXPECT_EQ(project::FieldText(data->picname.names[project::kBacks][0]), "");  // entry 0 unused
  EXPECT_EQ(project::FieldText(data->str5[1]), Sjis("太郎"));
  EXPECT_EQ(project::FieldText(data->str5[2]), Sjis("花子+笑顔"));
  EXPECT_EQ(data->sinariono, 5);
}

TEST(StoryBuild, FillsLinesAndPageFieldsByNameAndNumber) {
  const auto data = MustBuild(kStory);
  const auto& intro = data->str2[5];
  EXPECT_EQ(Text(*data, 5, 0), Sjis("こんにちは。"));
  EXPECT_EQ(Text(*data, 5, 2), Sjis("三行目"));
  EXPECT_EQ(intro[field::kPerson0], 1);  // by picture file
  EXPECT_EQ(intro[field::kSound0], 1);
  EXPECT_EQ(intro[field::kPerson0 + 2], 2);  // by speaker name
  EXPECT_EQ(intro[field::kBackPicture], 2);
  EXPECT_EQ(intro[field::kFrontPicture], 1);  // by number
  EXPECT_EQ(intro[field::kSong], 1);
  // No "end": on to the page written after it.
  EXPECT_EQ(intro[field::kEndType], project::end_type::kNext);
  EXPECT_EQ(intro[field::kNextPage], 6);
}

TEST(StoryBuild, NumbersPagesAfterThePreviousOneAndResolvesNamesDefinedLater) {
  const auto data = MustBuild(kStory);
  const auto& ask = data->str2[6];
  EXPECT_EQ(ask[field::kEndType], project::end_type::kChoice);
  EXPECT_EQ(Text(*data, 6, 10), Sjis("右"));
  EXPECT_EQ(ask[field::kChoiceTarget0], 7);  // "right", written after it
  EXPECT_EQ(Text(*data, 6, 11), "");
  EXPECT_EQ(ask[field::kChoiceTarget0 + 1], 0);
  EXPECT_EQ(ask[field::kChoiceTarget0 + 2], 7);  // a hidden choice keeps its target
  EXPECT_EQ(ask[field::kGivesItem], 1);
  EXPECT_EQ(ask[field::kGivenItem], 2);
  EXPECT_EQ(ask[field::kAutoPage], 1);
  EXPECT_EQ(ask[field::kAutoDelay], 25);
  EXPECT_EQ(data->pagescrused[6], 1);
  EXPECT_EQ(data->pagescrinf[6][project::slot::kMenu].x, 1);
  EXPECT_EQ(data->pagescrused[5], 0);
}

TEST(StoryBuild, WritesEveryEndType) {
  const auto data = MustBuild(kStory);
  const auto& right = data->str2[7];
  EXPECT_EQ(right[field::kEndType], project::end_type::kRandom);
  EXPECT_EQ(right[field::kRandomLow], 5);
  EXPECT_EQ(right[field::kRandomHigh], 6);
  const auto& visited = data->str2[20];
  EXPECT_EQ(visited[field::kEndType], project::end_type::kVisited);
  EXPECT_EQ(visited[field::kVisitedPage], 5);
  EXPECT_EQ(visited[field::kVisitedTarget], 5);
  EXPECT_EQ(visited[field::kNotVisitedTarget], 6);
  const auto& item = data->str2[21];
  EXPECT_EQ(item[field::kEndType], project::end_type::kItem);
  EXPECT_EQ(item[field::kTestedItem], 1);
  EXPECT_EQ(item[field::kHeldTarget], 7);
  EXPECT_EQ(item[field::kNotHeldTarget], 20);
  EXPECT_EQ(data->str2[30][field::kEndType], 9);
}

TEST(StoryBuild, ReadsLayoutSlotsByNameWithTheirFieldNames) {
  const auto data = MustBuild(kStory);
  const auto& message = data->str6[project::slot::kMessage];
  EXPECT_EQ(message.show, 1);
  EXPECT_EQ(message.sprite, 1);  // "bold"
  EXPECT_EQ(message.x, 20);
  EXPECT_EQ(message.y, 340);
  EXPECT_EQ(message.sizex, 20);  // "size"
  EXPECT_EQ(message.sizey, 1);   // "white"
  const auto& person = data->str6[project::slot::kPerson];
  EXPECT_EQ(person.show, 7);
  EXPECT_EQ(person.stretch, 1);
  EXPECT_EQ(person.sizex, 64);  // "width"
  EXPECT_EQ(person.sizey, -3);  // "height"
  const auto& choices = data->str6[project::slot::kChoiceBox];
  EXPECT_EQ(choices.sizey, 9);
  EXPECT_EQ(choices.sprite, 2);
  EXPECT_EQ(data->str6[project::slot::kBack].show, 0);
}

TEST(StoryBuild, ShorthandEndsAndPageNumbersAreTargets) {
  const auto data = MustBuild(R"({"pages": [
    {"name": "a", "end": "c"}, {"end": 0}, {"name": "c", "end": {"type": "next"}}, {"end": "a"}]})");
  EXPECT_EQ(data->str2[0][field::kNextPage], 2);
  EXPECT_EQ(data->str2[1][field::kNextPage], 0);
  EXPECT_EQ(data->str2[2][field::kNextPage], 3);  // "next" without "to": the following page
  EXPECT_EQ(data->str2[3][field::kNextPage], 0);
}

TEST(StoryBuild, AnEmptyStoryIsAnAllZeroFile) {
  const story_source::BuildResult result = story_source::BuildStory("{}");
  ASSERT_TRUE(result.ok);
  ASSERT_EQ(result.image.size(), project::kFileSize);
  EXPECT_TRUE(
      std::all_of(result.image.begin(), result.image.end(), [](uint8_t b) { return b == 0; }));
}

TEST(StoryBuild, LaysRawRunsOverTheBuiltFile) {
  const story_source::BuildResult result = story_source::BuildStory(R"({
    "pages": [{"lines": ["a"], "end": 0}],
    "raw": [{"block": "str7", "at": 4, "hex": "0A0b0c0d", "comment": "ignored"},
            {"block": "str", "at": 2, "hex": "ff"}]})");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.image[1620524 + 4], 0x0A);
  EXPECT_EQ(result.image[1620524 + 7], 0x0D);
  EXPECT_EQ(result.image[0], 'a');
  EXPECT_EQ(result.image[2], 0xFF);  // after the text's ending zero
}

TEST(StoryBuild, ConvertsTextToShiftJisAndKeepsWaveDashes) {
  const auto data = MustBuild(R"({"pages": [{"lines": ["～〜①髙"], "end": 0}]})");
  EXPECT_EQ(Text(*data, 0, 0), "\x81\x60\x81\x60\x87\x40\xFB\xFC");
}

}  // namespace
