// The line's sound and the page's song: once per line, once per page entry,
// read from the trace of sound plays and music commands.
#include "tests/runtime/story_fixture.h"

namespace {

using story_test::StoryTest;
namespace field = project::field;

class StorySoundTest : public StoryTest {
 protected:
  void SetUp() override {
    StoryTest::SetUp();
    effectwav[1] = Sound("a.wav");
    effectwav[2] = Sound("b.wav");
    SetCount(project::kSounds, 1);  // b.wav is loaded but not listed
    TraceLines("");
  }
  int Plays(int slot) {
    const std::string needle = "\"ev\":\"play\",\"slot\":" + std::to_string(slot) + ",";
    return static_cast<int>(TraceLines(needle).size());
  }
};

TEST_F(StorySoundTest, ALinesSoundPlaysOnceWhenTheLineIsComposed) {
  SetLines(0, {"one", "two", "three"});
  SetField(0, field::kSound0, 1);
  SetField(0, field::kSound0 + 4, 1);
  Frames(3);
  EXPECT_EQ(Plays(effectwav[1]), 1);
  Click();  // line 1 has no sound
  EXPECT_EQ(Plays(effectwav[1]), 0);
  Click();
  EXPECT_EQ(Plays(effectwav[1]), 1);
}

TEST_F(StorySoundTest, SoundsBeyondTheListOrThatFailedToLoadPlayNothing) {
  effectwav[1] = -1;
  for (int number : {1, 2, 300, -1}) {
    SetField(0, field::kSound0, number);
    soundflug = 0;
    Frame();
    EXPECT_EQ(TraceLines("\"ev\":\"play\"").size(), 0u) << number;
  }
}

TEST_F(StorySoundTest, WithEverySlotHiddenTheSoundStillPlays) {
  for (auto& s : str6) s = SCREENPRM{};
  SetField(0, field::kSound0, 1);
  Frame();
  EXPECT_EQ(Plays(effectwav[1]), 1);
}

class StorySongTest : public StoryTest {
 protected:
  void SetUp() override {
    StoryTest::SetUp();
    SetSongName(1, "midi\\a.mid");
    SetSongName(2, "midi\\b.mid");
    SetCount(project::kSongs, 2);
    TraceLines("");
  }
  static void SetSongName(int n, const std::string& path) {
    auto& entry = picname.names[project::kSongs][static_cast<size_t>(n)];
    entry.fill(0);
    std::copy(path.begin(), path.end(), entry.begin());
  }
  // The songs opened since the last call, by file name.
  std::vector<std::string> Opened() {
    std::vector<std::string> names;
    for (const std::string& line : TraceLines("\"cmd\":\"open ")) {
      const size_t end = line.find(".mid");
      names.push_back(line.substr(end - 1, 5));
    }
    return names;
  }
  using Names = std::vector<std::string>;
};

TEST_F(StorySongTest, APagesSongStartsOnItsFirstLineAndNotAgainOnLaterLines) {
  SetLines(0, {"one", "two"});
  SetField(0, field::kSong, 2);
  Frame();
  EXPECT_EQ(Opened(), Names{"b.mid"});
  EXPECT_EQ(savemidi, 2);
  EXPECT_EQ(midiflug, 1);
  Click();
  EXPECT_EQ(gyou, 1);
  EXPECT_EQ(Opened(), Names{});
}

TEST_F(StorySongTest, APageWithoutASongLeavesTheMusicAndReenteringRestartsTheSong) {
  LinkPage(0, 1);
  LinkPage(1, 0);
  SetField(0, field::kSong, 1);
  Frame();
  EXPECT_EQ(Opened(), Names{"a.mid"});
  Click();  // page 1: no song
  EXPECT_EQ(sinariono, 1);
  EXPECT_EQ(Opened(), Names{});
  EXPECT_EQ(savemidi, 1);
  EXPECT_EQ(elMusic::PlayMusic, 1);
  Click();  // page 0 again: its song from the start
  EXPECT_EQ(sinariono, 0);
  EXPECT_EQ(Opened(), Names{"a.mid"});
}

TEST_F(StorySongTest, ASongNumberBeyondTheListStartsNothing) {
  savemidi = 1;
  for (int number : {3, 250, -2}) {
    SetField(0, field::kSong, number);
    soundflug = 0;
    midiflug = 0;
    Frame();
    EXPECT_EQ(Opened(), Names{}) << number;
    EXPECT_EQ(savemidi, 1) << number;
  }
}

}  // namespace
