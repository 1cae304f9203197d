// The two one-number settings files (screen mode and music mode), kept in
// the installation folder when one is known, else in the program folder.
#include <cstdio>
#include <string>
#include <vector>

#include "engine/el.h"
#include "engine/system/internal/system.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace {

// A settings file holds a few bytes; more than this is not a settings file.
constexpr size_t kMaxSettingsBytes = 4096;

std::string SettingsPath(const char* FileName) {
  return std::string(elSystem::Directory(1)) + FileName;
}

void SaveNumber(const char* FileName, int Mode) {
  const std::string path = platform::PathForWriting(SettingsPath(FileName));
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) return;
  std::fprintf(file, "%d", Mode);
  std::fclose(file);
}

// A missing file, or one that holds no number, reads as 0.
int LoadNumber(const char* FileName) {
  const auto path = platform::ResolvePath(SettingsPath(FileName));
  if (!path) return 0;
  std::vector<uint8_t> bytes;
  std::string error;
  if (!platform::ReadFileHead(*path, kMaxSettingsBytes, &bytes, &error)) return 0;
  const std::string text(bytes.begin(), bytes.end());
  return el::system::ParseSettingsNumber(text).value_or(0);
}

}  // namespace

void elSystem::SaveScreenMode(const char* FileName, int Mode) {
  SaveNumber(FileName, Mode);
}
int elSystem::LoadScreenMode(const char* FileName) {
  return LoadNumber(FileName);
}
void elSystem::SaveMidiMode(const char* FileName, int Mode) {
  SaveNumber(FileName, Mode);
}
int elSystem::LoadMidiMode(const char* FileName) {
  return LoadNumber(FileName);
}
