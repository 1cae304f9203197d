// The sound table's start state, shared by display set-up (which empties the
// table after starting the sound class) and the tests that start from it.
#pragma once

namespace el::sound {

// Every slot empty, with one mix, no settings and no effect.
void ResetSoundTable();

}  // namespace el::sound
