#include "platform/file_writing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/files.h"

namespace platform {
namespace {

constexpr int kTemporaryAttempts = 100;
constexpr mode_t kNewFileMode = 0666;  // narrowed by the user's umask, as fopen does

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { Close(); }
  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  // True when the descriptor was open and closed without an error.
  bool Close() {
    if (fd_ < 0) return false;
    const bool ok = ::close(fd_) == 0;
    fd_ = -1;
    return ok;
  }

 private:
  int fd_;
};

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A new, hidden file beside `path` that no one else holds: created
// exclusively, so neither a file nor a link planted under the name is used.
int CreateTemporary(const std::string& path, std::string* temporary) {
  static std::atomic<unsigned> counter{0};
  const std::string stem =
      FolderOf(path) + "/." + NameOf(path) + ".tmp-" + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
    *temporary = stem + std::to_string(counter++);
    const int fd = ::open(temporary->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          kNewFileMode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<size_t>(wrote);
  }
  return true;
}

// The rename itself reaches the disk only with its folder.
void SyncFolder(const std::string& folder) {
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Valid()) ::fsync(fd.Get());
}

// Moves the finished temporary file to `path`. Keeping an existing entry
// needs an exclusive rename; file systems without one get a hard link, which
// also never replaces anything.
WriteResult PutInPlace(const std::string& temporary, const std::string& path, IfExists if_exists) {
  if (if_exists == IfExists::kReplace)
    return ::rename(temporary.c_str(), path.c_str()) == 0 ? WriteResult::kWritten
                                                          : WriteResult::kFailed;
  if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
    return WriteResult::kWritten;
  if (errno == EEXIST) return WriteResult::kKept;
  if (errno != EINVAL && errno != ENOSYS) return WriteResult::kFailed;
  if (::link(temporary.c_str(), path.c_str()) != 0)
    return errno == EEXIST ? WriteResult::kKept : WriteResult::kFailed;
  ::unlink(temporary.c_str());
  return WriteResult::kWritten;
}

}  // namespace

WriteResult WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes,
                           IfExists if_exists, std::string* error) {
  if (path.empty() || path.back() == '/') {
    *error = "no file name";
    return WriteResult::kFailed;
  }
  std::string temporary;
  FileDescriptor fd(CreateTemporary(path, &temporary));
  if (!fd.Valid()) {
    *error = std::strerror(errno);
    return WriteResult::kFailed;
  }
  // On the disk before the rename, so that a crash cannot leave an empty
  // file in place of the old one.
  const bool complete = WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0;
  const int write_errno = errno;
  if (!fd.Close() || !complete) {
    *error = std::strerror(complete ? errno : write_errno);
    ::unlink(temporary.c_str());
    return WriteResult::kFailed;
  }
  const WriteResult result = PutInPlace(temporary, path, if_exists);
  if (result == WriteResult::kFailed) *error = std::strerror(errno);
  if (result != WriteResult::kWritten) ::unlink(temporary.c_str());
  if (result == WriteResult::kWritten) SyncFolder(FolderOf(path));
  return result;
}

bool AppendToFile(const std::string& path, std::string_view text) {
  FileDescriptor fd(::open(path.c_str(),
                           O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                           kNewFileMode));
  struct stat info {};
  if (!fd.Valid() || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  const bool wrote =
      WriteAll(fd.Get(), {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
  return fd.Close() && wrote;
}

bool ReadSmallFile(const std::string& path, size_t max_bytes, std::vector<uint8_t>* bytes,
                   std::string* error) {
  return ReadRegularFile(path, max_bytes, bytes, error, Links::kRefuse);
}

}  // namespace platform
