// The player's screens by number, as WinMain installs them for the main loop.
#include "runtime/screens/screens.h"
#include "runtime/shell/shell.h"

namespace runtime {

const ScreenTable& PlayerScreens() {
  // 0 ending, 1 logo, 2 loading, 3 title, 4 story.
  static constexpr ScreenTable kScreens{MainEndScreen, Main1Screen, Main2Screen, Main3Screen,
                                        Main4Screen};
  return kScreens;
}

}  // namespace runtime
