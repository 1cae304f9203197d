// Presentation: the back surface goes into a streaming texture, drawn into
// the viewport with vsync; a frame limiter keeps the loop from spinning where
// vsync does not wait. An RGB565 picture is converted straight into a
// texture of the renderer's own 32-bit format, so that the renderer only
// copies it; other pictures go into a texture of their own format. A frame
// equal to the one on screen is not drawn again.
#include <algorithm>
#include <thread>

#include "platform/pixel_rows.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/trace.h"

namespace platform::sdl {
namespace {

constexpr int kDefaultRefreshHz = 60;

// How the picture's own texture is scaled. Without a chosen filter, whole
// multiples keep sharp pixels and other scales are smoothed; sharp bilinear
// enlarges it with nearest pixels first.
SDL_ScaleMode FirstPassScaleMode(const DisplayOptions& options) {
  switch (options.filter) {
    case ScaleFilter::kNearest:
    case ScaleFilter::kSharpBilinear:
      return SDL_ScaleModeNearest;
    case ScaleFilter::kLinear:
      return SDL_ScaleModeLinear;
    case ScaleFilter::kAuto:
      break;
  }
  return options.scale_mode == ScaleMode::kInteger ? SDL_ScaleModeNearest : SDL_ScaleModeLinear;
}

bool ConvertibleTarget(Uint32 format) {
  return format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
}

// The 32-bit format the renderer stores without converting: the window's
// for the software renderer (it copies onto the window surface), the first
// it lists for the others; 0 when that is not one the conversion writes.
Uint32 NativeFormat(SDL_Renderer* renderer, SDL_Window* window) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0) return 0;
  Uint32 format = info.num_texture_formats > 0 ? info.texture_formats[0] : 0;
  if ((info.flags & SDL_RENDERER_SOFTWARE) != 0) format = SDL_GetWindowPixelFormat(window);
  return ConvertibleTarget(format) ? format : 0;
}

Uint32 TextureFormatOf(const PixelFormat& format, Uint32 native) {
  if (format == PixelFormat::Rgb565())
    return native != 0 ? native : static_cast<Uint32>(SDL_PIXELFORMAT_RGB565);
  if (format == PixelFormat::Rgb555()) return SDL_PIXELFORMAT_RGB555;
  if (format == PixelFormat::Xrgb8888()) return SDL_PIXELFORMAT_RGB888;
  return SDL_PIXELFORMAT_UNKNOWN;
}

}  // namespace

bool SdlBackend::CreateRenderer() {
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (renderer_ == nullptr) return false;
  native_format_ = NativeFormat(renderer_, window_);
  frame_shown_ = false;
  return true;
}

void SdlBackend::DestroyRenderer() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  texture_ = nullptr;
  if (multiple_texture_ != nullptr) SDL_DestroyTexture(multiple_texture_);
  multiple_texture_ = nullptr;
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  renderer_ = nullptr;
  frame_shown_ = false;
}

bool SdlBackend::PrepareTexture(const Surface& frame) {
  const Uint32 format = TextureFormatOf(frame.Format(), native_format_);
  if (format == SDL_PIXELFORMAT_UNKNOWN) return false;
  if (texture_ != nullptr && texture_format_ == format && texture_width_ == frame.Width() &&
      texture_height_ == frame.Height()) {
    return true;
  }
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  texture_ = SDL_CreateTexture(renderer_, format, SDL_TEXTUREACCESS_STREAMING, frame.Width(),
                               frame.Height());
  if (texture_ == nullptr) return false;
  SDL_SetTextureScaleMode(texture_, FirstPassScaleMode(options_));
  // The picture is opaque: a format with alpha must not make it blend.
  SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
  texture_format_ = format;
  texture_width_ = frame.Width();
  texture_height_ = frame.Height();
  return true;
}

// Expose, resize and a change of mode draw the kept frame themselves.
void SdlBackend::Present(const Surface& back, const Rect& source) {
  if (!frames_.Keep(back, source) && frame_shown_) return;
  DrawKeptFrame();
}

bool SdlBackend::FillTexture(const Surface& frame) {
  if (texture_format_ == SDL_PIXELFORMAT_RGB565 || !(frame.Format() == PixelFormat::Rgb565()))
    return SDL_UpdateTexture(texture_, nullptr, frame.Row(0), frame.PitchBytes()) == 0;
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) return false;
  for (int y = 0; y < frame.Height(); ++y) {
    Rgb565ToXrgb8888Row(reinterpret_cast<const uint16_t*>(frame.Row(y)),
                        reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(pixels) + y * pitch),
                        frame.Width());
  }
  SDL_UnlockTexture(texture_);
  return true;
}

void SdlBackend::DrawKeptFrame() {
  if (const Surface* frame = frames_.Frame()) DrawFrame(*frame);
}

void SdlBackend::DrawFrame(const Surface& frame) {
  if (renderer_ == nullptr || !PrepareTexture(frame)) return;
  if (!FillTexture(frame)) return;
  const Viewport viewport = OutputViewport();
  SDL_Texture* source = texture_;
  if (options_.filter == ScaleFilter::kSharpBilinear) {
    if (SDL_Texture* multiple = WholeMultipleTexture(viewport)) source = multiple;
  }
  // Only the bars beside a picture that does not fill the output need black.
  int output_width = 0;
  int output_height = 0;
  SDL_GetRendererOutputSize(renderer_, &output_width, &output_height);
  if (viewport.x > 0 || viewport.y > 0 || viewport.width < output_width ||
      viewport.height < output_height) {
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
  }
  const SDL_Rect target{viewport.x, viewport.y, viewport.width, viewport.height};
  SDL_RenderCopy(renderer_, source, nullptr, &target);
  SDL_RenderPresent(renderer_);
  // A picture other than the kept frame (a message box drawn in the window)
  // leaves the screen showing something else: the next present draws again.
  frame_shown_ = &frame == frames_.Frame();
  drew_this_frame_ = true;
}

SDL_Texture* SdlBackend::WholeMultipleTexture(const Viewport& viewport) {
  const int multiple =
      std::max(1, std::min(viewport.width / texture_width_, viewport.height / texture_height_));
  const int width = texture_width_ * multiple;
  const int height = texture_height_ * multiple;
  if (multiple_texture_ == nullptr || multiple_ != multiple) {
    if (multiple_texture_ != nullptr) SDL_DestroyTexture(multiple_texture_);
    multiple_texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888,
                                          SDL_TEXTUREACCESS_TARGET, width, height);
    multiple_ = multiple;
    if (multiple_texture_ == nullptr) return nullptr;
    SDL_SetTextureScaleMode(multiple_texture_, SDL_ScaleModeLinear);
  }
  if (SDL_SetRenderTarget(renderer_, multiple_texture_) != 0) return nullptr;
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_SetRenderTarget(renderer_, nullptr);
  return multiple_texture_;
}

Viewport SdlBackend::WindowViewport() const {
  int width = kDisplayWidthPx;
  int height = kDisplayHeightPx;
  if (window_ != nullptr) SDL_GetWindowSize(window_, &width, &height);
  return ComputeViewport(width, height, kDisplayWidthPx, kDisplayHeightPx, options_.scale_mode);
}

Viewport SdlBackend::OutputViewport() const {
  int width = kDisplayWidthPx;
  int height = kDisplayHeightPx;
  if (renderer_ != nullptr) SDL_GetRendererOutputSize(renderer_, &width, &height);
  return ComputeViewport(width, height, kDisplayWidthPx, kDisplayHeightPx, options_.scale_mode);
}

// A little shorter than the display's refresh period: where vsync waits, the
// limiter never does; where it does not, frames come at about that rate. A
// frame that drew nothing had no vsync to wait for: it sleeps the whole
// period, so that frames keep the display's pace.
void SdlBackend::UpdateFrameInterval() {
  SDL_DisplayMode mode{};
  int refresh_hz = kDefaultRefreshHz;
  if (window_ != nullptr && SDL_GetWindowDisplayMode(window_, &mode) == 0 && mode.refresh_rate > 0)
    refresh_hz = mode.refresh_rate;
  min_frame_interval_ = std::chrono::microseconds(900000 / refresh_hz);
  refresh_period_ = std::chrono::microseconds(1000000 / refresh_hz);
}

void SdlBackend::LimitFrameRate() {
  const auto now = std::chrono::steady_clock::now();
  const auto due = last_frame_end_ + (drew_this_frame_ ? min_frame_interval_ : refresh_period_);
  drew_this_frame_ = false;
  if (now < due) {
    std::this_thread::sleep_for(due - now);
    last_frame_end_ = due;
  } else {
    last_frame_end_ = now;
  }
}

void SdlBackend::EndFrame() {
  AdvanceTraceFrame();
  button_down_pending_ = false;
  audio_.Tick();
  LimitFrameRate();
}

}  // namespace platform::sdl
