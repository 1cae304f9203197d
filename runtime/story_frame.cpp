// Stand-ins for the story screen and its auto timer until they arrive with
// the story player; they let the screen table link.
#include "engine/el.h"
#include "runtime/story.h"

void Main4Screen() {}

void autospeedfunc() {
  using namespace project::field;
  if (runtime::CurrentPageField(kAutoPage) != 0) {
    elSystem::SetWait(1, runtime::CurrentPageField(kAutoDelay) * 100);
    return;
  }
  static constexpr int kDelayMs[] = {0, 4000, 2000, 500};
  if (autoflug >= 1 && autoflug <= 3) elSystem::SetWait(1, kDelayMs[autoflug]);
}
