// Small queries of the operating system.
#include <span>
#include <string>

#include "engine/el.h"
#include "engine/system/internal/sjis_text.h"
#include "engine/system/internal/system.h"
#include "platform/platform.h"

namespace {

// Day names indexed by the day of the week, Sunday first: one double-byte
// character each, so with the terminator they fill the caller's 3 bytes.
const char* const kDayNames[7] = {"日", "月", "火", "水", "木", "金", "土"};
constexpr size_t kWeekBytes = 3;

}  // namespace

namespace el::system {

int VersionCode(PlatformFamily family, int major, int minor) {
  switch (family) {
    case PlatformFamily::kWin16Host:
      return 310;
    case PlatformFamily::kConsumer:
      if (major == 4) return minor == 0 ? 950 : 980;
      return major * 100 + minor;
    case PlatformFamily::kNt:
      return major == 5 ? 2000 : major * 1000 + minor * 10;
    case PlatformFamily::kOther:
      break;
  }
  return -1;
}

}  // namespace el::system

int elSystem::ColorBit() {
  return platform::DesktopBitsPerPixel();
}

int elSystem::WindowMode() {
  return _FullScreen != 0 ? 0 : 1;
}

int elSystem::GetWindowsVersion() {
  // Not one of the version families the codes were made for.
  return el::system::VersionCode(el::system::PlatformFamily::kOther, 0, 0);
}

void elSystem::GetDate(int* Year, int* Month, int* Day, char* Week) {
  const platform::LocalDateTime now = platform::LocalTime();
  *Year = now.year;
  *Month = now.month;
  *Day = now.day;
  const int day_of_week = now.day_of_week >= 0 && now.day_of_week < 7 ? now.day_of_week : 0;
  el::system::CopyWholeCharacters(std::span(Week, kWeekBytes), kDayNames[day_of_week]);
}

void elSystem::GetTime(int* Hour, int* Minute, int* Second) {
  const platform::LocalDateTime now = platform::LocalTime();
  *Hour = now.hour;
  *Minute = now.minute;
  *Second = now.second;
}

uint32_t elSystem::FreeDisk(char Drive) {
  // There are no drive letters here: every drive is the one the game lives
  // on.
  (void)Drive;
  const std::string& folder = platform::GameFolder();
  return el::system::SaturateToU32(
      platform::FreeDiskBytes(folder.empty() ? std::string(".") : folder));
}

uint32_t elSystem::FreeMemory() {
  return el::system::SaturateToU32(platform::AvailableMemoryBytes());
}

void elSystem::SoundAdject() {
  platform::LaunchVolumeControl();
}
