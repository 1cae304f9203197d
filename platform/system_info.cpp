// Small queries of the operating system: free disk space, available memory,
// local date and time, and the desktop's volume control.
#include "platform/system_info.h"

#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/platform.h"

namespace platform {
namespace {

bool IsExecutable(const std::string& path) {
  return ::access(path.c_str(), X_OK) == 0;
}

// Starts the program detached: the intermediate child exits at once and is
// reaped here, so the mixer is adopted by init and never waited for.
void SpawnDetached(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
  argv.push_back(nullptr);
  const pid_t child = ::fork();
  if (child < 0) return;
  if (child == 0) {
    ::setsid();
    if (::fork() == 0) {
      ::execv(argv[0], argv.data());
    }
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
}

}  // namespace

const std::vector<std::vector<std::string>>& VolumeControlCandidates() {
  static const std::vector<std::vector<std::string>> candidates = {
      {"pavucontrol"},
      {"pavucontrol-qt"},
      {"gnome-control-center", "sound"},
      {"mate-volume-control"},
      {"xfce4-mixer"},
      {"kmix"},
      {"qasmixer"},
      {"alsamixergui"},
  };
  return candidates;
}

std::vector<std::string> FindVolumeControl(
    const std::string& path_list, const std::function<bool(const std::string&)>& executable) {
  for (const auto& candidate : VolumeControlCandidates()) {
    size_t pos = 0;
    while (pos <= path_list.size()) {
      const size_t end = std::min(path_list.find(':', pos), path_list.size());
      const std::string folder = path_list.substr(pos, end - pos);
      pos = end + 1;
      if (folder.empty() || folder[0] != '/') continue;
      const std::string full = folder + "/" + candidate.front();
      if (executable(full)) {
        std::vector<std::string> command = candidate;
        command.front() = full;
        return command;
      }
    }
  }
  return {};
}

uint64_t MemAvailableFromMeminfo(const std::string& text) {
  std::istringstream in(text);
  std::string key;
  uint64_t value_kb = 0;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    if (fields >> key >> value_kb && key == "MemAvailable:") return value_kb * 1024;
  }
  return 0;
}

uint64_t FreeDiskBytes(const std::string& folder) {
  struct statvfs info {};
  if (::statvfs(folder.empty() ? "." : folder.c_str(), &info) != 0) return 0;
  return static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
}

uint64_t AvailableMemoryBytes() {
  std::ifstream in("/proc/meminfo");
  if (in) {
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (const uint64_t bytes = MemAvailableFromMeminfo(text); bytes > 0) return bytes;
  }
  struct sysinfo info {};
  if (::sysinfo(&info) != 0) return 0;
  return static_cast<uint64_t>(info.freeram) * info.mem_unit;
}

LocalDateTime LocalTime() {
  // The backend's calendar, so that a headless run's dates are virtual too.
  const std::time_t now =
      HasBackend() ? static_cast<std::time_t>(CalendarSeconds()) : std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_wday,
          parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

void LaunchVolumeControl() {
  const char* path = std::getenv("PATH");
  const std::vector<std::string> command =
      FindVolumeControl(path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin", IsExecutable);
  if (!command.empty()) SpawnDetached(command);
}

}  // namespace platform
