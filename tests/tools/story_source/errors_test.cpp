#include <gtest/gtest.h>

#include "tests/tools/story_fixtures.h"
#include "tools/story_source/json_source.h"

namespace {

using tool_test::BuildErrors;

struct BadStory {
  const char* what;
  std::string source;
  const char* expected;  // a part of the formatted errors
};

// Every fault names its place: the line and column of the source, and where
// in the story it lies.
const BadStory kBadStories[] = {
    {"malformed JSON", "{\"title\": \"x\",\n  \"pages\": [}", "s.json:2:13: error: syntax error"},
    {"trailing comma", "{\"pages\": [1,]}", "s.json:1:14: error: syntax error"},
    {"empty input", "", "s.json:1:1: error: syntax error"},
    {"not UTF-8", "{\"title\": \"\xff\"}", "s.json:1:12: error: syntax error"},
    {"text after the story", "{} {}", "s.json:1:4: error: syntax error"},
    {"key given twice", "{\"title\": \"a\",\n \"title\": \"b\"}",
     "s.json:2:2: error: the key \"title\" is given twice in this object"},
    {"too deep", std::string(70, '[') + std::string(70, ']'),
     "s.json:1:65: error: nested deeper than 64 levels"},
    {"not an object", "[1]", "s.json:1:1: error: expected an object, found an array"},
    {"unknown top-level field", "{\n  \"titel\": \"x\"\n}",
     "s.json:2:3: error: unknown field \"titel\" (known here: title, start, assets, speakers, "
     "layout, pages, raw)"},
    {"unknown field of a line",
     "{\"pages\": [{\"page\": 2, \"lines\": [{\"txt\": \"a\"}], \"end\": 0}]}",
     "s.json:1:35: error: page 2, line 0: unknown field \"txt\" (known here: text, person, sound)"},
    {"page number as a string", "{\"pages\": [{\"page\": \"3\"}]}",
     "s.json:1:21: error: pages entry 0: \"page\": expected an integer, found a string"},
    {"page number out of range", "{\"pages\": [{\"page\": 1000}]}",
     "pages entry 0: \"page\": 1000 is out of range; allowed are 0 to 999"},
    {"fraction", "{\"pages\": [{\"page\": 1.5}]}",
     "\"page\": expected an integer, found a number with a fraction"},
    {"page entry not an object", "{\"pages\": [3]}",
     "s.json:1:12: error: pages entry 0: expected an object, found an integer"},
    {"target out of range", "{\"pages\": [{\"end\": 1000}]}",
     "s.json:1:20: error: page 0, end: 1000 is out of range; allowed are 0 to 999"},
    {"negative target", "{\"pages\": [{\"end\": -1}]}", "-1 is out of range"},
    {"unknown page name", "{\"pages\": [{\"name\": \"a\", \"end\": \"nowhere\"}]}",
     "page 0 (a), end: no page named \"nowhere\""},
    {"start names no page", "{\"start\": \"x\"}", "\"start\": no page named \"x\""},
    {"page defined twice", "{\"pages\": [{\"page\": 4, \"end\": 0}, {\"page\": 4, \"end\": 0}]}",
     "pages entry 1: page 4 is defined twice (also by pages entry 0)"},
    {"no number left", "{\"pages\": [{\"page\": 999, \"end\": 0}, {\"end\": 0}]}",
     "no page number is left after 999"},
    {"name taken", "{\"pages\": [{\"name\": \"a\", \"end\": 0}, {\"name\": \"a\", \"end\": 0}]}",
     "\"name\": the page name \"a\" is taken by page 0"},
    {"empty name", "{\"pages\": [{\"name\": \"\", \"end\": 0}]}", "a page name cannot be empty"},
    {"character without CP932 form in a line",
     "{\"pages\": [{\"page\": 3, \"name\": \"intro\",\n \"lines\": [\"ok\", \"\xF0\x9F\x98\x80\"], "
     "\"end\": 0}]}",
     "s.json:2:18: error: page 3 (intro), line 1: the text holds the character "
     "\"\xF0\x9F\x98\x80\" "
     "(U+1F600), which has no Shift-JIS (CP932) form"},
    {"character without CP932 form in a choice",
     "{\"pages\": [{\"end\": {\"type\": \"choice\", \"choices\": [{}, {\"text\": \"caf\xC3\xA9\", "
     "\"to\": 0}]}}]}",
     "page 0, choice 2: \"text\": the text holds the character \"\xC3\xA9\" (U+00E9)"},
    {"character without CP932 form in a speaker", "{\"speakers\": [\"a\", \"\xC3\xA9\"]}",
     "speaker 2: the text holds the character"},
    {"zero character", "{\"title\": \"a\\u0000b\"}", "the text holds a zero character"},
    {"text too long", "{\"pages\": [{\"lines\": [\"" + std::string(100, 'a') + "\"], \"end\": 0}]}",
     "page 0, line 0: the text is 100 bytes in Shift-JIS; at most 99 fit"},
    {"Japanese text too long",
     "{\"title\": \"" +
         [] {
           std::string s;
           for (int i = 0; i < 50; ++i) s += "\xE6\xA3\xAE";  // 森, two bytes in Shift-JIS
           return s;
         }() +
         "\"}",
     "\"title\": the text is 100 bytes in Shift-JIS; at most 99 fit"},
    {"unknown asset", "{\"pages\": [{\"back\": \"nope.bmp\", \"end\": 0}]}",
     "page 0: \"back\": no back picture in assets.backs named \"nope.bmp\""},
    {"asset number beyond its list",
     "{\"assets\": {\"sounds\": [\"a.wav\"]}, \"pages\": [{\"lines\": [{\"sound\": 2}], \"end\": "
     "0}]}",
     "page 0, line 0: \"sound\": 2 is out of range; allowed are 0 to 1"},
    {"ambiguous file name",
     "{\"assets\": {\"persons\": [\"a.bmp\", \"a.bmp\"]}, \"pages\": [{\"lines\": [{\"person\": "
     "\"a.bmp\"}], \"end\": 0}]}",
     "\"a.bmp\" names several entries (1, 2); give the number instead"},
    {"unknown person",
     "{\"speakers\": [\"a\"], \"pages\": [{\"lines\": [{\"person\": \"b\"}], \"end\": 0}]}",
     "no person picture (assets.persons) or speaker named \"b\""},
    {"person beyond 199", "{\"pages\": [{\"lines\": [{\"person\": 200}], \"end\": 0}]}",
     "200 is out of range; allowed are 0 to 199"},
    {"list too long",
     "{\"speakers\": [" +
         [] {
           std::string s = "\"a\"";
           for (int i = 0; i < 199; ++i) s += ", \"a\"";
           return s;
         }() +
         "]}",
     "\"speakers\": holds 200 entries; at most 199 fit"},
    {"list of numbers", "{\"assets\": {\"items\": [1]}}",
     "item picture 1: expected a string, found an integer"},
    {"unknown asset list", "{\"assets\": {\"pictures\": []}}", "unknown field \"pictures\""},
    {"random range upside down",
     "{\"pages\": [{\"end\": {\"type\": \"random\", \"lowest\": 5, \"highest\": 3}}]}",
     "page 0, end: \"highest\": the highest page (3) is below the lowest (5)"},
    {"missing field of an end",
     "{\"pages\": [{\"end\": {\"type\": \"visited\", \"visited\": 1, "
     "\"not_visited\": 2}}]}",
     "page 0, end: a \"visited\" end needs \"page\""},
    {"end without type", "{\"pages\": [{\"end\": {\"to\": 1}}]}", "an end object needs \"type\""},
    {"unknown end type", "{\"pages\": [{\"end\": {\"type\": \"jump\"}}]}",
     "unknown end type \"jump\""},
    {"field of another end type",
     "{\"pages\": [{\"end\": {\"type\": \"next\", \"to\": 1, "
     "\"choices\": []}}]}",
     "unknown field \"choices\" (known here: type, to)"},
    {"too many lines",
     "{\"pages\": [{\"lines\": [\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\",\"9\","
     "\"10\",\"11\"], \"end\": 0}]}",
     "\"lines\": holds 11 lines; a page has at most 10"},
    {"too many choices",
     "{\"pages\": [{\"end\": {\"type\": \"choice\", \"choices\": [{},{},{},{},{}]}}]}",
     "holds 5 choices; a page has at most 4"},
    {"choice text without a target",
     "{\"pages\": [{\"end\": {\"type\": \"choice\", \"choices\": [{\"text\": \"a\"}]}}]}",
     "page 0, choice 1: a choice with a text needs \"to\""},
    {"last page without end", "{\"pages\": [{\"lines\": [\"a\"]}]}",
     "page 0: the last page of the source needs an \"end\""},
    {"auto delay not in steps of 100", "{\"pages\": [{\"auto_ms\": 250, \"end\": 0}]}",
     "\"auto_ms\": the delay is kept in steps of 100 ms; 250 is not a multiple of 100"},
    {"unknown colour", "{\"layout\": {\"message\": {\"color\": \"pink\"}}}",
     "default layout, slot message: \"color\": unknown colour \"pink\""},
    {"field of another slot kind", "{\"layout\": {\"back\": {\"size\": 3}}}",
     "default layout, slot back: unknown field \"size\""},
    {"flag out of range", "{\"layout\": {\"menu\": {\"show\": 256}}}",
     "\"show\": 256 is out of range; allowed are 0 to 255"},
    {"coordinate beyond 32 bits", "{\"layout\": {\"menu\": {\"x\": 2147483648}}}",
     "\"x\": 2147483648 is out of range"},
    {"huge number", "{\"layout\": {\"menu\": {\"x\": 99999999999999999999}}}",
     "\"x\": the integer 1e+20 is out of range"},
    {"fraction", "{\"layout\": {\"menu\": {\"x\": 1.5}}}",
     "expected an integer, found a number with a fraction"},
    {"unknown slot", "{\"layout\": {\"title\": {}}}", "default layout: unknown field \"title\""},
    {"raw block unknown", "{\"raw\": [{\"block\": \"str9\", \"at\": 0, \"hex\": \"00\"}]}",
     "raw entry 0: \"block\": no block named \"str9\""},
    {"raw hex odd", "{\"raw\": [{\"block\": \"str4\", \"at\": 0, \"hex\": \"abc\"}]}",
     "\"hex\": expected pairs of hexadecimal digits"},
    {"raw past its block", "{\"raw\": [{\"block\": \"str4\", \"at\": 2, \"hex\": \"000000\"}]}",
     "3 bytes from 2 run past the end of block str4 (4 bytes)"},
    {"raw incomplete", "{\"raw\": [{\"block\": \"str4\"}]}",
     "a raw run needs \"block\", \"at\" and \"hex\""},
};

TEST(StoryErrors, ReportsEveryFaultWithItsPlace) {
  for (const auto& bad : kBadStories) {
    SCOPED_TRACE(bad.what);
    EXPECT_NE(BuildErrors(bad.source).find(bad.expected), std::string::npos)
        << "expected: " << bad.expected << "\ngot: " << BuildErrors(bad.source);
  }
}

TEST(StoryErrors, ReportsAllFaultsNotOnlyTheFirst) {
  const std::string errors = BuildErrors(R"({
    "title": 3,
    "pages": [{"lines": [{"person": "x"}], "end": "y"}]
  })");
  EXPECT_NE(errors.find("s.json:2:14: error: \"title\": expected a string"), std::string::npos)
      << errors;
  EXPECT_NE(errors.find("s.json:3:37: error: page 0, line 0: \"person\""), std::string::npos)
      << errors;
  EXPECT_NE(errors.find("s.json:3:51: error: page 0, end: no page named \"y\""), std::string::npos)
      << errors;
}

TEST(JsonSource, PlacesValuesAndKeysByLineAndCharacter) {
  std::vector<story_source::Diagnostic> diagnostics;
  const auto document = story_source::ParseJson(
      "{\n  \"a\": [1, \"x\\\"y\", true],\n  \"森\": {\"b\": -2.5e3}, \"c\": null}", &diagnostics);
  ASSERT_TRUE(document.has_value());
  const auto at = [&](const char* pointer) {
    const auto p = document->ValueAt(pointer);
    return std::to_string(p.line) + ":" + std::to_string(p.column);
  };
  EXPECT_EQ(at(""), "1:1");
  EXPECT_EQ(at("/a"), "2:8");
  EXPECT_EQ(at("/a/0"), "2:9");
  EXPECT_EQ(at("/a/1"), "2:12");  // the opening quote, past the escaped one
  EXPECT_EQ(at("/a/2"), "2:20");
  EXPECT_EQ(at("/森/b"), "3:14");  // columns count characters, not bytes
  EXPECT_EQ(at("/c"), "3:28");
  const auto key = document->KeyAt("/森");
  EXPECT_EQ(key.line, 3);
  EXPECT_EQ(key.column, 3);
}

}  // namespace
