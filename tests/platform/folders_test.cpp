// The game, save and configuration folders, and the system queries that have
// a decision of their own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "platform/platform.h"
#include "platform/system_info.h"
#include "tests/support/support.h"

namespace {

TEST(Folders, SavesGoUnderTheDataHomeOneFolderAGame) {
  const std::string a = platform::DefaultSaveFolder("/media/cd/story/", "/home/u/data");
  const std::string b = platform::DefaultSaveFolder("/media/other/story/", "/home/u/data");
  EXPECT_EQ(a.rfind("/home/u/data/aoat-player/story-", 0), 0u) << a;
  EXPECT_EQ(a.size(), std::string("/home/u/data/aoat-player/story-12345678/").size()) << a;
  EXPECT_EQ(a.back(), '/');
  EXPECT_NE(a, b);  // same folder name, different games
  EXPECT_EQ(a, platform::DefaultSaveFolder("/media/cd/story", "/home/u/data"));
  const std::string odd = platform::DefaultSaveFolder("/media/cd/物語 ..:/", "/d");
  EXPECT_EQ(odd.find(':'), std::string::npos);
  EXPECT_EQ(odd.rfind("/d/aoat-player/", 0), 0u);
}

TEST(Folders, PicturesFolderAsXdgUserDirReadsIt) {
  const struct {
    const char* user_dirs;
    const char* folder;
  } cases[] = {
      {"", "/h/Pictures"},
      {"XDG_PICTURES_DIR=\"$HOME/Bilder\"\n", "/h/Bilder"},
      {"# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_PICTURES_DIR=\"/srv/pics/\"\n",
       "/srv/pics"},
      {"XDG_PICTURES_DIR=\"$HOME/My \\\"Pics\\\"\"", "/h/My \"Pics\""},
      {"XDG_PICTURES_DIR=\"$HOME\"\n", "/h/Pictures"},     // set to the home: none chosen
      {"XDG_PICTURES_DIR=\"relative\"\n", "/h/Pictures"},  // not a folder of its own
      {"XDG_PICTURES_DIR=\"$HOMEWORK\"\n", "/h/Pictures"},
      {"XDG_PICTURES_DIR=$HOME/unquoted\n", "/h/Pictures"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.user_dirs);
    EXPECT_EQ(platform::PicturesFolderFrom(c.user_dirs, "/h"), c.folder);
  }
}

TEST(Folders, GameAndSaveFoldersAreAbsoluteWithATrailingSlash) {
  test_support::TempFolder temp;
  platform::SetSaveFolder("");
  platform::SetGameFolder(temp.Path().string() + "//");
  EXPECT_EQ(platform::GameFolder(), temp.Path().string() + "/");
  EXPECT_EQ(platform::SaveFolder(),
            platform::DefaultSaveFolder(platform::GameFolder(), platform::UserDataHome()));
  EXPECT_FALSE(platform::SaveFolderGiven());
  platform::SetSaveFolder((temp.Path() / "saves" / "x").string());
  EXPECT_EQ(platform::SaveFolder(), (temp.Path() / "saves" / "x").string() + "/");
  EXPECT_TRUE(std::filesystem::is_directory(temp.Path() / "saves" / "x"));
  EXPECT_TRUE(platform::SaveFolderGiven());
  platform::SetSaveFolder("");
  platform::SetGameFolder("");
}

TEST(Folders, ConfigFolderFollowsXdgConfigHome) {
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = old != nullptr ? old : "";
  setenv("XDG_CONFIG_HOME", "/cfg", 1);
  EXPECT_EQ(platform::ConfigFolder(), "/cfg/aoat");
  setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
  EXPECT_EQ(platform::ConfigFolder(), platform::UserHome() + "/.config/aoat");
  if (old != nullptr) {
    setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
  }
}

TEST(SystemInfo, VolumeControlIsTheFirstMixerOnThePath) {
  const auto only = [](std::string name) {
    return [name](const std::string& path) { return path == name; };
  };
  EXPECT_EQ(platform::FindVolumeControl("/usr/bin:/bin", only("/bin/kmix")),
            (std::vector<std::string>{"/bin/kmix"}));
  EXPECT_EQ(platform::FindVolumeControl("/a:/usr/bin", only("/usr/bin/gnome-control-center")),
            (std::vector<std::string>{"/usr/bin/gnome-control-center", "sound"}));
  EXPECT_TRUE(platform::FindVolumeControl("/usr/bin", only("/opt/pavucontrol")).empty());
  EXPECT_TRUE(platform::FindVolumeControl("relative::", only("relative/kmix")).empty());
}

TEST(SystemInfo, AvailableMemoryComesFromMeminfo) {
  EXPECT_EQ(platform::MemAvailableFromMeminfo("MemTotal: 100 kB\nMemAvailable:   2048 kB\n"),
            2048u * 1024);
  EXPECT_EQ(platform::MemAvailableFromMeminfo("MemTotal: 100 kB\n"), 0u);
  EXPECT_EQ(platform::MemAvailableFromMeminfo("garbage"), 0u);
  EXPECT_GT(platform::AvailableMemoryBytes(), 0u);
  EXPECT_GT(platform::FreeDiskBytes("/"), 0u);
}

}  // namespace
