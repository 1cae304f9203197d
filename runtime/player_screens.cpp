// The player's screens by number, as WinMain installs them for the main loop.
#include "runtime/runtime.h"

namespace runtime {

const ScreenTable& PlayerScreens() {
  // 0 ending, 1 logo, 2 loading, 3 title, 4 story. The screens are their own
  // units; an entry that is still empty runs no step, like a screen number
  // outside the table.
  static constexpr ScreenTable kScreens{};
  return kScreens;
}

}  // namespace runtime
