#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/el.h"
#include "platform/platform.h"
#include "tests/engine/system_fixture.h"
#include "tests/support/support.h"

namespace {

namespace fs = std::filesystem;

std::string EngineForm(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

// A game folder <temp>/A/B and a configuration folder <temp>/config/aoat.
class SystemFiles : public test_support::SystemTest {
 protected:
  void SetUp() override {
    SystemTest::SetUp();
    game = temp.Path() / "A" / "B";
    fs::create_directories(game);
    platform::SetGameFolder(game.string());
    config_home = temp.Path() / "config";
    const char* old = std::getenv("XDG_CONFIG_HOME");
    if (old != nullptr) saved_config_home = old;
    setenv("XDG_CONFIG_HOME", config_home.c_str(), 1);
  }
  void TearDown() override {
    if (saved_config_home) {
      setenv("XDG_CONFIG_HOME", saved_config_home->c_str(), 1);
    } else {
      unsetenv("XDG_CONFIG_HOME");
    }
    SystemTest::TearDown();
  }
  void WriteInstallFile(const std::string& name, const std::string& bytes) {
    temp.Write("config/aoat/" + name, bytes);
  }

  test_support::TempFolder temp;
  fs::path game;
  fs::path config_home;
  std::optional<std::string> saved_config_home;
};

TEST_F(SystemFiles, DirectoryIsTheGameFolderInTheEngineForm) {
  const std::string expected = EngineForm(game.string() + "/");
  EXPECT_EQ(std::string(elSystem::Directory(0)), expected);
  EXPECT_EQ(std::string(elSystem::Directory(1)), expected);  // no installation folder
  EXPECT_EQ(expected.back(), '\\');
}

TEST_F(SystemFiles, InstalledCopyKeepsTheProgramFolderName) {
  struct Case {
    std::string install_directory;
    int install;
    std::string expected;
  } cases[] = {
      {"D:\\X", 1, "D:\\X\\B\\"},
      {"/opt/games", 1, "/opt/games\\B\\"},
      {"D:\\X", 0, EngineForm(game.string() + "/")},
      {"", 1, EngineForm(game.string() + "/")},
      {std::string(253, 'x'), 1, EngineForm(game.string() + "/")},  // would not fit
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.install_directory.substr(0, 20));
    std::snprintf(elSystem::InstallDirectory, sizeof(elSystem::InstallDirectory), "%s",
                  c.install_directory.c_str());
    EXPECT_EQ(std::string(elSystem::Directory(c.install)), c.expected);
  }
}

TEST_F(SystemFiles, GameFolderTooLongForTheBufferGivesNoFolderRatherThanAWrongOne) {
  const fs::path deep = temp.Path() / std::string(200, 'd') / std::string(100, 'e');
  fs::create_directories(deep);
  platform::SetGameFolder(deep.string());
  EXPECT_STREQ(elSystem::Directory(0), "");
}

TEST_F(SystemFiles, FolderNameTooLongToKeepFallsBackToTheProgramFolder) {
  std::snprintf(elSystem::InstallDirectory, sizeof(elSystem::InstallDirectory), "D:\\X");
  EXPECT_STREQ(elSystem::Directory(1), "D:\\X\\B\\");
  const fs::path long_name = temp.Path() / std::string(130, 'n');
  fs::create_directories(long_name);
  platform::SetGameFolder(long_name.string());
  EXPECT_EQ(std::string(elSystem::Directory(1)), EngineForm(long_name.string() + "/"));
}

TEST_F(SystemFiles, CheckInstallReadsTheFirstLineOfTheFile) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string folder;
  } cases[] = {
      {"trailing backslash", "C:\\Games\\X\\\nsecond line\n", "C:\\Games\\X"},
      {"empty file", "", ""},
      {"very long line", std::string(1000, 'L'), std::string(255, 'L')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteInstallFile("inst.txt", c.bytes);
    std::snprintf(elSystem::InstallDirectory, sizeof(elSystem::InstallDirectory), "stale");
    elSystem::CheckInstall("inst.txt");
    EXPECT_EQ(std::string(elSystem::InstallDirectory), c.folder);
  }
  elSystem::CheckInstall("missing.txt");
  EXPECT_STREQ(elSystem::InstallDirectory, "");
}

TEST_F(SystemFiles, SettingsFilesHoldOneDecimalNumber) {
  struct Case {
    int mode;
    std::string content;
  } cases[] = {{1, "1"}, {-5, "-5"}};
  for (const Case& c : cases) {
    elSystem::SaveScreenMode("screen.dat", c.mode);
    EXPECT_EQ(temp.Read("A/B/screen.dat"), c.content);
    EXPECT_EQ(elSystem::LoadScreenMode("screen.dat"), c.mode);
    elSystem::SaveMidiMode("midi.dat", c.mode);
    EXPECT_EQ(temp.Read("A/B/midi.dat"), c.content);
    EXPECT_EQ(elSystem::LoadMidiMode("midi.dat"), c.mode);
  }
}

TEST_F(SystemFiles, SettingsLoaderReadsWhatOthersWrote) {
  struct Case {
    std::string bytes;
    int value;
  } cases[] = {{"  12\n", 12}, {"", 0}, {std::string(10000, ' ') + "3", 0}};
  for (const Case& c : cases) {
    temp.Write("A/B/mode.dat", c.bytes);
    EXPECT_EQ(elSystem::LoadScreenMode("mode.dat"), c.value) << c.bytes.substr(0, 20);
    EXPECT_EQ(elSystem::LoadMidiMode("mode.dat"), c.value);
  }
  EXPECT_EQ(elSystem::LoadScreenMode("never-written.dat"), 0);
}

TEST_F(SystemFiles, SettingsFollowTheInstalledCopy) {
  const fs::path installed = temp.Path() / "inst";
  fs::create_directories(installed / "B");
  WriteInstallFile("inst.txt", installed.string() + "\n");
  elSystem::CheckInstall("inst.txt");
  elSystem::SaveScreenMode("screen.dat", 1);
  EXPECT_EQ(temp.Read("inst/B/screen.dat"), "1");
  EXPECT_FALSE(fs::exists(game / "screen.dat"));
  EXPECT_EQ(elSystem::LoadScreenMode("screen.dat"), 1);
}

TEST_F(SystemFiles, UnwritableSettingsFileIsSilentlySkipped) {
  elSystem::SaveScreenMode("no-such-folder\\screen.dat", 1);
  EXPECT_EQ(elSystem::LoadScreenMode("no-such-folder\\screen.dat"), 0);
  EXPECT_TRUE(fake->boxes.empty());
}

}  // namespace
