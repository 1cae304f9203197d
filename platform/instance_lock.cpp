// The single-instance lock: an exclusive lock on a file named after the lock
// name in the user's runtime folder. The file holds the holder's process id
// and its game folder; a second start names that folder and sends it SIGUSR1, which the holder
// turns into a raise of its window. The lock ends with the process, however it ends.
#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "platform/platform.h"

namespace platform {
namespace {

volatile std::sig_atomic_t g_raise_requested = 0;

struct LockState {
  int fd = -1;
  std::string folder_override;
  std::string title;
};

LockState& Lock() {
  static LockState state;
  return state;
}

void OnRaiseSignal(int) {
  g_raise_requested = 1;
}

void InstallRaiseHandler() {
  struct sigaction action {};
  action.sa_handler = OnRaiseSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGUSR1, &action, nullptr);
}

// The per-user folder for lock files: private to the user. A shared /tmp
// fallback is used only when it is a real folder owned by us.
std::string LockFolder() {
  if (!Lock().folder_override.empty()) return Lock().folder_override;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && runtime[0] == '/')
    return runtime;
  const std::string folder = "/tmp/aoat-" + std::to_string(getuid());
  ::mkdir(folder.c_str(), 0700);
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid())
    return {};
  return folder;
}

// Lock names may hold any byte (the engine's is ":ElMutex"); bytes unsafe in
// a file name are written as %XX. Headless runs lock apart from real players
// and from headless runs of other game folders.
std::string LockFileName(std::string_view name) {
  std::string file = "aoat-";
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '_' || c == '.';
    if (safe) {
      file.push_back(c);
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", u);
      file += hex;
    }
  }
  if (HasBackend() && CurrentBackend().Name() == "headless") {
    file += "-headless-" + HashHex(GameFolder()).substr(0, 8);
  }
  return file + ".lock";
}

pid_t ReadHolder(int fd) {
  char text[32] = {};
  const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
  if (n <= 0) return 0;
  const long pid = std::strtol(text, nullptr, 10);
  return pid > 1 ? static_cast<pid_t>(pid) : 0;
}

// The second line of the lock file: the holder's game folder.
std::string ReadHolderFolder(int fd) {
  char text[4200] = {};
  const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
  if (n <= 0) return {};
  const std::string all(text, static_cast<size_t>(n));
  const size_t start = all.find('\n');
  if (start == std::string::npos) return {};
  const size_t end = all.find('\n', start + 1);
  return all.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
}

void WriteHolder(int fd) {
  const std::string text = std::to_string(getpid()) + "\n" + GameFolder() + "\n";
  if (::ftruncate(fd, 0) == 0) {
    [[maybe_unused]] const ssize_t n = ::pwrite(fd, text.data(), text.size(), 0);
  }
}

void AskHolderToRaise(int fd) {
  const pid_t holder = ReadHolder(fd);
  if (holder == getpid()) {
    g_raise_requested = 1;
  } else if (holder > 0) {
    ::kill(holder, SIGUSR1);
  }
}

}  // namespace

std::string InstanceLockPath(std::string_view name) {
  const std::string folder = LockFolder();
  if (folder.empty()) return {};
  return folder + "/" + LockFileName(name);
}

InstanceLock AcquireInstanceLock(std::string_view name, std::string_view title_sjis) {
  auto& lock = Lock();
  const std::string path = InstanceLockPath(name);
  // Without a usable folder there is nothing to share a lock through: the
  // program runs, as it would if the system refused to name a mutex, and
  // says so, since a second start will then not be refused.
  const int fd =
      path.empty()
          ? -1
          : ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
  struct stat info {};
  if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    if (fd >= 0) ::close(fd);
    std::fprintf(stderr,
                 "aoat-player: the instance lock is unavailable (%s); a second start of the "
                 "game will not be refused\n",
                 path.empty() ? "no private runtime folder: set XDG_RUNTIME_DIR" : path.c_str());
    return InstanceLock::kAcquired;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    if (held) {
      const std::string folder = ReadHolderFolder(fd);
      std::fprintf(stderr, "aoat-player: already running%s%s; its window is raised\n",
                   folder.empty() ? "" : ": ", folder.c_str());
      AskHolderToRaise(fd);
    }
    ::close(fd);
    return held ? InstanceLock::kAlreadyRunning : InstanceLock::kAcquired;
  }
  if (lock.fd >= 0) ::close(lock.fd);
  lock.fd = fd;
  lock.title = std::string(title_sjis);
  InstallRaiseHandler();
  WriteHolder(fd);
  return InstanceLock::kAcquired;
}

void ReleaseInstanceLock() {
  auto& lock = Lock();
  if (lock.fd < 0) return;
  if (::ftruncate(lock.fd, 0) != 0) {
    // An old process id left in the file is harmless: nobody holds the lock.
  }
  ::flock(lock.fd, LOCK_UN);
  ::close(lock.fd);
  lock.fd = -1;
}

void SetInstanceLockFolder(const std::string& folder) {
  Lock().folder_override = folder;
}

bool TakeRaiseRequest() {
  if (g_raise_requested == 0) return false;
  g_raise_requested = 0;
  return true;
}

const std::string& InstanceLockTitle() {
  return Lock().title;
}

}  // namespace platform
