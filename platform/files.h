// Internals of the folder services of platform/platform.h, open to the tests
// and to the instance lock, and the one way the program reads a file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The save folder chosen when none was given:
// "<data_home>/aoat-player/<game folder name>-<hash>/", so that two games with
// the same folder name keep apart and a game folder on a disc or in a
// read-only place plays as well as any.
std::string DefaultSaveFolder(const std::string& game_folder, const std::string& data_home);
// The pictures folder that `user_dirs` (the text of user-dirs.dirs) names in
// XDG_PICTURES_DIR, as xdg-user-dir reads it; else "<home>/Pictures". No
// trailing '/'.
std::string PicturesFolderFrom(std::string_view user_dirs, const std::string& home);
// The user's home folder ($HOME, else the password database, else /tmp).
std::string UserHome();
// $XDG_DATA_HOME, else ~/.local/share (no trailing '/').
std::string UserDataHome();
// A stable 64-bit hash of a byte string (FNV-1a), shown as 16 hex digits.
std::string HashHex(std::string_view bytes);
// `folder` made absolute, with exactly one trailing '/'.
std::string AsFolder(const std::string& folder);

// Reading files. A game folder can hold anything under a listed name: a
// folder, a named pipe, a link to a device, a file of gigabytes. Every reader
// goes through RegularFile, which opens without blocking, looks at what it
// opened before reading a byte, and refuses anything but a regular file the
// same way as a missing one. Reads never go past a bound the caller gives
// from what its format can need, and nothing here throws.
enum class Links { kFollow, kRefuse };

// What a failed open or read was, for the messages of `aoat lint`; the
// player itself treats every failure as "cannot be opened".
inline constexpr std::string_view kNotRegularFile = "not a regular file";

class RegularFile {
 public:
  // The file `path` opened for reading, or nothing with `error` set (the
  // system's reason, or kNotRegularFile). With Links::kRefuse a symbolic
  // link as the last component is refused too.
  static std::optional<RegularFile> Open(const std::string& path, std::string* error,
                                         Links links = Links::kFollow);
  RegularFile(RegularFile&& other) noexcept;
  RegularFile& operator=(RegularFile&& other) noexcept;
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;
  ~RegularFile();

  // The size when it was opened.
  uint64_t Size() const { return size_bytes_; }
  // Exactly `bytes` bytes at `offset`; false when the file ends earlier or a
  // read fails.
  bool ReadAt(uint64_t offset, void* out, size_t bytes) const;
  // The first min(Size(), max_bytes) bytes (fewer if the file shrank).
  bool ReadHead(size_t max_bytes, std::vector<uint8_t>* bytes, std::string* error) const;

 private:
  RegularFile(int fd, uint64_t size_bytes) : fd_(fd), size_bytes_(size_bytes) {}
  int fd_ = -1;
  uint64_t size_bytes_ = 0;
};

// The whole regular file `path` when it holds at most `max_bytes`; false with
// `error` set otherwise ("larger than N bytes" for a bigger file).
bool ReadRegularFile(const std::string& path, size_t max_bytes, std::vector<uint8_t>* bytes,
                     std::string* error, Links links = Links::kFollow);
// The first `max_bytes` bytes (or all, when fewer) of the regular file `path`,
// for formats that never look past a fixed layout.
bool ReadFileHead(const std::string& path, size_t max_bytes, std::vector<uint8_t>* bytes,
                  std::string* error, Links links = Links::kFollow);

}  // namespace platform
