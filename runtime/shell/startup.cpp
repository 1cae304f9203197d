// The program's start: the original entry point's work in its order, and the
// engine's set-up.

#include "engine/el.h"
#include "platform/platform.h"
#include "runtime/shell/shell.h"
#include "runtime/story/random.h"

namespace {

// The one main window's handle, as the engine posts messages to it.
inline constexpr WindowHandle kMainWindow = 1;
// Window options: in a window not topmost (1) and frames go on while another
// program is active (2).
inline constexpr int kWindowOptions = 3;

}  // namespace

int WinMain(uintptr_t hInstance, uintptr_t hPrevInstance, const char* lpCmdLine, int nCmdShow) {
  (void)hPrevInstance;
  // The backend shows the window as it creates it; there is no other way to
  // show it here.
  (void)nCmdShow;
  elAllInit();
  if (elMutexCheck(kApplicationName) == 0) return 0;
  runtime::CopyCommandLine(lpCmdLine != nullptr ? lpCmdLine : "");
  platform::SetWindowProcedure(WindowProc);
  _SetWindow = kWindowOptions;
  if (!platform::CreateMainWindow(kApplicationName)) {
    // Nothing is shown; a later start must not be refused.
    platform::ReleaseInstanceLock();
    _Mutex = 0;
    return 0;
  }
  hwnd = kMainWindow;
  _Instance = hInstance;
  runtime::SeedRandom(static_cast<uint32_t>(platform::CalendarSeconds()));
  elSystem::IME(0);
  elCreate();
  elSystem::InitFrame();
  elSystem::InitMouse(0);
  runtime::InstallScreens(runtime::PlayerScreens());
  return runtime::RunMainLoop();
}

void elCreate() {
  elDraw::Screen(640, 480, 1);
  kovadinebmp = elDraw::LoadObject("lyout\\mark.bmp", 2);
  kovadine2bmp = elDraw::LoadObject("kovadine2", 2);
  _ScreenNo = 1;
  _LastScreenNo = 0;
}
