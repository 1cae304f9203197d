// The file boundary: only regular files are read, never more than the bound,
// and a picture no further than its header declares.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/dib.h"
#include "platform/display_drivers.h"
#include "platform/files.h"
#include "tests/platform/bmp_builder.h"
#include "tests/support/support.h"

namespace {

namespace fs = std::filesystem;
using platform::Links;
using platform::RegularFile;
using test_support::TempFolder;

// What a game folder can hold under a file's name besides a file. The pipe
// has no writer: an open that blocked would hang the test.
TEST(FileReading, AnythingButARegularFileCannotBeOpened) {
  TempFolder folder;
  fs::create_directory(folder.Path() / "folder");
  ASSERT_EQ(::mkfifo((folder.Path() / "pipe").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", folder.Path() / "zero");
  fs::create_symlink(folder.Path() / "missing", folder.Path() / "dangling");
  for (const char* name : {"folder", "pipe", "zero"}) {
    SCOPED_TRACE(name);
    std::string error;
    std::vector<uint8_t> bytes;
    EXPECT_FALSE(RegularFile::Open((folder.Path() / name).string(), &error));
    EXPECT_EQ(error, platform::kNotRegularFile);
    EXPECT_FALSE(platform::ReadRegularFile((folder.Path() / name).string(), 64, &bytes, &error));
    EXPECT_FALSE(platform::ReadFileHead((folder.Path() / name).string(), 64, &bytes, &error));
    EXPECT_EQ(platform::ReadBmpFile((folder.Path() / name).string()), nullptr);
  }
  std::string error;
  EXPECT_FALSE(RegularFile::Open((folder.Path() / "dangling").string(), &error));
  EXPECT_FALSE(error.empty());
}

TEST(FileReading, LinksAreFollowedOnlyWhenAllowed) {
  TempFolder folder;
  folder.Write("real", "bytes");
  fs::create_symlink(folder.Path() / "real", folder.Path() / "link");
  std::string error;
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(platform::ReadRegularFile((folder.Path() / "link").string(), 16, &bytes, &error));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "bytes");
  EXPECT_FALSE(platform::ReadRegularFile((folder.Path() / "link").string(), 16, &bytes, &error,
                                         Links::kRefuse));
}

TEST(FileReading, WholeReadsRefuseLargerFilesAndHeadReadsStopAtTheBound) {
  TempFolder folder;
  const std::string path = folder.Write("eight", "01234567").string();
  std::string error;
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(platform::ReadRegularFile(path, 8, &bytes, &error));
  EXPECT_EQ(bytes.size(), 8u);
  EXPECT_FALSE(platform::ReadRegularFile(path, 7, &bytes, &error));
  EXPECT_EQ(error, "larger than 7 bytes");
  EXPECT_TRUE(platform::ReadFileHead(path, 3, &bytes, &error));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "012");
  EXPECT_TRUE(platform::ReadFileHead(path, 100, &bytes, &error));
  EXPECT_EQ(bytes.size(), 8u);

  const auto file = RegularFile::Open(path, &error);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->Size(), 8u);
  char two[2];
  EXPECT_TRUE(file->ReadAt(6, two, 2));
  EXPECT_EQ(std::string(two, 2), "67");
  EXPECT_FALSE(file->ReadAt(7, two, 2));
}

// A picture followed by gigabytes (a sparse file) reads as the picture: only
// the rows its header declares are read.
TEST(FileReading, APictureIsReadNoFurtherThanItsHeaderDeclares) {
  TempFolder folder;
  test_support::BmpSpec spec;
  spec.width = 3;
  spec.height = 2;
  spec.pixel = [](int x, int y) { return static_cast<uint32_t>(0x102030 * (x + 1) + y); };
  const std::string bmp = test_support::MakeBmp(spec);
  const fs::path path = folder.Write("big.bmp", bmp);
  ASSERT_EQ(::truncate(path.c_str(), off_t{3} << 30), 0);
  const auto whole =
      platform::Dib::FromFile(std::span(reinterpret_cast<const uint8_t*>(bmp.data()), bmp.size()));
  const auto read = platform::ReadBmpFile(path.string());
  ASSERT_TRUE(whole);
  ASSERT_TRUE(read);
  ASSERT_EQ(read->Width(), 3);
  ASSERT_EQ(read->Height(), 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(read->ColorRefAt(x, y), whole->ColorRefAt(x, y));

  // The same picture cut short of its rows is refused, as a whole read is.
  const fs::path short_path = folder.Write("short.bmp", bmp.substr(0, bmp.size() - 1));
  EXPECT_EQ(platform::ReadBmpFile(short_path.string()), nullptr);
  const std::vector<uint8_t> head(bmp.begin(), bmp.end());
  const auto range = platform::Dib::PixelRange(head, head.size());
  ASSERT_TRUE(range);
  EXPECT_EQ(range->offset + range->bytes, head.size());
}

TEST(VideoDrivers, DriversThatShowNothingOnlyWhenAskedFor) {
  EXPECT_TRUE(platform::VideoDriverAcceptable("x11", nullptr));
  EXPECT_TRUE(platform::VideoDriverAcceptable("wayland", "wayland"));
  EXPECT_FALSE(platform::VideoDriverAcceptable(nullptr, nullptr));
  EXPECT_FALSE(platform::VideoDriverAcceptable("offscreen", nullptr));
  EXPECT_FALSE(platform::VideoDriverAcceptable("dummy", "x11"));
  EXPECT_FALSE(platform::VideoDriverAcceptable("offscreen", "offscreens"));
  EXPECT_TRUE(platform::VideoDriverAcceptable("offscreen", "offscreen"));
  EXPECT_TRUE(platform::VideoDriverAcceptable("dummy", "x11,dummy"));
}

}  // namespace
