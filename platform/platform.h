// The platform services the engine and the runtime call: the stand-ins for the
// Windows services the engine was designed on. Everything here forwards to the
// installed backend (platform/backend.h) or is shared by both backends.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/backend.h"
#include "platform/messages.h"
#include "platform/surface.h"

namespace platform {

// ---- Clock
// The program's clock. It stands still while paused (PauseClock), and the
// time spent paused never counts: after a pause it goes on from where it
// stood.
uint32_t TimeMs();
// The backend's own clock, which pauses never stop (the trace's time).
uint32_t BackendTimeMs();
void PauseClock(bool paused);
bool ClockPaused();
// Forgets every pause: a newly installed backend brings a clock of its own.
void ResetClockPauses();
// Calendar seconds since 1970 as the backend keeps them (virtual when headless).
int64_t CalendarSeconds();
void WaitUntil(uint32_t deadline_ms);

// ---- Message queue and window procedure
using WindowProcedure = int64_t (*)(uint32_t message, uint64_t wparam, int64_t lparam);

void SetWindowProcedure(WindowProcedure procedure);
// Takes the next message without waiting (pumping the backend first); the
// key-state table follows the key and button messages taken.
bool PeekMessage(Message* out);
// Blocks until a message is queued.
void WaitMessage();
void PostMessage(uint32_t message, uint64_t wparam, int64_t lparam);
void PostQuitMessage(int exit_code);
// A pointer move at (x, y) as the window system makes it: the window
// procedure is first asked for the pointer shape (a synchronous set-cursor
// message), then the move is posted with the button flags.
void PostPointerMove(int x, int y, uint64_t button_flags);
// Key messages produce character messages, as the window system's translation.
void TranslateMessage(const Message& message);
int64_t DispatchMessage(const Message& message);
// Calls the window procedure at once.
int64_t SendMessage(uint32_t message, uint64_t wparam, int64_t lparam);
// What the window system does with a message the procedure passes on.
int64_t DefWindowProc(uint32_t message, uint64_t wparam, int64_t lparam);
// Key state as of the messages taken so far: bit 0x80 set while down.
int16_t GetKeyState(uint32_t virtual_key);
// Empties the queue and the key-state table (tests, and a new window).
void ResetMessageQueue();
// Sees every message as it is taken, before the key-state table and the
// window procedure do; returns false to swallow it (then it is as if it had
// never been sent). The filter may post messages of its own. Null removes it.
using MessageFilter = bool (*)(const Message& message);
void SetMessageFilter(MessageFilter filter);
// A source of messages polled on the main thread whenever the queue is pumped
// (for example the music player posting its end-of-song notice).
using EventSource = void (*)();
void AddEventSource(EventSource source);
void RemoveEventSource(EventSource source);

// ---- Window
bool CreateMainWindow(std::string_view title_sjis);
// Destroys the window; the procedure receives the destroy message at once.
void DestroyMainWindow();
void SetWindowTitle(std::string_view title_sjis);
std::string WindowTitle();
void RaiseMainWindow();
void MinimizeMainWindow();
// Switches between a window and the whole screen (where the backend can).
void SetFullScreen(bool full_screen);
bool IsFullScreen();
// True while the main window exists.
bool HasMainWindow();

// ---- Pointer (640 x 480 display coordinates)
// The window system's show counter: visible while the count is 0 or more.
int ShowCursor(bool show);
// The pointer shape over the window: false hides it there.
void SetCursorShape(bool arrow);
void ClipCursor(const std::optional<Rect>& area);
void SetCursorPos(int x, int y);
void EnableTextInput(bool enabled);

// ---- Display mode
// The game's one mode on the whole screen; false when the backend cannot set
// it at that depth.
bool SetDisplayMode(int width_px, int height_px, int bits_per_pixel);
// Back to the desktop's own mode.
void RestoreDisplayMode();
int DesktopBitsPerPixel();

// ---- Presentation
// Waits for the next vertical blank; false when the display offers none to
// wait for.
bool WaitVerticalBlank();
// Something drawn over the presented picture: onto a copy of the frame just
// before the backend shows it (and keeps it for screenshots), so that the
// program's own surfaces never see it.
class FrameOverlay {
 public:
  virtual ~FrameOverlay() = default;
  // False while there is nothing to draw: the frame then goes out untouched.
  virtual bool Active() = 0;
  // Draws onto `frame`, the presented rectangle of the back surface.
  virtual void Draw(Surface& frame) = 0;
};
// Installs the overlay (null removes it); the caller keeps it alive.
void SetFrameOverlay(FrameOverlay* overlay);
// Hands the `source` rectangle of `back` to the backend, with the overlay.
void PresentFrame(const Surface& back, const Rect& source);
// The main loop's end of one frame (the backend counts the trace's frames).
void EndFrame();

// ---- Dialogs
MessageBoxAnswer ShowMessageBox(MessageBoxKind kind, std::string_view caption_sjis,
                                std::string_view text_sjis);
void MessageBeep();

// ---- Single instance
enum class InstanceLock { kAcquired, kAlreadyRunning };
// Takes the per-user lock named after `name`; a second holder is refused and
// asks the first to raise its window when its title still equals `title`.
InstanceLock AcquireInstanceLock(std::string_view name, std::string_view title_sjis);
void ReleaseInstanceLock();
// Where lock files live (overridable for tests).
void SetInstanceLockFolder(const std::string& folder);

// ---- Folders and files
// The game folder (program folder of the engine), with a trailing '/'.
const std::string& GameFolder();
void SetGameFolder(const std::string& folder);
// Where s.dat lives: the folder given, else a per-game folder under the XDG
// data folder (created when first asked for).
const std::string& SaveFolder();
void SetSaveFolder(const std::string& folder);
// True when the save folder was given rather than chosen.
bool SaveFolderGiven();
// Where screenshots go: "aoat-player/" in the user's pictures folder, with a
// trailing '/' (not created).
std::string ScreenshotFolder();
// The running program's own file, from /proc; empty when unknown.
std::string ProgramFile();
// The stand-in for the Windows folder: a per-user configuration folder.
std::string ConfigFolder();
// $XDG_CONFIG_HOME, else ~/.config (no trailing '/').
std::string UserConfigHome();
// This game's folder in the user's data folder (not created here), for what
// the player keeps about a game beside its saves.
std::string UserDataFolder();
// Finds an existing file for a name from the project (backslashes, any case,
// Shift-JIS or UTF-8 components); nullopt when there is none. Relative names
// start in the game folder.
std::optional<std::string> ResolvePath(std::string_view name);
// The path a new file of that name would be created at (folders resolved, the
// last component converted to UTF-8).
std::string PathForWriting(std::string_view name);

// ---- System queries
uint64_t FreeDiskBytes(const std::string& folder);
uint64_t AvailableMemoryBytes();
struct LocalDateTime {
  int year, month, day, day_of_week, hour, minute, second;
};
LocalDateTime LocalTime();
// Starts the desktop's mixer program when one is installed.
void LaunchVolumeControl();

}  // namespace platform
