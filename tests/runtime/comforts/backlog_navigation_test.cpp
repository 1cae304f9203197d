// The backlog keeps the last 1000 lines and scrolls within them; stepping
// through choices or menu entries goes round from the one pointed at.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/comforts/backlog.h"
#include "runtime/comforts/navigation.h"

namespace {

using comforts::Backlog;
using comforts::Point;
using comforts::Stop;

comforts::BacklogLine Line(int n) {
  comforts::BacklogLine line;
  line.rows[0] = std::to_string(n);
  line.row_count = 1;
  return line;
}

TEST(ComfortBacklog, KeepsTheNewestThousandLines) {
  Backlog backlog;
  for (int n = 0; n < 1005; ++n) backlog.Add(Line(n));
  EXPECT_EQ(backlog.Size(), Backlog::kMaxLines);
  EXPECT_EQ(backlog.FromNewest(0).rows[0], "1004");
  EXPECT_EQ(backlog.FromNewest(999).rows[0], "5");
}

TEST(ComfortBacklog, ScrollsWithinItsLinesAndTellsAStepPastTheNewest) {
  Backlog backlog;
  for (int n = 0; n < 5; ++n) backlog.Add(Line(n));
  backlog.Open();
  EXPECT_EQ(backlog.Scroll(), 0u);
  EXPECT_TRUE(backlog.ScrollOlder(3));
  EXPECT_EQ(backlog.Scroll(), 3u);
  EXPECT_TRUE(backlog.ScrollOlder(10));
  EXPECT_EQ(backlog.Scroll(), 4u) << "the oldest line is as far as it goes";
  EXPECT_TRUE(backlog.ScrollOlder(-4));
  EXPECT_FALSE(backlog.ScrollOlder(-1)) << "past the newest line";
  EXPECT_EQ(backlog.Scroll(), 0u);
  backlog.Close();
  backlog.Open();
  EXPECT_EQ(backlog.Scroll(), 0u);
  Backlog empty;
  EXPECT_TRUE(empty.ScrollOlder(2));
  EXPECT_EQ(empty.Scroll(), 0u);
}

TEST(ComfortNavigation, StepsGoRoundFromThePointedStop) {
  const Point a{1, 1}, b{2, 2}, c{3, 3};
  struct Case {
    std::vector<Stop> stops;
    int direction;
    std::optional<Point> expected;
  };
  const std::vector<Case> cases = {
      {{{a, false}, {b, false}, {c, false}}, 1, a},
      {{{a, false}, {b, false}, {c, false}}, -1, c},
      {{{a, true}, {b, false}, {c, false}}, 1, b},
      {{{a, true}, {b, false}, {c, false}}, -1, c},
      {{{a, false}, {b, false}, {c, true}}, 1, a},
      {{{a, false}, {b, true}, {c, false}}, -1, a},
      {{{a, true}}, 1, a},
      {{}, 1, std::nullopt},
  };
  for (size_t i = 0; i < cases.size(); ++i)
    EXPECT_EQ(comforts::StepFrom(cases[i].stops, cases[i].direction), cases[i].expected) << i;
}

}  // namespace
