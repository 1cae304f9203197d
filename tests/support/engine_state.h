// The one reset of the engine's state that every fixture uses, so that a
// test starts from the engine as the program finds it, whichever test ran
// before it in the same process, and leaves nothing behind for the next.
#pragma once

namespace test_support {

// Destroys every engine class's objects (music, sound, text, display) and
// puts the engine's variables back to their start values: the display's
// and the layer effects' state, the tunnel table, input, pointer,
// window and clock variables, the sound table as the display's set-up
// leaves it, the music state and the once-only exit. A full-screen display
// is destroyed as a window, so the installed backend's mode and window are
// left alone. Call it after installing the backend in SetUp and before
// removing it in TearDown; then set what the fixture deliberately differs
// in (a windowed display, say).
void ResetEngineState();

}  // namespace test_support
