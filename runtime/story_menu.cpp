// Placeholder of the story menu for this branch alone, so that the story
// screen links: the menu itself (drawing, entries, save and load) is built
// in its own branch, which replaces this file whole. Until then the menu
// draws nothing and uses no click on a shown menu; a hidden menu uses every
// click, as the real one does.
#include "runtime/story.h"

uint8_t sysfunc() {
  return runtime::CurrentLayout()[project::slot::kMenu].show == 0 ? 1 : 0;
}

namespace runtime {

void DrawSystemMenu(const ScreenLayout&) {}

}  // namespace runtime
