// The adventure runtime's skeleton: start-up, the window procedure, the main
// loop and the screen dispatch.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// ---- Start-up
// The program's work from start to end, in the order of the original entry
// point; the exit code is 0 in every case. `lpCmdLine` is the command line
// as received (it is only copied).
int WinMain(uintptr_t hInstance, uintptr_t hPrevInstance, const char* lpCmdLine, int nCmdShow);
// Every program-level variable to its start value.
void elAllInit();
// 1 when this is the only running instance (the lock named `Name` followed by
// ":ElMutex" is now held), 0 when another instance holds it.
int elMutexCheck(const char* Name);
// Opens the display (which starts the other engine classes) and loads the two
// logo pictures; the main loop then begins with screen 1.
void elCreate();

// ---- Window procedure
int64_t WindowProc(uint32_t Message, uint64_t wParam, int64_t lParam);
// The key-down rule while the keyboard is not locked.
void KeyboardProc(unsigned wParam);
// Records whether the application is the active one.
void ChangeActive(int Active);

// Appends one formatted line to "DEBUG.TXT" in the save folder; nothing
// happens when the file cannot be opened.
void DEBUG(const char* Format, ...) __attribute__((format(printf, 1, 2)));

// The application name: the window's first title and the lock's prefix.
inline constexpr char kApplicationName[] = "";

// Reply of the music device's status query (the end-of-song check).
extern char MciBuffer[32];
// Sprites of the start-up logo and the closing logo, loaded by elCreate.
extern int kovadinebmp;
extern int kovadine2bmp;

namespace runtime {

// ---- Screens
// A screen function draws one frame, reads input and changes screens by
// writing `_ScreenNo` (and 0 to `_LastScreenNo`).
using ScreenFunction = void (*)();
inline constexpr int kScreenCount = 5;
// Indexed by screen number: 0 ending, 1 logo, 2 loading, 3 title, 4 story. An
// empty entry, like a number outside 0-4, runs no step.
using ScreenTable = std::array<ScreenFunction, kScreenCount>;

// The table the main loop dispatches through.
void InstallScreens(const ScreenTable& screens);
const ScreenTable& InstalledScreens();
// The player's own five screens (installed by WinMain).
const ScreenTable& PlayerScreens();

// ---- Main loop
// One frame, in order: frame clock, pointer movement, first-frame rule,
// screen step (or the fade's refresh), screen change and wipe hand-over,
// blink phase, end-of-frame input bookkeeping, then the backend's end of
// frame.
void RunFrame();
// Takes messages one at a time and runs a frame whenever the queue is empty,
// until the quit message; returns the exit code 0.
int RunMainLoop();
// Called at the end of every frame, after the input bookkeeping and before
// the backend's end of frame: a layer above the story that watches what the
// frame showed. Null removes it.
using FrameObserver = void (*)();
void SetFrameObserver(FrameObserver observer);

// ---- Engine operations the window procedure hands work to, replaceable so
// that tests can observe them. An empty member means the engine's own.
struct WindowProcHooks {
  int (*shut_down)() = nullptr;                                 // elDraw::Exit
  void (*query_midi_mode)(char* reply, size_t size) = nullptr;  // "status midi mode"
  void (*replay_music)() = nullptr;                             // elMusic::Replay
};
void SetWindowProcHooks(const WindowProcHooks& hooks);

// Copies the command line (UTF-8) into `_CommandLine` in Shift-JIS, cut to 255
// bytes between characters; characters without a Shift-JIS form become '?'.
void CopyCommandLine(std::string_view command_line);

}  // namespace runtime
