// The player on game folders and desktops that are not what it expects: a
// folder, a named pipe or a link to /dev/zero where a picture, a sound or the
// project file should be, a link planted in the save folder, a start without
// a display, a second start, and settings that cannot work. Each run must end
// on its own (a hang is killed by the runner's limit and fails), never
// abort, and say what a user needs to know.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "runtime/project/project_file.h"
#include "tests/e2e/e2e_support.h"

namespace {

namespace fs = std::filesystem;
using e2e::Contains;
using e2e::RunPlayer;
using e2e::RunResult;
using e2e::Trace;
using test_support::TempFolder;

// Past the logo onto the first line, then the menu's save entry.
constexpr int kSaveX = 575, kSaveY = 314;
const std::string kPlayScript = "wait 2100\n" + e2e::Clicks(2, 300, 100) + "frames 30\n";

void CopyDemo(const TempFolder& folder) {
  fs::copy(test_support::BinaryDir() / "demo-game", folder.Path() / "game",
           fs::copy_options::recursive);
}

enum class Planted { kFolder, kPipe, kDeviceLink, kSparseGiant };

void Plant(const fs::path& at, Planted what) {
  fs::remove_all(at);
  switch (what) {
    case Planted::kFolder:
      fs::create_directory(at);
      break;
    case Planted::kPipe:
      ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0);
      break;
    case Planted::kDeviceLink:
      fs::create_symlink("/dev/zero", at);
      break;
    case Planted::kSparseGiant:
      // 2 GB that take no disk space; read whole they took gigabytes of memory.
      {
        const int fd = ::open(at.c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t{2} << 30), 0);
        ::close(fd);
      }
      break;
  }
}

std::string NameOf(Planted what) {
  switch (what) {
    case Planted::kFolder:
      return "a folder";
    case Planted::kPipe:
      return "a named pipe";
    case Planted::kDeviceLink:
      return "a link to /dev/zero";
    case Planted::kSparseGiant:
      return "a 2 GB sparse file";
  }
  return {};
}

// Each asset the demo loads early, replaced by each thing a file manager can
// put under its name: the run plays to its script's end and exits 0, as for
// a missing file.
TEST(HostileGameFolder, AnythingButARegularFileUnderAListedNameIsAMissingFile) {
  const char* kNames[] = {"lyout/title.bmp", "wav/bell.wav", "data.aoat"};
  for (const char* name : kNames) {
    for (const Planted what :
         {Planted::kFolder, Planted::kPipe, Planted::kDeviceLink, Planted::kSparseGiant}) {
      SCOPED_TRACE(std::string(name) + " as " + NameOf(what));
      TempFolder folder;
      CopyDemo(folder);
      Plant(folder.Path() / "game" / name, what);
      folder.Write("script.txt", kPlayScript);
      const RunResult run =
          RunPlayer(folder, "--headless --script script.txt --trace trace.jsonl game");
      EXPECT_EQ(run.exit_code, 0) << run.err;
      EXPECT_FALSE(Contains(run.err, "terminate")) << run.err;
      // The run got to the end of its script: the story's first page.
      EXPECT_FALSE(Trace(folder.Read("trace.jsonl")).Named("exit").empty());
    }
  }
}

// A link planted under the name an older player used for its temporary save
// file: the save goes into the save folder, the link's target stays as it was.
TEST(HostileGameFolder, ALinkInTheSaveFolderIsNeverWrittenThrough) {
  TempFolder folder;
  CopyDemo(folder);
  folder.Write("outside/target", "precious");
  fs::create_directories(folder.Path() / "save");
  fs::create_symlink(folder.Path() / "outside" / "target", folder.Path() / "save" / "s.dat.tmp");
  folder.Write("script.txt", kPlayScript + e2e::Clicks(1, kSaveX, kSaveY) + "frames 10\n");
  const RunResult run =
      RunPlayer(folder, "--headless --script script.txt --trace trace.jsonl --save-dir save game");
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const Trace trace(folder.Read("trace.jsonl"));
  ASSERT_FALSE(trace.Named("msgbox").empty());
  EXPECT_EQ(folder.Read("outside/target"), "precious");
  EXPECT_EQ(fs::file_size(folder.Path() / "save" / "s.dat"), 1816u);
  EXPECT_TRUE(fs::is_symlink(folder.Path() / "save" / "s.dat.tmp"));
}

// Every layout slot of the demo at sizes no screen shows (a menu of size
// 100000, text at INT_MAX): a glyph cache that could not hold the huge glyphs
// rendered them again every frame, 3 frames a second. The frames of the
// script then take longer than the runner allows, and the run is killed.
TEST(HostileGameFolder, AHugeLayoutCostsAboutWhatAnOrdinaryOneDoes) {
  TempFolder folder;
  CopyDemo(folder);
  const std::string image = folder.Read("game/data.aoat");
  auto data = std::make_unique<project::ProjectData>();
  project::Decode({reinterpret_cast<const uint8_t*>(image.data()), image.size()}, data.get());
  auto enlarge = [](project::ScreenParam& slot, int n) {
    slot.sizex = n % 2 == 0 ? 100000 : INT_MAX;
    if (n == project::slot::kMessage) slot.x = slot.y = INT_MAX;
  };
  for (int n = 0; n < project::kSlots; ++n) enlarge(data->str6[n], n);
  for (auto& page : data->pagescrinf)
    for (int n = 0; n < project::kSlots; ++n) enlarge(page[n], n);
  const std::vector<uint8_t> bytes = project::Encode(*data);
  folder.Write("game/data.aoat", std::string(bytes.begin(), bytes.end()));
  folder.Write("script.txt", kPlayScript + "frames 3000\n");
  const RunResult run =
      RunPlayer(folder, "--headless --script script.txt --trace trace.jsonl game");
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const Trace trace(folder.Read("trace.jsonl"));
  ASSERT_FALSE(trace.Named("exit").empty());
  EXPECT_GE(trace.Named("exit").back().Frame(), 3000);
}

// No desktop: SDL would fall back to drawing nowhere, and the player would
// run unseen for ever. It ends with 1 and says what to do instead.
TEST(HostileDesktop, NoDisplayEndsTheStartWithAMessage) {
  TempFolder folder;
  CopyDemo(folder);
  const RunResult run = RunPlayer(folder, "--window game",
                                  "-u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "
                                  "SDL_AUDIODRIVER=dummy");
  EXPECT_EQ(run.exit_code, 1) << run.err;
  EXPECT_TRUE(Contains(run.err, "no display")) << run.err;
  EXPECT_TRUE(Contains(run.err, "--headless")) << run.err;
}

// The lock file of an earlier run, held by someone else for another game:
// the start ends at once and names the game that runs.
TEST(HostileDesktop, ASecondStartNamesTheRunningGame) {
  TempFolder folder;
  CopyDemo(folder);
  folder.Write("script.txt", "frames 2\n");
  ASSERT_EQ(RunPlayer(folder, "--headless --script script.txt game").exit_code, 0);
  std::string lock_name;
  for (const std::string& name : folder.Entries())
    if (name.starts_with("aoat-") && name.ends_with(".lock")) lock_name = name;
  ASSERT_FALSE(lock_name.empty());
  // Process id 0: nobody to signal.
  folder.Write(lock_name, "0\n/games/the-other-one/\n");
  const int fd = ::open((folder.Path() / lock_name).c_str(), O_RDWR);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
  const RunResult second = RunPlayer(folder, "--headless --script script.txt game");
  ::close(fd);
  EXPECT_EQ(second.exit_code, 0);
  EXPECT_TRUE(Contains(second.err, "already running: /games/the-other-one/")) << second.err;

  // A folder in the lock file's place: the game runs, and says that a second
  // start will not be refused.
  fs::remove(folder.Path() / lock_name);
  fs::create_directory(folder.Path() / lock_name);
  const RunResult unlocked = RunPlayer(folder, "--headless --script script.txt game");
  EXPECT_EQ(unlocked.exit_code, 0);
  EXPECT_TRUE(Contains(unlocked.err, "the instance lock is unavailable")) << unlocked.err;
}

TEST(HostileDesktop, UnusableChoicesAreSaidAtStart) {
  TempFolder folder;
  CopyDemo(folder);
  fs::create_directories(folder.Path() / "empty");
  folder.Write("bad.sf2", "not a sound font at all");
  folder.Write("script.txt", "frames 2\n");
  const RunResult empty = RunPlayer(folder, "--headless --script script.txt empty");
  EXPECT_EQ(empty.exit_code, 0);
  EXPECT_TRUE(Contains(empty.err, "no data.aoat in")) << empty.err;

  const RunResult font =
      RunPlayer(folder, "--headless --script script.txt --soundfont bad.sf2 game");
  EXPECT_EQ(font.exit_code, 0);
  EXPECT_TRUE(Contains(font.err, "cannot use the sound font bad.sf2 (not a sound font)"))
      << font.err;
}

}  // namespace
