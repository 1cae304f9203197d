// The program folder every asset path starts with, and the optional
// installation folder.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/el.h"
#include "engine/system/internal/sjis_text.h"
#include "engine/system/internal/system.h"
#include "platform/files.h"
#include "platform/platform.h"

char elSystem::InstallDirectory[256] = {};

namespace {

char directory_buffer[256] = {};
// The line buffer the installation file is read with.
constexpr size_t kInstallLineBytes = 256;
char inst_name[128] = {};  // the program's own folder name with its trailing backslash

// The game folder in the engine's form: backslashes, ending in one. The
// platform's file lookup turns the backslashes back into slashes.
std::string EngineGameFolder() {
  std::string folder = platform::GameFolder();
  if (folder.empty()) return folder;  // names then stay relative
  std::replace(folder.begin(), folder.end(), '/', '\\');
  if (folder.back() != '\\') folder.push_back('\\');
  return folder;
}

// The buffer takes the folder whole or not at all: a folder cut short would
// name another folder.
char* ReturnFolder(const std::string& folder) {
  if (folder.size() >= sizeof(directory_buffer)) {
    directory_buffer[0] = '\0';
  } else {
    std::memcpy(directory_buffer, folder.c_str(), folder.size() + 1);
  }
  return directory_buffer;
}

// Keeps the last folder name of `program` (with its backslash) in inst_name;
// without an earlier backslash inst_name keeps its previous content. False
// when the name is too long to keep: no installed copy can then be named.
bool KeepProgramFolderName(const std::string& program) {
  if (program.size() < 2) return true;
  const size_t before_last = program.rfind('\\', program.size() - 2);
  if (before_last == std::string::npos) return true;
  const std::string name = program.substr(before_last + 1);
  if (name.size() >= sizeof(inst_name)) return false;
  std::memcpy(inst_name, name.c_str(), name.size() + 1);
  return true;
}

}  // namespace

char* elSystem::Directory(int Install) {
  const std::string program = EngineGameFolder();
  if (Install == 0 || InstallDirectory[0] == '\0') return ReturnFolder(program);
  if (!KeepProgramFolderName(program)) return ReturnFolder(program);
  const std::string installed = std::string(InstallDirectory) + "\\" + inst_name;
  if (installed.size() >= sizeof(directory_buffer)) return ReturnFolder(program);
  return ReturnFolder(installed);
}

void elSystem::CheckInstall(const char* FileName) {
  InstallDirectory[0] = '\0';
  std::string path = platform::ConfigFolder();
  if (!path.empty() && path.back() != '/') path.push_back('/');
  path += FileName;
  const auto found = platform::ResolvePath(path);
  if (!found) return;
  // The first line, as a 256-byte line buffer holds it.
  std::vector<uint8_t> bytes;
  std::string error;
  if (!platform::ReadFileHead(*found, kInstallLineBytes - 1, &bytes, &error) || bytes.empty())
    return;
  std::string line(bytes.begin(), bytes.end());
  if (const size_t end = line.find('\n'); end != std::string::npos) line.resize(end + 1);
  const std::string folder = el::system::InstallFolderFromLine(line.c_str());
  el::system::CopyWholeCharacters(InstallDirectory, folder);
}
