#include "runtime/shell/game_location.h"

#include <strings.h>

#include <filesystem>
#include <system_error>

#include "platform/platform.h"

namespace runtime {
namespace {

namespace fs = std::filesystem;

constexpr char kProjectFileName[] = "data.aoat";

bool IsProjectFileName(const std::string& name) {
  return ::strcasecmp(name.c_str(), kProjectFileName) == 0;
}

// True when `folder` holds a data.aoat, in any letter case as the player
// finds it.
bool HoldsGame(const fs::path& folder) {
  const auto found = platform::ResolvePath((folder / kProjectFileName).string());
  std::error_code ec;
  return found && fs::is_regular_file(*found, ec);
}

// Absolute, normal, without a trailing '/'.
fs::path Normal(const fs::path& path, const std::string& current_folder) {
  const fs::path normal =
      (path.is_absolute() ? path : fs::path(current_folder) / path).lexically_normal();
  return normal.has_filename() || normal == normal.root_path() ? normal : normal.parent_path();
}

GameLocation Folder(const fs::path& folder, bool demo) {
  GameLocation location;
  location.folder = folder.string();
  location.demo = demo;
  return location;
}

GameLocation GivenGame(const std::string& given, const std::string& current_folder) {
  const fs::path path = Normal(given, current_folder);
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    GameLocation location = Folder(path, false);
    location.no_project = !HoldsGame(path);
    return location;
  }
  GameLocation location;
  if (fs::is_regular_file(path, ec) && IsProjectFileName(path.filename().string()))
    return Folder(path.parent_path(), false);
  location.error = fs::exists(path, ec) ? "'" + given + "' is neither a game folder nor a data.aoat"
                                        : "no game folder at '" + given + "'";
  return location;
}

}  // namespace

std::vector<std::string> DemoFolderCandidates(const std::string& program_file) {
  if (program_file.empty()) return {};
  const fs::path bin = fs::path(program_file).parent_path();
  return {(bin.parent_path() / "share" / "aoat-player" / "demo").lexically_normal().string(),
          (bin / "demo-game").lexically_normal().string()};
}

GameLocation LocateGame(const std::string& given, const std::string& current_folder,
                        const std::string& program_file) {
  if (!given.empty()) return GivenGame(given, current_folder);
  const fs::path here = Normal(current_folder, current_folder);
  if (HoldsGame(here)) return Folder(here, false);
  for (const std::string& demo : DemoFolderCandidates(program_file)) {
    if (HoldsGame(demo)) return Folder(demo, true);
  }
  // Nothing to play but the current folder: it plays as an empty story.
  return Folder(here, false);
}

}  // namespace runtime
