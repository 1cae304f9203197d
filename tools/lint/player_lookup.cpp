// The player's own file lookup, used by `aoat lint` on a real game folder:
// the engine puts the game folder in front of every name and resolves the
// result (backslashes, any case, Shift-JIS or UTF-8 components).
#include "platform/platform.h"
#include "tools/lint/lint.h"

namespace lint {

FileLookup PlayerLookup(const std::string& game_dir) {
  std::string folder = game_dir.empty() ? "./" : game_dir;
  if (folder.back() != '/') folder += '/';
  return
      [folder](std::string_view name) { return platform::ResolvePath(folder + std::string(name)); };
}

}  // namespace lint
