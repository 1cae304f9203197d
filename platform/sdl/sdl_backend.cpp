#include "platform/sdl/sdl_backend.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/backends.h"
#include "platform/display_drivers.h"
#include "platform/encoding.h"
#include "platform/platform.h"
#include "platform/resources.h"
#include "platform/trace.h"

namespace platform::sdl {
namespace {

constexpr int kMaxScale = 16;

// Set when the process exits through exit() while a window is open: the
// program itself always removes the backend first, so this is a library
// ending the process, above all Xlib when the display's connection broke.
// Closing the window then would wait for the dead display forever.
bool g_exiting_under_window = false;

void NoteExit() {
  g_exiting_under_window = true;
}

}  // namespace

SdlBackend::SdlBackend(const DisplayOptions& options) : options_(options) {
  options_.scale = std::clamp(options_.scale, 1, kMaxScale);
  fullscreen_ = !options_.windowed;
  SetTraceTimeOrigin(TimeMs());
}

SdlBackend::~SdlBackend() {
  if (g_exiting_under_window) return;  // the process ends: nothing to give back
  audio_.Close();
  DestroyMainWindow();
  SDL_Quit();
}

uint32_t SdlBackend::TimeMs() {
  return static_cast<uint32_t>(SDL_GetTicks64());
}

void SdlBackend::WaitUntil(uint32_t deadline_ms) {
  for (;;) {
    const int32_t remaining = static_cast<int32_t>(deadline_ms - TimeMs());
    if (remaining < 0) return;
    SDL_Delay(static_cast<Uint32>(remaining) + 1);
  }
}

bool SdlBackend::CreateMainWindow(std::string_view title_sjis) {
  if (window_ != nullptr) return true;
  title_ = std::string(title_sjis);
  const Uint32 flags =
      SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE | (fullscreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  window_ =
      SDL_CreateWindow(Cp932ToUtf8(title_).c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                       kDisplayWidthPx * options_.scale, kDisplayHeightPx * options_.scale, flags);
  if (window_ == nullptr || !CreateRenderer()) {
    std::fprintf(stderr, "aoat: cannot open the window: %s\n", SDL_GetError());
    DestroyMainWindow();
    return false;
  }
  // Registered after the backend was installed, so it runs before the
  // installed backend's destructor at exit.
  static const bool exit_noted = std::atexit(&NoteExit) == 0;
  (void)exit_noted;
  SetIconFromResource();
  UpdateFrameInterval();
  OpenGamepads();
  active_ = true;
  // The program believes it owns a 640 x 480 screen at 0,0, whatever the
  // real window does, so it hears of no other move.
  PostMessage(msg::kActivateApp, 1, 0);
  PostMessage(msg::kMove, 0, MakePointParam(0, 0));
  return true;
}

void SdlBackend::DestroyMainWindow() {
  CloseGamepads();
  DestroyRenderer();
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  window_ = nullptr;
  active_ = false;
}

void SdlBackend::SetTitle(std::string_view title_sjis) {
  title_ = std::string(title_sjis);
  if (window_ != nullptr) SDL_SetWindowTitle(window_, Cp932ToUtf8(title_).c_str());
}

void SdlBackend::RaiseWindow() {
  if (window_ == nullptr) return;
  if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) != 0) SDL_RestoreWindow(window_);
  SDL_RaiseWindow(window_);
}

void SdlBackend::MinimizeWindow() {
  if (window_ != nullptr) SDL_MinimizeWindow(window_);
}

void SdlBackend::SetPointerVisible(bool visible) {
  SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void SdlBackend::ConfinePointer(const std::optional<Rect>& area) {
  confined_ = area;
  ApplyConfinement();
}

// The confinement rectangle is given in display coordinates; the window
// system wants window coordinates, which change with the window's size.
void SdlBackend::ApplyConfinement() {
  if (window_ == nullptr) return;
  if (!confined_) {
    SDL_SetWindowMouseRect(window_, nullptr);
    return;
  }
  const Viewport viewport = WindowViewport();
  SDL_Rect rect{};
  int right = 0;
  int bottom = 0;
  DisplayToWindow(viewport, kDisplayWidthPx, kDisplayHeightPx, confined_->left, confined_->top,
                  &rect.x, &rect.y);
  DisplayToWindow(viewport, kDisplayWidthPx, kDisplayHeightPx, confined_->right, confined_->bottom,
                  &right, &bottom);
  rect.w = std::max(right - rect.x, 1);
  rect.h = std::max(bottom - rect.y, 1);
  SDL_SetWindowMouseRect(window_, &rect);
}

void SdlBackend::WarpPointer(int x, int y) {
  if (window_ == nullptr) return;
  int window_x = 0;
  int window_y = 0;
  DisplayToWindow(WindowViewport(), kDisplayWidthPx, kDisplayHeightPx, x, y, &window_x, &window_y);
  SDL_WarpMouseInWindow(window_, window_x, window_y);
}

void SdlBackend::SetTextInput(bool enabled) {
  if (enabled) {
    SDL_StartTextInput();
  } else {
    SDL_StopTextInput();
  }
}

int SdlBackend::DesktopBitsPerPixel() {
  SDL_DisplayMode mode{};
  int real = 32;
  if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    // Four-byte desktops report 32 bits, as the window system counts them.
    real =
        SDL_BYTESPERPIXEL(mode.format) == 4 ? 32 : static_cast<int>(SDL_BITSPERPIXEL(mode.format));
  }
  return display_mode_.DesktopBitsPerPixel(real);
}

void SdlBackend::DesktopSize(int* width_px, int* height_px) {
  SDL_DisplayMode mode{};
  const int display = window_ != nullptr ? std::max(SDL_GetWindowDisplayIndex(window_), 0) : 0;
  if (SDL_GetDesktopDisplayMode(display, &mode) == 0) {
    *width_px = mode.w;
    *height_px = mode.h;
  } else {
    *width_px = kDisplayWidthPx;
    *height_px = kDisplayHeightPx;
  }
}

void SdlBackend::SetIconFromResource() {
  // The program's icon resource "MAIN", a bitmap; a program without one keeps
  // the desktop's default icon.
  const auto icon = FindResource("ICON", "MAIN");
  if (!icon || window_ == nullptr) return;
  SDL_Surface* surface =
      SDL_LoadBMP_RW(SDL_RWFromConstMem(icon->data(), static_cast<int>(icon->size())), 1);
  if (surface == nullptr) return;
  SDL_SetWindowIcon(window_, surface);
  SDL_FreeSurface(surface);
}

}  // namespace platform::sdl

namespace platform {

std::unique_ptr<Backend> CreateSdlBackend(const DisplayOptions& options) {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "aoat: cannot start the display: %s\n", SDL_GetError());
    return nullptr;
  }
  // With no desktop to show on, SDL falls back to drivers that draw nowhere;
  // a player that plays unseen (and holds the instance lock) helps no one.
  if (!VideoDriverAcceptable(SDL_GetCurrentVideoDriver(), std::getenv("SDL_VIDEODRIVER"))) {
    std::fprintf(stderr,
                 "aoat: no display: neither DISPLAY nor WAYLAND_DISPLAY names one. Start the "
                 "player from a desktop session, or use --headless to run it without a window\n");
    SDL_Quit();
    return nullptr;
  }
  return std::make_unique<sdl::SdlBackend>(options);
}

}  // namespace platform
