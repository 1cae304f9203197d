#include "platform/headless/headless_backend.h"

#include <cstdio>

#include "platform/files.h"
#include "platform/mix_rate.h"
#include "platform/platform.h"
#include "platform/trace.h"

namespace platform::headless {

HeadlessBackend::HeadlessBackend(std::vector<ScriptStep> steps, int frame_ms)
    : frame_ms_(static_cast<uint32_t>(frame_ms)), runner_(std::move(steps), &frames_) {
  SetTraceTimeOrigin(now_ms_);
}

HeadlessBackend::~HeadlessBackend() {
  wav_.Close();
}

bool HeadlessBackend::OpenAudioOut(const std::string& path) {
  return wav_.Open(path, kMixRateHz);
}

void HeadlessBackend::WaitUntil(uint32_t deadline_ms) {
  if (static_cast<int32_t>(now_ms_ - deadline_ms) <= 0) now_ms_ = deadline_ms + 1;
}

bool HeadlessBackend::CreateMainWindow(std::string_view title_sjis) {
  has_window_ = true;
  title_ = std::string(title_sjis);
  // The program believes it owns a 640 x 480 screen at 0,0.
  PostMessage(msg::kActivateApp, 1, 0);
  PostMessage(msg::kMove, 0, MakePointParam(0, 0));
  return true;
}

void HeadlessBackend::PumpEvents() {
  if (has_window_) runner_.Advance(now_ms_);
}

// The program waits for a message: the script's time passes in frame steps
// until it has something to deliver. Past its end the close request is
// repeated, so that a program that ignored it cannot wait forever.
void HeadlessBackend::WaitEvents() {
  if (runner_.Advance(now_ms_)) return;
  if (runner_.Finished()) {
    PostMessage(msg::kClose, 0, 0);
    return;
  }
  now_ms_ += frame_ms_;
  runner_.FrameEnded(now_ms_);
}

void HeadlessBackend::EndFrame() {
  now_ms_ += frame_ms_;
  AdvanceTraceFrame();
  RenderAudio();
  runner_.FrameEnded(now_ms_);
}

// Exactly the samples of one frame step: the running total of milliseconds
// decides how many, so fractions of a sample per frame do not drift.
void HeadlessBackend::RenderAudio() {
  audio_ms_ += frame_ms_;
  const uint64_t target = audio_ms_ * kMixRateHz / 1000;
  const size_t count = static_cast<size_t>(target - audio_frames_done_);
  audio_frames_done_ = target;
  if (render_ == nullptr && !wav_.IsOpen()) return;
  audio_buffer_.assign(count * 2, 0);
  if (render_ != nullptr && count > 0) render_(audio_buffer_.data(), static_cast<int>(count));
  if (wav_.IsOpen() && !wav_.Append(audio_buffer_)) {
    std::fputs("aoat: cannot write the audio output; it stops here\n", stderr);
    wav_.Close();
  }
}

void HeadlessBackend::DesktopSize(int* width_px, int* height_px) {
  *width_px = kDisplayWidthPx;
  *height_px = kDisplayHeightPx;
}

MessageBoxAnswer HeadlessBackend::ShowMessageBox(MessageBoxKind kind, std::string_view,
                                                 std::string_view) {
  const std::optional<MessageBoxAnswer> given = runner_.TakeAnswer();
  if (kind != MessageBoxKind::kYesNo) return MessageBoxAnswer::kOk;
  if (!given || *given == MessageBoxAnswer::kOk) return MessageBoxAnswer::kYes;
  return *given;
}

bool HeadlessBackend::OpenAudio(AudioRender render) {
  render_ = render;
  return render != nullptr;
}

namespace {

// A script is a few thousand commands; a file larger than this is not one.
constexpr size_t kMaxScriptBytes = 16 << 20;

std::optional<std::string> ReadScript(const std::string& path) {
  std::vector<uint8_t> bytes;
  std::string error;
  if (!ReadRegularFile(path, kMaxScriptBytes, &bytes, &error)) return std::nullopt;
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace

}  // namespace platform::headless

namespace platform {

std::unique_ptr<Backend> CreateHeadlessBackend(const HeadlessOptions& options) {
  if (options.frame_ms < 1 || options.frame_ms > headless::kMaxFrameMs) {
    std::fprintf(stderr, "aoat: the frame step must be 1 to %d ms (got %d)\n",
                 headless::kMaxFrameMs, options.frame_ms);
    return nullptr;
  }
  std::vector<headless::ScriptStep> steps;
  if (!options.script_path.empty()) {
    const auto text = headless::ReadScript(options.script_path);
    if (!text) {
      std::fprintf(stderr, "aoat: cannot read the script %s\n", options.script_path.c_str());
      return nullptr;
    }
    headless::ParsedScript parsed = headless::ParseScript(*text, options.script_path);
    for (const std::string& error : parsed.errors) std::fprintf(stderr, "%s\n", error.c_str());
    if (!parsed.errors.empty()) return nullptr;
    steps = std::move(parsed.steps);
  }
  auto backend = std::make_unique<headless::HeadlessBackend>(std::move(steps), options.frame_ms);
  if (!options.audio_out_path.empty() && !backend->OpenAudioOut(options.audio_out_path)) {
    std::fprintf(stderr, "aoat: cannot create the audio output %s\n",
                 options.audio_out_path.c_str());
    return nullptr;
  }
  return backend;
}

}  // namespace platform
