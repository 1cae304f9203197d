// Checks of the pages: targets, list numbers, how pages end, which pages play
// reaches, and how the message lines fit their rows.
#include <algorithm>

#include "tools/lint/lint.h"
#include "tools/lint/report.h"
#include "tools/story_source/flow.h"
#include "tools/story_source/text.h"

namespace lint {
namespace {

namespace field = project::field;
using story_source::Severity;

bool IsPage(int32_t value) {
  return value >= 0 && value < project::kPages;
}

int ListCount(const project::ProjectData& data, project::AssetList list) {
  return std::clamp(data.picname.counts[list], 0, project::kMaxListCount);
}

class PageChecker {
 public:
  PageChecker(const project::ProjectData& data, int page, std::vector<Diagnostic>* out)
      : data_(data), page_(page), fields_(data.str2[page]), out_(out) {}

  void Targets();
  void Numbers();
  void Ending();
  void Texts();

 private:
  void Error(const std::string& message, int line = -1) { Add(Severity::kError, message, line); }
  void Warning(const std::string& message, int line = -1) {
    Add(Severity::kWarning, message, line);
  }
  void Add(Severity severity, const std::string& message, int line) {
    Report(out_, severity,
           line < 0 ? story_source::PagePlace(page_) : story_source::LinePlace(page_, line),
           message, page_, line);
  }
  std::string_view Text(int line) const {
    return project::FieldText(data_.str[project::RecordIndex(page_, line)]);
  }
  void Target(int index, const std::string& what, int line = -1) {
    if (!IsPage(fields_[index]))
      Error("the " + what + " " + std::to_string(fields_[index]) + " is outside the pages 0 to 999",
            line);
  }
  // A list number of field `index`: 0 for none, else 1 to the list's count.
  void Listed(int index, project::AssetList list, const std::string& what, int line = -1) {
    const int32_t n = fields_[index];
    if (n == 0 || (n > 0 && n <= ListCount(data_, list))) return;
    Error(what + " " + std::to_string(n) + " is not listed (the list has " +
              std::to_string(ListCount(data_, list)) + ")",
          line);
  }

  const project::ProjectData& data_;
  int page_;
  const std::array<int32_t, project::kPageFields>& fields_;
  std::vector<Diagnostic>* out_;
};

void PageChecker::Targets() {
  switch (fields_[field::kEndType]) {
    case project::end_type::kNext:
      Target(field::kNextPage, "next page");
      break;
    case project::end_type::kChoice:
      for (int k = 0; k < project::kChoices; ++k)
        if (!Text(project::kMessageLines + k).empty())
          Target(field::kChoiceTarget0 + k, "target", project::kMessageLines + k);
      break;
    case project::end_type::kRandom:
      Target(field::kRandomLow, "lowest page of the random jump");
      Target(field::kRandomHigh, "highest page of the random jump");
      if (fields_[field::kRandomHigh] < fields_[field::kRandomLow])
        Error("the random jump's highest page (" + std::to_string(fields_[field::kRandomHigh]) +
              ") is below its lowest (" + std::to_string(fields_[field::kRandomLow]) + ")");
      break;
    case project::end_type::kVisited:
      Target(field::kVisitedPage, "page tested for a visit");
      Target(field::kVisitedTarget, "target when visited");
      Target(field::kNotVisitedTarget, "target when not visited");
      break;
    case project::end_type::kItem:
      Listed(field::kTestedItem, project::kItems, "the tested item");
      Target(field::kHeldTarget, "target when the item is held");
      Target(field::kNotHeldTarget, "target when the item is not held");
      break;
    default:
      break;
  }
}

void PageChecker::Numbers() {
  const int shown = story_source::ShownLines(data_, page_);
  const bool person_slot = story_source::LayoutOf(data_, page_)[project::slot::kPerson].show != 0;
  for (int k = 0; k < shown; ++k) {
    const int32_t person = fields_[field::kPerson0 + 2 * k];
    if (person < 0 || person > project::kMaxListCount) {
      Error("person " + std::to_string(person) + " is outside 0 to 199", k);
    } else if (person > ListCount(data_, project::kPersons) && person_slot) {
      Error("person " + std::to_string(person) + " has no picture (assets.persons lists " +
                std::to_string(ListCount(data_, project::kPersons)) +
                ") but the layout shows the person slot",
            k);
    }
    Listed(field::kSound0 + 2 * k, project::kSounds, "sound", k);
  }
  Listed(field::kBackPicture, project::kBacks, "back picture");
  Listed(field::kFrontPicture, project::kFronts, "front picture");
  Listed(field::kSong, project::kSongs, "song");
  if (fields_[field::kGivesItem] != 0) {
    if (fields_[field::kGivenItem] == 0) {
      Error("gives item 0, which is no item");
    } else {
      Listed(field::kGivenItem, project::kItems, "the given item");
    }
  }
}

void PageChecker::Ending() {
  if (story_source::EndsNever(data_, page_)) {
    Warning("end type " + std::to_string(fields_[field::kEndType]) +
            " is none of 0 to 4: the page never ends, only the menu leads away");
    return;
  }
  if (fields_[field::kEndType] == project::end_type::kChoice) {
    bool any = false;
    for (int k = 0; k < project::kChoices; ++k)
      any = any || !Text(project::kMessageLines + k).empty();
    if (!any) {
      Error("all four choices are empty: no click leads away from the page");
      return;
    }
  }
  const auto edges = story_source::PageEdges(data_, page_);
  if (!edges.empty() && std::all_of(edges.begin(), edges.end(),
                                    [&](const story_source::Edge& e) { return e.to == page_; }))
    Warning("the page only leads back to itself and never ends");
}

void PageChecker::Texts() {
  const int shown = story_source::ShownLines(data_, page_);
  for (int k = 0; k < shown; ++k) {
    const story_source::RowSplit split = story_source::SplitMessageRows(Text(k));
    if (story_source::DropsVisibleText(split))
      Error("the text needs more than four rows; the player drops " + Shown(split.dropped, 20), k);
  }
  for (int k = shown; k < project::kMessageLines; ++k) {
    if (Text(k).empty()) continue;
    Warning("the line is never shown: line " + std::to_string(shown) + " before it is empty", k);
    break;
  }
  for (int line = 0; line < project::kRecordsPerPage; ++line)
    if (Text(line).size() >= project::kTextBytes)
      Warning("the text fills all 100 bytes and has no ending zero", line);
}

}  // namespace

void CheckPages(const project::ProjectData& data, std::vector<Diagnostic>* out) {
  const int start = data.sinariono;
  if (!IsPage(start))
    Report(out, Severity::kError, "start page",
           "the start page " + std::to_string(start) + " is outside the pages 0 to 999");
  const auto reached = story_source::ReachablePages(data);
  bool menu_reached = false;
  for (int page = 0; page < project::kPages; ++page) {
    const bool content = story_source::PageHasContent(data, page);
    if (reached[page])
      menu_reached =
          menu_reached || story_source::LayoutOf(data, page)[project::slot::kMenu].show != 0;
    if (!content) {
      if (reached[page])
        Report(out, Severity::kWarning, story_source::PagePlace(page),
               "play reaches this empty page: it shows a blank line and goes on to page 0", page);
      continue;
    }
    if (!reached[page])
      Report(out, Severity::kWarning, story_source::PagePlace(page),
             "no way leads here from the start page", page);
    PageChecker checker(data, page, out);
    checker.Targets();
    checker.Numbers();
    checker.Ending();
    checker.Texts();
  }
  if (IsPage(start) && start != 0 && menu_reached)
    Report(out, Severity::kWarning, "start page",
           "the menu's restart begins at page 0, not at the start page " + std::to_string(start));
}

}  // namespace lint
