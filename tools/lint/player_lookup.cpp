// The player's own file lookup, used by `aoat lint` on a real game folder.
#include "platform/platform.h"
#include "tools/lint/lint.h"

namespace lint {

FileLookup PlayerLookup(const std::string& game_dir) {
  platform::SetGameFolder(game_dir);
  return [](std::string_view name) { return platform::ResolvePath(name); };
}

}  // namespace lint
