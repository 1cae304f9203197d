// Sound packs: building them from folders, finding entries, loading from them,
// and what a broken pack does; and the output format.
#include <filesystem>

#include "engine/sound/internal/pack_reader.h"
#include "platform/audio/mixer.h"
#include "tests/engine/sound_fixture.h"

namespace {

using sound_test::PackRecord;
using sound_test::PcmRecord;
using sound_test::SoundTest;
using test_support::Sjis;

TEST(SoundPackNames, UpperCasingLeavesDoubleByteCharactersAlone) {
  struct Case {
    std::string in;
    std::string out;
  };
  const Case cases[] = {
      {"wav\\door.wav", "WAV\\DOOR.WAV"},
      {Sjis("効果音\\ソa.wav"), Sjis("効果音\\ソA.WAV")},
      {"\x83"
       "a",
       "\x83"
       "a"},  // 'a' is the second byte of a character here
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(el::sound::UpperSjis(c.in), c.out) << c.in;
}

TEST_F(SoundTest, ConvertPacksAFolderUnderUpperCaseNamesAndLoadPackFindsThem) {
  WriteWave("wav/one.wav", 100, 1000);
  WriteWave("wav/two.wav", 300, 2000);
  folder_.Write("wav/notes.txt", "not a wave");
  EXPECT_EQ(elSound::Convert("snd.pak", "wav", 1), 1);
  const std::string pack = folder_.Read("snd.pak");
  const std::string wave_one = test_support::ConstantPcm16(100, 1, 1000);
  EXPECT_EQ(pack.substr(0, 4 + 8 + 4 + 18 + 200),
            PackRecord("ONE.WAV", PcmRecord(1, 22050, 16), wave_one));
  EXPECT_NE(pack.find(std::string("TWO.WAV") + '\0'), std::string::npos);

  elSound::SetPack("snd.pak");
  EXPECT_EQ(std::string(elSound::PackFileName), std::string(elSystem::Directory(0)) + "snd.pak");
  const int slot = elSound::LoadPack("two.wav", 2);  // the second entry, in lower case
  ASSERT_EQ(slot, 0);
  EXPECT_EQ(elSound::ListPack[0], 1);
  EXPECT_EQ(elSound::ListMix[0], 2);
  EXPECT_STREQ(elSound::ListName[0], "two.wav");
  EXPECT_EQ(DSBuff2[0][1]->SizeBytes(), 600u);
  elSound::Play(0, 1);
  EXPECT_EQ(Pull(1)[0], 2000);

  // Without Delete, records are appended.
  EXPECT_EQ(elSound::Convert("snd.pak", "wav", 0), 1);
  EXPECT_EQ(folder_.Read("snd.pak").size(), 2 * pack.size());
}

TEST_F(SoundTest, ConvertWithoutWavesMakesNoPack) {
  EXPECT_EQ(elSound::Convert("snd.pak", "", 1), 1);
  EXPECT_FALSE(std::filesystem::exists(folder_.Path() / "snd.pak"));
}

TEST_F(SoundTest, ConvertFileRecordsAnUnreadableWaveAsEmpty) {
  // The second byte of "ソ" is a backslash; the name must survive whole.
  const std::string name = Sjis("WAV\\ソ.WAV");
  elSound::ConvertFile("snd.pak", name.c_str());
  EXPECT_EQ(folder_.Read("snd.pak"), PackRecord(Sjis("ソ.WAV"), "", ""));
}

TEST_F(SoundTest, LookupsReadPastOtherFormatsAndOverlongNames) {
  const std::string adpcm =
      test_support::PcmFields(1, 22050, 8, 2) + test_support::U16(10) + std::string(10, 'x');
  folder_.Write("snd.pak", PackRecord(std::string(300, 'L'), PcmRecord(1, 8000, 8), "abcd") +
                               PackRecord("ADPCM.WAV", adpcm, std::string(64, 'y')) +
                               PackRecord("PCM.WAV", PcmRecord(1, 8000, 8), std::string(8, 'z')) +
                               PackRecord("PCM.WAV", PcmRecord(2, 8000, 8), std::string(8, 'z')));
  elSound::SetPack("snd.pak");
  ASSERT_EQ(elSound::LoadPack("pcm.wav", 1), 0);
  EXPECT_EQ(DSBuff2[0][0]->Format().channels, 1);  // the first of two records
  EXPECT_EQ(elSound::LoadPack("adpcm.wav", 1), -1);
  EXPECT_EQ(LastReport(), Report("Sound::LoadPack", "サウンドバッファが生成できません"));
  EXPECT_EQ(elSound::LoadPack(std::string(300, 'L').c_str(), 1), -1);
  EXPECT_EQ(LastReport(), Report("Sound::LoadPack", "WAVEファイルを読み込めません"));
}

TEST_F(SoundTest, LoadPackReportsWhatGoesWrong) {
  const std::string good = PackRecord("A.WAV", PcmRecord(1, 8000, 8), std::string(100, 'a'));
  struct Case {
    const char* what;
    std::string pack;  // empty: no pack file
    const char* name;
    int mix;
    const char* message;
  };
  const Case cases[] = {
      {"no pack", "", "a.wav", 1, "パックファイル名が指定されていません"},
      {"no entry", good, "b.wav", 1, "WAVEファイルを読み込めません"},
      {"cut entry", good.substr(0, good.size() - 1), "a.wav", 1, "WAVEファイルを読み込めません"},
      {"short format", PackRecord("A.WAV", "0123456789", "abcd"), "a.wav", 1,
       "WAVEファイルを読み込めません"},
      {"zero channels", PackRecord("A.WAV", PcmRecord(0, 8000, 8), "abcd"), "a.wav", 1,
       "WAVEファイルを読み込めません"},
      {"lying length",
       test_support::U32(0xFFFFFFF0) + "A.WAV" + '\0' + test_support::U32(18) +
           PcmRecord(1, 8000, 8) + "abcd",
       "a.wav", 1, "WAVEファイルを読み込めません"},
      {"too many mixes", good, "a.wav", 11, "ミックス数が多過ぎます"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(folder_.Path() / "snd.pak");
    if (!c.pack.empty()) folder_.Write("snd.pak", c.pack);
    elSound::SetPack("snd.pak");
    EXPECT_EQ(elSound::LoadPack(c.name, c.mix), -1) << c.what;
    EXPECT_EQ(LastReport(), Report("Sound::LoadPack", c.message)) << c.what;
    EXPECT_EQ(elSound::ListUse[0], 0) << c.what;
  }
  const std::string long_name(101, 'N');
  folder_.Write("snd.pak", PackRecord(long_name, PcmRecord(1, 8000, 8), "abcd"));
  EXPECT_EQ(elSound::LoadPack(long_name.c_str(), 1), -1);
  EXPECT_EQ(LastReport(), Report("Sound::LoadPack", "ファイル名が長すぎます"));
  EXPECT_EQ(elSound::ListUse[0], 1);
}

TEST_F(SoundTest, SelectFormatRebuildsEverySoundAndRefusesWhatTheDeviceCannotTake) {
  WriteWave("a.wav", 100);
  ASSERT_EQ(elSound::LoadObject("a.wav", 2), 0);
  elSound::SetVolume(0, -10, 1);
  EXPECT_EQ(elSound::SelectFormat(1, 22, 8), 1);
  EXPECT_EQ(platform::PrimaryFormat().samples_per_sec, 22050u);
  EXPECT_EQ(platform::PrimaryFormat().block_align, 1);
  ASSERT_NE(DSBuff2[0][1], nullptr);
  EXPECT_EQ(DSBuff2[0][1]->Volume(), -1000);

  EXPECT_EQ(elSound::SelectFormat(6, 44, 16), 0);
  EXPECT_EQ(LastReport(), Report("Sound::SelectFormat", "再生フォーマットを変更できません"));
  EXPECT_EQ(platform::PrimaryFormat().channels, 1);
  ASSERT_NE(DSBuff2[0][0], nullptr);  // rebuilt in the format kept
  EXPECT_EQ(elSound::SelectFormat(2, 0x7FFFFFFF, 16), 0);
  EXPECT_EQ(elSound::SelectFormat(2, 44, 16), 1);

  DestroyAndOpenWithoutDevice();
  EXPECT_EQ(elSound::SelectFormat(6, 44, 16), 1);
}

}  // namespace
