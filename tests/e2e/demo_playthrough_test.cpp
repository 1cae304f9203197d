// The built demo game played by the real player program from the logo over
// the title, a choice, the items and both kinds of branch to the ending
// screen, whose click ends the program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_support.h"

namespace {

using e2e::Clicks;
using e2e::Trace;

// Pages of demo/story.json, by their place in the file.
enum DemoPage : long {
  kStart = 0,
  kKuroMeets = 1,
  kFindKey = 2,
  kBoxOpen = 3,
  kStreet = 6,
  kForest = 7,
  kForestSteps = 8,
  kForestMask = 10,
  kRiver = 11,
  kShrineGate = 12,
  kMaskSeen = 13,
  kMaskUnseen = 14,
  kFox = 15,
  kNoBell = 17,
  kCharmShown = 18,
  kGrandmaEnd = 21,
  kFin = 24,
};

// Clicks go to the scene, away from the menu (from x 535) and the choice
// rows (from y 140). The first choice row of the default layout spans
// x 104..503, y 140..159; the menu's end entry x 535..614, y 292..307.
std::string Lines(int count) {
  return Clicks(count, 300, 100);
}

// The walk: the key, the charm from the box, the random forest page (three
// or four lines: a fourth click lands on the river, an auto page, and is
// ignored), the river's four lines at 3 s each, the shrine without Kuro's
// bell, shown the charm, to the last page (which never ends: its second
// click does nothing); then the menu's end.
const std::string kWalk =
    "wait 2100\n" + Lines(1) +                   // logo, title
    Lines(4) + Lines(4) + Clicks(1, 104, 140) +  // start, kuro_meets, choice 1
    Lines(3 + 4 + 5 + 3 + 4) + "wait 12500\n" +  // find_key .. forest page, river
    Lines(3 + 2 + 3 + 2 + 3 + 4 + 2) +           // shrine_gate .. fin
    Clicks(1, 614, 307) + "frames 3\n" + Lines(1) + "frames 20\n";

// Consecutive page events of one page become one entry.
std::vector<long> PagesVisited(const Trace& trace) {
  std::vector<long> pages;
  for (const auto& [page, line] : trace.Pages())
    if (pages.empty() || pages.back() != page) pages.push_back(page);
  return pages;
}

TEST(DemoPlaythrough, FromTheLogoToTheEndingScreen) {
  test_support::TempFolder folder;
  folder.Write("walk.txt", kWalk);
  const std::string game = (test_support::BinaryDir() / "demo-game").string();
  const e2e::RunResult run = e2e::RunPlayer(
      folder, "--headless --script walk.txt --trace trace.jsonl --save-dir save '" + game + "'");
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const Trace trace(folder.Read("trace.jsonl"));

  const std::vector<long> pages = PagesVisited(trace);
  ASSERT_GT(pages.size(), 7u);
  const long forest_page = pages[6];
  EXPECT_GE(forest_page, kForestSteps);
  EXPECT_LE(forest_page, kForestMask);
  const long shrine_branch = forest_page == kForestMask ? kMaskSeen : kMaskUnseen;
  const std::vector<long> expected{kStart,  kKuroMeets,  kFindKey,    kBoxOpen,    kStreet,
                                   kForest, forest_page, kRiver,      kShrineGate, shrine_branch,
                                   kFox,    kNoBell,     kCharmShown, kGrandmaEnd, kFin};
  EXPECT_EQ(pages, expected);

  ASSERT_EQ(trace.Named("select").size(), 2u);
  EXPECT_EQ(trace.Named("select")[0].Int("on"), 1);
  EXPECT_EQ(trace.Named("select")[1].Int("on"), 0);
  for (const char* song : {"title.mid", "village.mid", "night.mid", "ending.mid"})
    EXPECT_EQ(trace.SongStarts(song), 1) << song;
  EXPECT_TRUE(trace.Named("msgbox").empty()) << "every asset loads";

  const std::vector<e2e::Event> screens = trace.Named("screen");
  ASSERT_EQ(trace.ScreenNumbers(), (std::vector<long>{1, 2, 3, 4, 0}));
  const e2e::Event& exit = trace.All().back();
  EXPECT_EQ(exit.Name(), "exit");
  EXPECT_EQ(exit.Int("code"), 0);
  // The ending waits for its own click (the one on the menu does not end
  // it), and that click ends the program before the script's last frames.
  EXPECT_GE(exit.Frame() - screens.back().Frame(), 5);
  EXPECT_LE(exit.Frame() - screens.back().Frame(), 8);
}

}  // namespace
