// The loading screen: tables, prefixes, counts, long paths and the name cut.
#include <cstring>
#include <string>

#include "tests/runtime/screen_fixture.h"

namespace {

using runtime_test::ScreenTest;
using runtime_test::SetText;
using test_support::Sjis;

std::string Song(int n) {
  return std::string(project::FieldText(picname.names[project::kSongs][static_cast<size_t>(n)]));
}

class AssetLoading : public ScreenTest {
 protected:
  void Load() {
    WriteProject();
    _ChangeScreen = 1;
    Main2Screen();
  }
};

TEST_F(AssetLoading, LoadsTheLayoutPicturesAndEveryListedEntry) {
  for (const char* name :
       {"lyout/mouse.bmp", "lyout/title.bmp", "lyout/bback.bmp", "lyout/fback.bmp"})
    WritePicture(name, 8, 4, 0x112233);
  WritePicture("person/a.bmp", 10, 20, 0xFF0000);
  WritePicture("person/b.bmp", 11, 21, 0x00FF00);
  WritePicture("frontmain/f.bmp", 12, 22, 0x0000FF);
  WritePicture("backmain/k.bmp", 13, 23, 0x0000FF);
  WritePicture("item/i.bmp", 14, 24, 0x0000FF);
  WriteSound("wav/s.wav");
  List(project::kPersons, 2, 1, "a.bmp");
  List(project::kPersons, 2, 2, "B.BMP");  // found in any letter case
  List(project::kFronts, 1, 1, "f.bmp");
  List(project::kBacks, 1, 1, "k.bmp");
  List(project::kItems, 1, 1, "i.bmp");
  List(project::kSounds, 1, 1, "s.wav");
  List(project::kSongs, 3, 3, "theme.mid");
  SetText(project_->picname.names[project::kSongs][0], "zero.mid");
  Load();

  for (const int sprite : {mousebmp, titlebmp, screenbmp, lyoutbmp}) EXPECT_GT(sprite, 3);
  EXPECT_EQ(Sprite[hitobmp[1]].SizeX, 10);
  EXPECT_EQ(Sprite[hitobmp[2]].SizeY, 21);
  EXPECT_EQ(Sprite[mainbmp[1]].SizeX, 12);
  EXPECT_EQ(Sprite[backbmp[1]].SizeX, 13);
  EXPECT_EQ(Sprite[itembmp[1]].SizeX, 14);
  EXPECT_GE(effectwav[1], 0);
  EXPECT_EQ(elDraw::SpriteColor, 0xFFFFFFu);
  EXPECT_EQ(Song(3), "midi\\theme.mid");
  EXPECT_EQ(Song(0), "zero.mid");
  EXPECT_EQ(Song(1), "midi\\");
  EXPECT_EQ(_ScreenNo, 3);
  EXPECT_EQ(_LastScreenNo, 0);
  EXPECT_TRUE(fake_->boxes.empty());
}

TEST_F(AssetLoading, EntriesBeyondTheCountAreNeitherLoadedNorPrefixed) {
  WritePicture("person/a.bmp", 10, 20, 0xFF0000);
  List(project::kPersons, 2, 1, "a.bmp");
  List(project::kPersons, 2, 2, "a.bmp");
  List(project::kPersons, 2, 3, "a.bmp");
  List(project::kSongs, 2, 3, "theme.mid");
  List(project::kSounds, 0, 1, "s.wav");
  Load();
  EXPECT_NE(hitobmp[2], 0);
  EXPECT_EQ(hitobmp[3], 0);
  EXPECT_EQ(Song(3), "theme.mid");
  EXPECT_EQ(effectwav[1], 0);
}

TEST_F(AssetLoading, AMissingProjectLoadsOnlyTheLayoutPictures) {
  WritePicture("lyout/mouse.bmp", 13, 21, 0);
  _ChangeScreen = 1;
  Main2Screen();
  EXPECT_GT(mousebmp, 3);
  EXPECT_EQ(hitobmp[1], 0);
  EXPECT_EQ(_ScreenNo, 3);
}

TEST_F(AssetLoading, FailedLoadsKeepTheLoadersFailureValues) {
  List(project::kPersons, 1, 1, "missing.bmp");
  List(project::kSounds, 1, 1, "missing.wav");
  Load();
  EXPECT_EQ(hitobmp[1], 0);
  EXPECT_EQ(effectwav[1], -1);
}

TEST_F(AssetLoading, RunsOnlyOnTheFirstFrameOfTheScreen) {
  WritePicture("person/a.bmp", 10, 20, 0xFF0000);
  List(project::kPersons, 1, 1, "a.bmp");
  WriteProject();
  _ChangeScreen = 0;
  _ScreenNo = 2;
  _LastScreenNo = 2;
  Main2Screen();
  EXPECT_EQ(hitobmp[1], 0);
  EXPECT_EQ(picname.counts[project::kPersons], 0);
  EXPECT_EQ(_ScreenNo, 3);
  EXPECT_EQ(_LastScreenNo, 0);
}

TEST_F(AssetLoading, CountsAbove199CountAs199AndNegativeCountsAsNone) {
  WritePicture("item/i.bmp", 2, 2, 0xFF0000);
  project_->picname.counts[project::kItems] = 5000;
  for (int n = 1; n < project::kListEntries; ++n) List(project::kItems, 5000, n, "i.bmp");
  project_->picname.counts[project::kPersons] = -7;
  SetText(project_->picname.names[project::kPersons][1], "a.bmp");
  WritePicture("person/a.bmp", 2, 2, 0xFF0000);
  Load();
  EXPECT_NE(itembmp[1], 0);
  EXPECT_NE(itembmp[199], 0);
  EXPECT_EQ(hitobmp[1], 0);
  EXPECT_TRUE(fake_->boxes.empty());
}

// A name just fitting the 100-byte path buffer loads; one byte more is not
// tried at all (no report), nor is a name that fills its whole record.
struct PathCase {
  project::AssetList list;
  const char* folder;
  size_t fitting_name_bytes;  // folder + name + terminator = 100
};

TEST_F(AssetLoading, PathsThatDoNotFitTheBufferAreNotLoaded) {
  const PathCase cases[] = {
      {project::kPersons, "person", 92}, {project::kFronts, "frontmain", 89},
      {project::kBacks, "backmain", 90}, {project::kItems, "item", 94},
      {project::kSounds, "wav", 95},
  };
  for (const PathCase& c : cases) {
    const bool sound = c.list == project::kSounds;
    const std::string fits = std::string(c.fitting_name_bytes - 4, 'a') + (sound ? ".wav" : ".bmp");
    const std::string too_long = "b" + fits;
    for (const std::string& name : {fits, too_long}) {
      const std::string path = std::string(c.folder) + "/" + name;
      sound ? WriteSound(path) : WritePicture(path, 3, 3, 0xFF0000);
    }
    List(c.list, 3, 1, fits);
    List(c.list, 3, 2, too_long);
    project::TextRecord& whole = project_->picname.names[static_cast<size_t>(c.list)][3];
    std::memset(whole.data(), 'c', whole.size());
  }
  Load();
  EXPECT_TRUE(fake_->boxes.empty());
  for (auto* table : {&hitobmp, &mainbmp, &backbmp, &itembmp}) {
    EXPECT_NE((*table)[1], 0);
    EXPECT_EQ((*table)[2], 0);
    EXPECT_EQ((*table)[3], 0);
  }
  EXPECT_GE(effectwav[1], 0);
  EXPECT_EQ(effectwav[2], -1);
  EXPECT_EQ(effectwav[3], -1);
}

TEST_F(AssetLoading, SongNamesTooLongForThePathAreLeftUnusable) {
  const std::string fits(94, 's');  // "midi\" + 94 bytes + terminator = 100
  List(project::kSongs, 3, 1, fits);
  List(project::kSongs, 3, 2, fits + "t");
  std::memset(project_->picname.names[project::kSongs][3].data(), 'u', project::kTextBytes);
  Load();
  EXPECT_EQ(Song(1), "midi\\" + fits);
  EXPECT_EQ(Song(2), "");
  EXPECT_EQ(Song(3), "");
}

TEST_F(AssetLoading, SpeakerNamesAreCutAndAlwaysTerminated) {
  SetText(project_->str5[1], Sjis("名前+めい"));
  SetText(project_->str5[2], "Plain");
  std::memset(project_->str5[199].data(), 'x', project::kTextBytes);
  Load();
  EXPECT_STREQ(hitoname[0], "");
  EXPECT_EQ(std::string(hitoname[1]), Sjis("名前"));
  EXPECT_EQ(runtime::PersonName(1), Sjis("名前"));
  EXPECT_STREQ(hitoname[2], "Plain");
  EXPECT_STREQ(hitoname[3], "");
  EXPECT_EQ(std::string(hitoname[199]), std::string(100, 'x'));
}

// ---- The name cut on its own

struct CutCase {
  const char* what;
  std::string name;
  std::string expected;
};

std::string Bytes(size_t count, char c) {
  return std::string(count, c);
}

TEST(NameCut, CutsAtTheFirstSingleBytePlusWithinFortyBytes) {
  const CutCase cases[] = {
      {"A+B", "A+B", "A"},
      {"no plus", "Alice", "Alice"},
      {"only plus", "+", ""},
      {"empty", "", ""},
      {"first plus wins", "a+b+c", "a"},
      {"plus at byte 39", Bytes(39, 'a') + "+b", Bytes(39, 'a')},
      {"plus at byte 40", Bytes(40, 'a') + "+b", Bytes(40, 'a') + "+b"},
      {"double-byte name", Sjis("山田+やまだ"), Sjis("山田")},
      // The byte after a lead byte is its second byte, even when it is "+".
      {"plus as second byte", "\x81+x+y", "\x81+x"},
      // A lead byte at 38 takes byte 39 with it: the "+" there is never seen.
      {"lead byte before byte 39", Bytes(38, 'a') + "\x88+z", Bytes(38, 'a') + "\x88+z"},
  };
  for (const CutCase& c : cases) {
    char field[100] = {};
    std::memcpy(field, c.name.data(), c.name.size());
    returnserch(field);
    EXPECT_EQ(std::string(field), c.expected) << c.what;
  }
}

TEST(NameCut, ClearsFromThePlusUpToByteFortyOnly) {
  char field[100] = {};
  const std::string name = Bytes(38, 'a') + "+bcdef";
  std::memcpy(field, name.data(), name.size());
  returnserch(field);
  EXPECT_EQ(field[38], '\0');
  EXPECT_EQ(field[39], '\0');
  EXPECT_EQ(std::string(field + 40), "cdef");
}

TEST(NameCut, ALeadByteAtTheEndDoesNotStepOverTheTerminator) {
  char field[100] = {};
  field[0] = '\x82';
  field[2] = '+';  // after the terminator: not part of the name
  returnserch(field);
  EXPECT_EQ(field[2], '+');
}

}  // namespace
