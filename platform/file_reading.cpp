// The one way the program reads a file: regular files only, within a bound.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/files.h"

namespace platform {

std::optional<RegularFile> RegularFile::Open(const std::string& path, std::string* error,
                                             Links links) {
  // Non-blocking, so that a named pipe under the name cannot hang the open;
  // a folder opens read-only and is refused below like the rest.
  int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC;
  if (links == Links::kRefuse) flags |= O_NOFOLLOW;
  const int fd = ::open(path.c_str(), flags);
  if (fd < 0) {
    *error = std::strerror(errno);
    return std::nullopt;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
    *error = std::string(kNotRegularFile);
    ::close(fd);
    return std::nullopt;
  }
  return RegularFile(fd, static_cast<uint64_t>(info.st_size));
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_bytes_(other.size_bytes_) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    size_bytes_ = other.size_bytes_;
  }
  return *this;
}

RegularFile::~RegularFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool RegularFile::ReadAt(uint64_t offset, void* out, size_t bytes) const {
  auto* to = static_cast<uint8_t*>(out);
  size_t done = 0;
  while (done < bytes) {
    const ssize_t n = ::pread(fd_, to + done, bytes - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool RegularFile::ReadHead(size_t max_bytes, std::vector<uint8_t>* bytes,
                           std::string* error) const {
  // Sized by the file, not by the bound, so that a generous bound costs
  // nothing for a small file.
  bytes->resize(static_cast<size_t>(std::min<uint64_t>(size_bytes_, max_bytes)));
  size_t got = 0;
  while (got < bytes->size()) {
    const ssize_t n =
        ::pread(fd_, bytes->data() + got, bytes->size() - got, static_cast<off_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      *error = std::strerror(errno);
      return false;
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  bytes->resize(got);
  return true;
}

bool ReadRegularFile(const std::string& path, size_t max_bytes, std::vector<uint8_t>* bytes,
                     std::string* error, Links links) {
  const auto file = RegularFile::Open(path, error, links);
  if (!file) return false;
  if (file->Size() > max_bytes) {
    *error = "larger than " + std::to_string(max_bytes) + " bytes";
    return false;
  }
  return file->ReadHead(max_bytes, bytes, error);
}

bool ReadFileHead(const std::string& path, size_t max_bytes, std::vector<uint8_t>* bytes,
                  std::string* error, Links links) {
  const auto file = RegularFile::Open(path, error, links);
  return file && file->ReadHead(max_bytes, bytes, error);
}

}  // namespace platform
