// Which sound font songs are played with.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/audio/sound_font.h"
#include "tests/support/support.h"

namespace {

TEST(SoundFont, TheFirstFolderWithASoundFontGivesItsFirstByName) {
  test_support::TempFolder root;
  const std::string empty = (root.Path() / "empty").string();
  const std::string fonts = (root.Path() / "fonts").string();
  const std::string missing = (root.Path() / "missing").string();
  root.Write("empty/readme.txt", "x");
  root.Write("fonts/zeta.sf2", "x");
  root.Write("fonts/Beta.SF3", "x");
  root.Write("fonts/alpha.sf2.txt", "x");
  const std::vector<std::string> folders = {missing, empty, fonts};
  EXPECT_EQ(platform::FirstSoundFontIn(folders), fonts + "/Beta.SF3");
  // Debian's choice of default comes first.
  root.Write("fonts/default-GM.sf2", "x");
  EXPECT_EQ(platform::FirstSoundFontIn(folders), fonts + "/default-GM.sf2");
  EXPECT_EQ(platform::FirstSoundFontIn(std::vector<std::string>{missing, empty}), "");
}

TEST(SoundFont, TheCommandLineComesBeforeTheEnvironment) {
  const char* saved = std::getenv("AOAT_SOUNDFONT");
  const std::string saved_value = saved != nullptr ? saved : "";
  setenv("AOAT_SOUNDFONT", "/from/environment.sf2", 1);
  platform::SetSoundFont("/from/option.sf2");
  EXPECT_EQ(platform::FindSoundFont(), "/from/option.sf2");
  platform::SetSoundFont("");
  EXPECT_EQ(platform::FindSoundFont(), "/from/environment.sf2");
  if (saved != nullptr) {
    setenv("AOAT_SOUNDFONT", saved_value.c_str(), 1);
  } else {
    unsetenv("AOAT_SOUNDFONT");
  }
}

}  // namespace
