// A small game built by the tests, played by the real player program along
// scripts from the logo to its exit, and checked through the event trace, the
// save file and a screenshot.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "runtime/project/project_file.h"
#include "tests/e2e/e2e_support.h"
#include "tests/platform/bmp_builder.h"
#include "tests/support/sound_files.h"

namespace {

namespace field = project::field;
using e2e::Clicks;
using e2e::RunPlayer;
using e2e::Trace;
using test_support::TempFolder;

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kYellow = 0xFFFF00;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

// The layout every page uses: menu entries of 16 px from (560, 10), choice
// rows of 20 px below (100, 300), items in a column from (600, 100), the back
// picture at (0, 0) under the front picture at (16, 0).
constexpr int kMenuX = 600;
constexpr int kRestartY = 18, kEndY = 34, kSaveY = 50, kLoadY = 66, kModeY = 82;
constexpr int kRandomLow = 4, kRandomHigh = 6;

std::string Picture(int size_px, std::function<uint32_t(int, int)> pixel) {
  test_support::BmpSpec spec;
  spec.width = size_px;
  spec.height = size_px;
  spec.pixel = std::move(pixel);
  return test_support::MakeBmp(spec);
}

std::string Plain(uint32_t rgb, int size_px = 16) {
  return Picture(size_px, [rgb](int, int) { return rgb; });
}

void SetText(project::TextRecord* record, std::string_view utf8) {
  const std::string sjis = test_support::Sjis(utf8);
  std::copy_n(sjis.begin(), std::min(sjis.size(), record->size() - 1), record->begin());
}

void SetSlot(project::ScreenParam* slot, int x, int y, int size = 0, int colour = 0) {
  slot->show = 1;
  slot->x = x;
  slot->y = y;
  slot->sizex = size;
  slot->sizey = colour;
}

// Pages, each ending in a different way, along one path:
//  0: three lines (sound 1 on line 1, song 1), then 1
//  1: choices "left" -> 2, "right" -> 3, an empty third choice -> 2
//  3: gives item 1, two lines (sound 2 on line 0), random jump to 4..6
//  4, 5, 6: to 7;  7: page 1 visited -> 8, else 2
//  8: gives item 2; page 2 visited -> 2, else 9
//  9 (song 2): item 1 held -> 10, else 2;  10 (song 2): item 3 held -> 2, else 11
// 11: auto page, 500 ms a line, two lines, then 12;  12: never ends.
std::unique_ptr<project::ProjectData> Story() {
  auto data = std::make_unique<project::ProjectData>();
  SetText(&data->str3[2], "テスト物語");
  for (int page = 0; page <= 12; ++page) {
    SetText(&data->str[project::RecordIndex(page, 0)], "page " + std::to_string(page));
    auto& fields = data->str2[static_cast<size_t>(page)];
    fields[field::kBackPicture] = 1;
    fields[field::kFrontPicture] = 1;
    fields[field::kNextPage] = page + 1;
  }
  auto set = [&](int page, int index, int value) { data->str2[page][index] = value; };
  auto line = [&](int page, int number, std::string_view text) {
    SetText(&data->str[project::RecordIndex(page, number)], text);
  };
  line(0, 1, "two/second row");
  line(0, 2, "three");
  set(0, field::kSound0 + 2, 1);
  set(0, field::kSong, 1);
  set(1, field::kEndType, project::end_type::kChoice);
  line(1, 10, "left");
  line(1, 11, "right");
  for (int k : {0, 2}) set(1, field::kChoiceTarget0 + k, 2);
  set(1, field::kChoiceTarget0 + 1, 3);
  line(3, 1, "found");
  set(3, field::kSound0, 2);
  for (int page : {3, 8}) set(page, field::kGivesItem, 1);
  set(3, field::kGivenItem, 1);
  set(8, field::kGivenItem, 2);
  set(3, field::kEndType, project::end_type::kRandom);
  set(3, field::kRandomLow, kRandomLow);
  set(3, field::kRandomHigh, kRandomHigh);
  for (int page = kRandomLow; page <= kRandomHigh; ++page) set(page, field::kNextPage, 7);
  // Visited branches: 7 on a page seen, 8 on one never seen.
  for (auto [page, tested, seen, unseen] : {std::array{7, 1, 8, 2}, std::array{8, 2, 2, 9}}) {
    set(page, field::kEndType, project::end_type::kVisited);
    set(page, field::kVisitedPage, tested);
    set(page, field::kVisitedTarget, seen);
    set(page, field::kNotVisitedTarget, unseen);
  }
  // Item branches: 9 on an item held, 10 on one not held.
  for (auto [page, item, held, not_held] : {std::array{9, 1, 10, 2}, std::array{10, 3, 2, 11}}) {
    set(page, field::kEndType, project::end_type::kItem);
    set(page, field::kTestedItem, item);
    set(page, field::kHeldTarget, held);
    set(page, field::kNotHeldTarget, not_held);
    set(page, field::kSong, 2);
  }
  set(11, field::kAutoPage, 1);
  set(11, field::kAutoDelay, 5);
  line(11, 1, "auto");
  set(12, field::kEndType, 9);

  auto& layout = data->str6;
  SetSlot(&layout[project::slot::kMenu], 560, 10, 16, 1);
  SetSlot(&layout[project::slot::kMessage], 0, 400, 16, 1);
  SetSlot(&layout[project::slot::kItems], 600, 100);
  SetSlot(&layout[project::slot::kFront], 16, 0);
  SetSlot(&layout[project::slot::kBack], 0, 0);
  SetSlot(&layout[project::slot::kChoiceBox], 100, 300, 20, 1);

  auto& lists = data->picname;
  auto list = [&](project::AssetList kind, std::vector<std::string_view> names) {
    lists.counts[kind] = static_cast<int32_t>(names.size());
    for (size_t n = 0; n < names.size(); ++n) SetText(&lists.names[kind][n + 1], names[n]);
  };
  list(project::kFronts, {"front.bmp"});
  list(project::kBacks, {"back.bmp"});
  list(project::kSounds, {"s1.wav", "s2.wav"});
  list(project::kSongs, {"a.mid", "b.mid"});
  list(project::kItems, {"i1.bmp", "i2.bmp"});
  return data;
}

// Writes the game into "game" below `folder`.
void WriteGame(const TempFolder& folder) {
  const std::vector<uint8_t> file = project::Encode(*Story());
  folder.Write("game/data.aoat", std::string(file.begin(), file.end()));
  for (const char* name : {"mark", "title", "bback", "fback", "mouse"})
    folder.Write(std::string("game/lyout/") + name + ".bmp", Plain(kBlack));
  // Opaque back picture: red, with a white corner that must stay white.
  folder.Write("game/backmain/back.bmp",
               Picture(64, [](int x, int y) { return x < 8 && y < 8 ? kWhite : kRed; }));
  // Keyed front picture: blue left half, white (transparent) right half.
  folder.Write("game/frontmain/front.bmp",
               Picture(64, [](int x, int) { return x < 32 ? kBlue : kWhite; }));
  folder.Write("game/item/i1.bmp", Plain(kGreen));
  folder.Write("game/item/i2.bmp", Plain(kYellow));
  const std::string wave =
      test_support::WaveFile(1, 22050, 16, test_support::ConstantPcm16(64, 1, 0));
  for (const char* name : {"s1", "s2"})
    folder.Write(std::string("game/wav/") + name + ".wav", wave);
  for (const char* name : {"a", "b"})
    folder.Write(std::string("game/midi/") + name + ".mid", test_support::MidiSong(2, 480));
}

struct Played {
  e2e::RunResult run;
  Trace trace;
};

Played Play(const TempFolder& folder, const std::string& script) {
  WriteGame(folder);
  folder.Write("script.txt", "wait 2100\n" + Clicks(1) + script);
  e2e::RunResult run =
      RunPlayer(folder, "--headless --script script.txt --trace trace.jsonl --save-dir save game");
  return {run, Trace(folder.Read("trace.jsonl"))};
}

std::string Click(int x, int y) {
  return Clicks(1, x, y);
}

// Every script reaches the title at the same virtual time, and the title
// seeds the generator with the virtual calendar's seconds, 2000-01-01
// 00:00:02 UTC: the random jump is the generator's first draw from there.
long RandomPage() {
  const uint32_t state = 946684802u * 214013u + 2531011u;
  return kRandomLow + ((state >> 16) & 0x7FFF) % (kRandomHigh - kRandomLow + 1);
}

// The pixel at (x, y) as 0xRRGGBB, each channel cut to 0 or FF (the display
// keeps 5 or 6 bits of each).
uint32_t Probe(const std::vector<uint8_t>& rgb, int x, int y) {
  uint32_t colour = 0;
  for (int c = 0; c < 3; ++c)
    colour = (colour << 8) | (rgb[(static_cast<size_t>(y) * 640 + x) * 3 + c] >= 0x80 ? 0xFF : 0);
  return colour;
}

// Virtual milliseconds from the story reaching `from` to reaching `to`.
long Step(const Trace& trace, std::pair<long, long> from, std::pair<long, long> to) {
  return trace.FindPage(to.first, to.second).TimeMs() -
         trace.FindPage(from.first, from.second).TimeMs();
}

TEST(StoryPlaythrough, EveryEndTypeAlongAScriptedPath) {
  TempFolder folder;
  const Played played =
      Play(folder, Clicks(4) +
                       // Right of row 2, then the empty third choice: nothing.
                       Click(500, 340) + Click(100, 360) +
                       // The top-left pixel of row 2 picks "right".
                       Click(100, 340) + Clicks(7) + "wait 1200\nshot shot.png\n");
  ASSERT_EQ(played.run.exit_code, 0) << played.run.err;
  const Trace& trace = played.trace;
  const long random_page = RandomPage();
  const std::vector<std::pair<long, long>> expected{
      {0, 0}, {0, 1}, {0, 2}, {1, 0},  {3, 0},  {3, 1},  {random_page, 0},
      {7, 0}, {8, 0}, {9, 0}, {10, 0}, {11, 0}, {11, 1}, {12, 0}};
  EXPECT_EQ(trace.Pages(), expected);
  // The choices stay through the two clicks beside the rows (3 frames each).
  const std::vector<e2e::Event> choices = trace.Named("select");
  ASSERT_EQ(choices.size(), 2u);
  EXPECT_EQ(choices[0].Int("on"), 1);
  EXPECT_EQ(choices[1].Int("on"), 0);
  EXPECT_GE(choices[1].Frame() - choices[0].Frame(), 6);
  EXPECT_EQ(trace.Named("title").at(0).Text("text"), "テスト物語");

  // The logo stays 2000 ms; the auto page moves on by itself every 500 ms.
  const long logo_end = trace.Find("screen", "no", 2).TimeMs();
  EXPECT_GE(logo_end, 2000);
  EXPECT_LE(logo_end, 2016);
  for (const auto& [from, to] : {std::pair{std::pair{11L, 0L}, std::pair{11L, 1L}},
                                 std::pair{std::pair{11L, 1L}, std::pair{12L, 0L}}}) {
    EXPECT_GE(Step(trace, from, to), 500) << from.first << "/" << from.second;
    EXPECT_LE(Step(trace, from, to), 516) << from.first << "/" << from.second;
  }

  // A line's sound plays when the line is composed, the frame after it
  // became current; song 1 starts once, song 2 on each page naming it.
  const std::vector<e2e::Event> sounds = trace.Named("play");
  ASSERT_EQ(sounds.size(), 2u);
  EXPECT_EQ(sounds[0].Frame(), trace.FindPage(0, 1).Frame() + 1);
  EXPECT_EQ(sounds[1].Frame(), trace.FindPage(3, 0).Frame() + 1);
  EXPECT_NE(sounds[0].Int("slot"), sounds[1].Int("slot"));
  EXPECT_EQ(trace.SongStarts("a.mid"), 1);
  EXPECT_EQ(trace.SongStarts("b.mid"), 2);

  // Back picture opaque (its white stays) under the keyed front picture
  // (its white shows the back); items 1 and 2 held, in a column.
  const std::vector<uint8_t> shot = e2e::ReadScreenshot((folder.Path() / "shot.png").string());
  ASSERT_FALSE(shot.empty());
  const struct {
    int x, y;
    uint32_t rgb;
  } probes[] = {{4, 4, kWhite},     {20, 20, kBlue},     {56, 20, kRed},    {72, 20, kBlack},
                {608, 108, kGreen}, {608, 124, kYellow}, {608, 140, kBlack}};
  for (const auto& probe : probes)
    EXPECT_EQ(Probe(shot, probe.x, probe.y), probe.rgb) << probe.x << "," << probe.y;
}

TEST(StoryPlaythrough, MenuSavesLoadsRestartsAndEnds) {
  TempFolder folder;
  const Played played =
      Play(folder, Clicks(4) + Click(100, 340) + Clicks(1) + Click(kMenuX, kSaveY) + Clicks(2) +
                       Click(kMenuX, kLoadY) + Click(kMenuX, kRestartY) + "frames 5\n" + Clicks(1) +
                       Click(kMenuX, kEndY) + "frames 5\n" + Clicks(1) + "frames 20\n");
  ASSERT_EQ(played.run.exit_code, 0) << played.run.err;
  const Trace& trace = played.trace;
  // Saved on page 3, line 1; loaded back there from page 7; restarted at
  // page 0 (neither menu click also acts on the title or the ending).
  const std::vector<std::pair<long, long>> expected{
      {0, 0}, {0, 1}, {0, 2}, {1, 0}, {3, 0}, {3, 1}, {RandomPage(), 0}, {7, 0}, {3, 1}, {0, 0}};
  EXPECT_EQ(trace.Pages(), expected);
  ASSERT_EQ(trace.ScreenNumbers(), (std::vector<long>{1, 2, 3, 4, 3, 4, 0}));
  // Song 1: the first page, the load (the saved song), the new game.
  EXPECT_EQ(trace.SongStarts("a.mid"), 3);

  const std::vector<e2e::Event> boxes = trace.Named("msgbox");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Text("text"), "セーブ完了\r\n");
  const std::string save = folder.Read("save/s.dat");
  ASSERT_EQ(save.size(), 1816u);
  auto int_at = [&](size_t offset) {
    int32_t value = 0;
    std::memcpy(&value, save.data() + offset, sizeof value);
    return value;
  };
  // Page, line, item 1 first in the item box, one item, song 1; pages 0, 1
  // and 3 visited, page 2 not.
  const struct {
    size_t offset;
    int32_t value;
  } fields[] = {{0, 3}, {4, 1}, {1008, 1}, {1808, 1}, {1812, 1}};
  for (const auto& f : fields) EXPECT_EQ(int_at(f.offset), f.value) << f.offset;
  EXPECT_EQ(save.substr(8, 5), std::string("\1\1\0\1\0", 5));

  // The ending screen ends the program on its own click, some 8 frames after
  // the menu's (release, a frame up, 5 frames, press), not at the script's
  // end 20 frames later.
  const e2e::Event& exit = trace.All().back();
  EXPECT_EQ(exit.Name(), "exit");
  EXPECT_EQ(exit.Int("code"), 0);
  EXPECT_GE(exit.Frame() - trace.Named("screen").back().Frame(), 8);
  EXPECT_LE(exit.Frame() - trace.Named("screen").back().Frame(), 10);
}

// Slow automatic mode, switched on with the right button or the menu's mode
// entry, advances by itself every 4000 ms and ignores clicks meanwhile.
TEST(StoryPlaythrough, AutomaticModeAdvancesByItself) {
  for (const std::string& switch_mode :
       {std::string("rclick 320 240\nframes 1\n"), Click(kMenuX, kModeY)}) {
    SCOPED_TRACE(switch_mode);
    TempFolder folder;
    const Played played = Play(folder, switch_mode + "wait 2000\n" + Clicks(1) + "wait 6500\n");
    ASSERT_EQ(played.run.exit_code, 0) << played.run.err;
    const Trace& trace = played.trace;
    EXPECT_EQ(trace.Pages(), (std::vector<std::pair<long, long>>{{0, 0}, {0, 1}, {0, 2}, {1, 0}}));
    // The logo's timer elapsed long ago: the first line follows at once.
    EXPECT_LE(Step(trace, {0, 0}, {0, 1}), 5 * 16);
    for (const auto& [from, to] : {std::pair{std::pair{0L, 1L}, std::pair{0L, 2L}},
                                   std::pair{std::pair{0L, 2L}, std::pair{1L, 0L}}}) {
      EXPECT_GE(Step(trace, from, to), 4000);
      EXPECT_LE(Step(trace, from, to), 4016);
    }
  }
}

}  // namespace
