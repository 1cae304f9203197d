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

TEST(Folders, SavesGoToTheGameFolderWhenItCanBeWritten) {
  const auto always = [](const std::string&) { return true; };
  EXPECT_EQ(platform::ChooseSaveFolder("/games/story/", always, "/home/u/.local/share"),
            "/games/story/");
}

TEST(Folders, ReadOnlyGameFolderSavesUnderTheDataHome) {
  const auto never = [](const std::string&) { return false; };
  const std::string a = platform::ChooseSaveFolder("/media/cd/story/", never, "/home/u/data");
  const std::string b = platform::ChooseSaveFolder("/media/other/story/", never, "/home/u/data");
  EXPECT_EQ(a.rfind("/home/u/data/aoat/story-", 0), 0u) << a;
  EXPECT_EQ(a.back(), '/');
  EXPECT_NE(a, b);  // same folder name, different games
  EXPECT_EQ(a, platform::ChooseSaveFolder("/media/cd/story/", never, "/home/u/data"));
  const std::string odd = platform::ChooseSaveFolder("/media/cd/物語 ..:/", never, "/d");
  EXPECT_EQ(odd.find(':'), std::string::npos);
  EXPECT_EQ(odd.rfind("/d/aoat/", 0), 0u);
}

TEST(Folders, GameAndSaveFoldersAreAbsoluteWithATrailingSlash) {
  test_support::TempFolder temp;
  platform::SetSaveFolder("");
  platform::SetGameFolder(temp.Path().string() + "//");
  EXPECT_EQ(platform::GameFolder(), temp.Path().string() + "/");
  EXPECT_EQ(platform::SaveFolder(), platform::GameFolder());
  platform::SetSaveFolder((temp.Path() / "saves" / "x").string());
  EXPECT_EQ(platform::SaveFolder(), (temp.Path() / "saves" / "x").string() + "/");
  EXPECT_TRUE(std::filesystem::is_directory(temp.Path() / "saves" / "x"));
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
