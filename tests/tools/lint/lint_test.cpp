#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <set>

#include "tests/support/support.h"
#include "tools/lint/lint.h"

namespace {

namespace field = project::field;
using project::ProjectData;
using story_source::Diagnostic;
using story_source::Severity;

void SetText(project::TextRecord* record, const std::string& text) {
  record->fill(0);
  std::memcpy(record->data(), text.data(), std::min(text.size(), record->size()));
}

void SetLine(ProjectData* d, int page, int line, const std::string& text) {
  SetText(&d->str[project::RecordIndex(page, line)], text);
}

void List(ProjectData* d, project::AssetList list, std::vector<std::string> names) {
  d->picname.counts[list] = static_cast<int32_t>(names.size());
  for (size_t i = 0; i < names.size(); ++i) SetText(&d->picname.names[list][i + 1], names[i]);
}

// A small game with nothing to find: page 0 uses one of every list and leads
// to page 1, whose one choice leads back.
std::unique_ptr<ProjectData> CleanGame() {
  auto d = std::make_unique<ProjectData>();
  List(d.get(), project::kPersons, {"p.bmp"});
  List(d.get(), project::kFronts, {"f.bmp"});
  List(d.get(), project::kBacks, {"b.bmp"});
  List(d.get(), project::kSounds, {"s.wav"});
  List(d.get(), project::kSongs, {"m.mid"});
  List(d.get(), project::kItems, {"i.bmp"});
  SetText(&d->str5[1], "Ann+smile");
  d->str6[project::slot::kMessage].show = 1;
  d->str6[project::slot::kPerson].show = 1;
  SetLine(d.get(), 0, 0, "hello");
  SetLine(d.get(), 0, 1, "again");
  auto& p0 = d->str2[0];
  p0[field::kPerson0] = 1;
  p0[field::kSound0] = 1;
  p0[field::kBackPicture] = 1;
  p0[field::kFrontPicture] = 1;
  p0[field::kSong] = 1;
  p0[field::kGivesItem] = 1;
  p0[field::kGivenItem] = 1;
  p0[field::kNextPage] = 1;
  SetLine(d.get(), 1, 0, "choose");
  SetLine(d.get(), 1, 10, "back");
  d->str2[1][field::kEndType] = project::end_type::kChoice;
  d->str2[1][field::kChoiceTarget0] = 0;
  return d;
}

std::set<std::string> GameFiles() {
  return {"lyout\\mark.bmp", "lyout\\mouse.bmp", "lyout\\title.bmp",
          "person\\p.bmp",   "frontmain\\f.bmp", "backmain\\b.bmp",
          "wav\\s.wav",      "midi\\m.mid",      "item\\i.bmp"};
}

std::vector<Diagnostic> Lint(const ProjectData& data,
                             const std::set<std::string>& files = GameFiles()) {
  return lint::LintProject(data, [files](std::string_view name) -> std::optional<std::string> {
    if (files.count(std::string(name)) == 0) return std::nullopt;
    return std::string(name);
  });
}

std::string Listing(const std::vector<Diagnostic>& findings) {
  std::string out;
  for (const auto& f : findings) out += story_source::FormatDiagnostic("data.aoat", f) + "\n";
  return out;
}

TEST(Lint, ACleanGameHasNoFindings) {
  const auto findings = Lint(*CleanGame());
  EXPECT_TRUE(findings.empty()) << Listing(findings);
}

struct LintCase {
  const char* what;
  std::function<void(ProjectData*)> change;
  Severity severity;
  const char* where;
  const char* message;
};

const LintCase kCases[] = {
    {"next page beyond 999", [](ProjectData* d) { d->str2[0][field::kNextPage] = 1000; },
     Severity::kError, "page 0", "the next page 1000 is outside the pages 0 to 999"},
    {"choice target below 0", [](ProjectData* d) { d->str2[1][field::kChoiceTarget0] = -1; },
     Severity::kError, "page 1, choice 1", "the target -1 is outside"},
    {"random range upside down",
     [](ProjectData* d) {
       d->str2[0][field::kEndType] = 2;
       d->str2[0][field::kRandomLow] = 1;
       d->str2[0][field::kRandomHigh] = 0;
     },
     Severity::kError, "page 0", "the random jump's highest page (0) is below its lowest (1)"},
    {"random range beyond 999",
     [](ProjectData* d) {
       d->str2[0][field::kEndType] = 2;
       d->str2[0][field::kRandomLow] = 1;
       d->str2[0][field::kRandomHigh] = 1200;
     },
     Severity::kError, "page 0", "the highest page of the random jump 1200 is outside"},
    {"visit test of a page beyond 999",
     [](ProjectData* d) {
       d->str2[0][field::kEndType] = 3;
       d->str2[0][field::kVisitedPage] = 4000;
       d->str2[0][field::kVisitedTarget] = 1;
       d->str2[0][field::kNotVisitedTarget] = 1;
     },
     Severity::kError, "page 0", "the page tested for a visit 4000 is outside"},
    {"item branch target beyond 999",
     [](ProjectData* d) {
       d->str2[0][field::kEndType] = 4;
       d->str2[0][field::kTestedItem] = 1;
       d->str2[0][field::kHeldTarget] = 1;
       d->str2[0][field::kNotHeldTarget] = 999999;
     },
     Severity::kError, "page 0", "the target when the item is not held 999999 is outside"},
    {"tested item not listed",
     [](ProjectData* d) {
       d->str2[0][field::kEndType] = 4;
       d->str2[0][field::kTestedItem] = 2;
       d->str2[0][field::kHeldTarget] = 1;
       d->str2[0][field::kNotHeldTarget] = 1;
     },
     Severity::kError, "page 0", "the tested item 2 is not listed (the list has 1)"},
    {"sound beyond its list", [](ProjectData* d) { d->str2[0][field::kSound0] = 2; },
     Severity::kError, "page 0, line 0", "sound 2 is not listed (the list has 1)"},
    {"sound of the second line", [](ProjectData* d) { d->str2[0][field::kSound0 + 2] = -4; },
     Severity::kError, "page 0, line 1", "sound -4 is not listed"},
    {"back picture beyond its list", [](ProjectData* d) { d->str2[0][field::kBackPicture] = 3; },
     Severity::kError, "page 0", "back picture 3 is not listed"},
    {"front picture beyond its list", [](ProjectData* d) { d->str2[0][field::kFrontPicture] = 2; },
     Severity::kError, "page 0", "front picture 2 is not listed"},
    {"song beyond its list", [](ProjectData* d) { d->str2[0][field::kSong] = 2; }, Severity::kError,
     "page 0", "song 2 is not listed"},
    {"given item beyond its list", [](ProjectData* d) { d->str2[0][field::kGivenItem] = 5; },
     Severity::kError, "page 0", "the given item 5 is not listed"},
    {"given item 0", [](ProjectData* d) { d->str2[0][field::kGivenItem] = 0; }, Severity::kError,
     "page 0", "gives item 0, which is no item"},
    {"person beyond 199", [](ProjectData* d) { d->str2[0][field::kPerson0] = 250; },
     Severity::kError, "page 0, line 0", "person 250 is outside 0 to 199"},
    {"person without picture in a shown slot",
     [](ProjectData* d) { d->str2[0][field::kPerson0] = 2; }, Severity::kError, "page 0, line 0",
     "person 2 has no picture (assets.persons lists 1)"},
    {"count above 199", [](ProjectData* d) { d->picname.counts[project::kFronts] = 200; },
     Severity::kError, "assets.fronts", "the count 200 is above 199"},
    {"negative count", [](ProjectData* d) { d->picname.counts[project::kItems] = -1; },
     Severity::kError, "assets.items", "the count -1 is negative"},
    {"more sounds than the engine holds",
     [](ProjectData* d) { d->picname.counts[project::kSounds] = 71; }, Severity::kError,
     "assets.sounds", "71 sounds are listed but the engine's sound table holds 70"},
    {"asset file missing",
     [](ProjectData* d) { SetText(&d->picname.names[project::kSounds][1], "t.wav"); },
     Severity::kError, "sound 1", "the file \"wav\\t.wav\" is not in the game folder"},
    {"asset without a name", [](ProjectData* d) { d->picname.names[project::kSongs][1].fill(0); },
     Severity::kError, "song 1", "has no file name"},
    {"path longer than the loader's buffer",
     [](ProjectData* d) { SetText(&d->picname.names[project::kFronts][1], std::string(90, 'f')); },
     Severity::kError, "front picture 1",
     "is 100 bytes; the loader's buffer of 100 bytes holds 99"},
    {"backdrop picture missing while shown",
     [](ProjectData* d) {
       d->pagescrinf[1][project::slot::kBackdrop].show = 1;
       d->pagescrused[1] = 1;
     },
     Severity::kError, "the backdrop of the layouts",
     "\"lyout\\bback.bmp\" is not in the game folder"},
    {"window frame missing while shown",
     [](ProjectData* d) { d->str6[project::slot::kFrame].show = 1; }, Severity::kError,
     "the window frame of the layouts", "\"lyout\\fback.bmp\""},
    {"page nobody reaches", [](ProjectData* d) { SetLine(d, 5, 0, "lost"); }, Severity::kWarning,
     "page 5", "no way leads here from the start page"},
    {"empty page play reaches", [](ProjectData* d) { d->str2[0][field::kNextPage] = 7; },
     Severity::kWarning, "page 7", "play reaches this empty page"},
    {"page that never ends", [](ProjectData* d) { d->str2[1][field::kEndType] = 9; },
     Severity::kWarning, "page 1", "end type 9 is none of 0 to 4: the page never ends"},
    {"choice page with every choice empty", [](ProjectData* d) { SetLine(d, 1, 10, ""); },
     Severity::kError, "page 1", "all four choices are empty"},
    {"page that only leads back to itself",
     [](ProjectData* d) { d->str2[1][field::kChoiceTarget0] = 1; }, Severity::kWarning, "page 1",
     "only leads back to itself"},
    {"plus beyond byte 40",
     [](ProjectData* d) { SetText(&d->str5[3], std::string(40, 'n') + "+x"); }, Severity::kWarning,
     "speaker 3", "the \"+\" lies at byte 40 or later"},
    {"message line needing five rows",
     [](ProjectData* d) { SetLine(d, 0, 1, "a/b/c/d/lost words"); }, Severity::kError,
     "page 0, line 1", "needs more than four rows; the player drops \"lost words\""},
    {"long message line wrapping into a fifth row",
     [](ProjectData* d) { SetLine(d, 0, 0, std::string(90, 'w') + "/b/c/d"); }, Severity::kError,
     "page 0, line 0", "needs more than four rows"},
    {"line after an empty line", [](ProjectData* d) { SetLine(d, 0, 4, "hidden"); },
     Severity::kWarning, "page 0, line 4", "the line is never shown: line 2 before it is empty"},
    {"text without ending zero",
     [](ProjectData* d) { d->str[project::RecordIndex(1, 13)].fill('z'); }, Severity::kWarning,
     "page 1, choice 4", "fills all 100 bytes"},
    {"start page beyond 999", [](ProjectData* d) { d->sinariono = 1000; }, Severity::kError,
     "start page", "the start page 1000 is outside"},
    {"restart does not go to the start page",
     [](ProjectData* d) {
       d->sinariono = 1;
       d->str6[project::slot::kMenu].show = 1;
     },
     Severity::kWarning, "start page",
     "the menu's restart begins at page 0, not at the start page 1"},
};

TEST(Lint, FindsEachFaultAtItsPlace) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    auto data = CleanGame();
    c.change(data.get());
    const auto findings = Lint(*data);
    const bool found = std::any_of(findings.begin(), findings.end(), [&](const Diagnostic& f) {
      return f.severity == c.severity && f.where == c.where &&
             f.message.find(c.message) != std::string::npos;
    });
    EXPECT_TRUE(found) << Listing(findings);
  }
}

TEST(Lint, FindingsCarryTheirPageAndLine) {
  auto data = CleanGame();
  data->str2[1][field::kChoiceTarget0] = 1000;
  const auto findings = Lint(*data);
  ASSERT_EQ(findings.size(), 1u) << Listing(findings);
  EXPECT_EQ(findings[0].page, 1);
  EXPECT_EQ(findings[0].line, 10);
}

TEST(Lint, APersonWithoutPictureIsFineWhereThePersonSlotIsHidden) {
  auto data = CleanGame();
  data->str2[0][field::kPerson0] = 7;  // a speaker name only
  data->pagescrused[0] = 1;            // page 0 has its own layout without the person slot
  data->pagescrinf[0][project::slot::kMessage].show = 1;
  const auto findings = Lint(*data);
  EXPECT_TRUE(findings.empty()) << Listing(findings);
}

TEST(Lint, NumbersOfLinesThatAreNeverShownAreNotChecked) {
  auto data = CleanGame();
  data->str2[0][field::kSound0 + 2 * 5] = 99;  // line 5 is never shown
  const auto findings = Lint(*data);
  EXPECT_TRUE(findings.empty()) << Listing(findings);
}

TEST(Lint, PageZeroIsReachedThroughTheMenusRestart) {
  auto data = CleanGame();
  data->sinariono = 1;
  data->str2[1][field::kChoiceTarget0] = 1;
  SetLine(data.get(), 1, 11, "stay");
  data->str2[1][field::kChoiceTarget0 + 1] = 1;
  const auto hidden_menu = Lint(*data);
  EXPECT_NE(Listing(hidden_menu).find("page 0: no way leads here"), std::string::npos);
  data->str6[project::slot::kMenu].show = 1;
  EXPECT_EQ(Listing(Lint(*data)).find("page 0: no way leads here"), std::string::npos);
}

TEST(Lint, TheFileSizeMustBeExact) {
  EXPECT_FALSE(lint::CheckFileSize(project::kFileSize).has_value());
  const auto longer = lint::CheckFileSize(project::kFileSize + 3);
  ASSERT_TRUE(longer.has_value());
  EXPECT_NE(longer->message.find("3 more than a project file's 1957568"), std::string::npos);
  const auto shorter = lint::CheckFileSize(1400000 + 5 * 200 + 8);
  ASSERT_TRUE(shorter.has_value());
  EXPECT_EQ(shorter->severity, Severity::kError);
  EXPECT_NE(shorter->message.find("it ends within page 5, field 2"), std::string::npos)
      << shorter->message;
}

TEST(Lint, AShortFileIsCheckedAsThePlayerReadsIt) {
  const auto image = project::Encode(*CleanGame());
  const std::vector<uint8_t> cut(image.begin(), image.begin() + 1400000);  // ends before the pages
  const auto findings =
      lint::LintImage(cut, cut.size(), [](std::string_view) { return std::string("x"); });
  ASSERT_FALSE(findings.empty());
  EXPECT_NE(findings[0].message.find("shorter than a project file's"), std::string::npos);
  // The page table reads as zero: page 1 now ends with type 0 and is not reached.
  EXPECT_NE(Listing(findings).find("page 1: no way leads here"), std::string::npos)
      << Listing(findings);
}

}  // namespace
