// Helpers shared by the tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace test_support {

// A fresh folder under the system's temporary folder, removed on destruction.
class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();
  const std::filesystem::path& Path() const { return path_; }
  // Writes `bytes` to a file below the folder (creating folders) and returns its path.
  std::filesystem::path Write(const std::string& relative, std::string_view bytes) const;
  std::string Read(const std::string& relative) const;
  // The names in the folder `relative` (default: the folder itself), sorted,
  // so that a stray temporary file shows.
  std::vector<std::string> Entries(const std::string& relative = ".") const;

 private:
  std::filesystem::path path_;
};

// While it lives, files of the process cannot grow past `bytes`, as on a
// full disk (for root as well): writes past it fail instead of raising a
// signal.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(uint64_t bytes);
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  ~FileSizeLimit();

 private:
  uint64_t before_soft_ = 0;
  void (*before_handler_)(int) = nullptr;
};

// UTF-8 text as Shift-JIS bytes (tests are compiled as UTF-8; the engine
// works on Shift-JIS).
std::string Sjis(std::string_view utf8);

// The repository's source folder and the build folder.
std::filesystem::path SourceDir();
std::filesystem::path BinaryDir();

}  // namespace test_support
