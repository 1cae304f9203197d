// Skip, the backlog, the volume, the window and the settings file, and what
// the end of every frame moves on.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "engine/el.h"
#include "platform/file_writing.h"
#include "platform/platform.h"
#include "platform/trace.h"
#include "runtime/comforts/controller.h"
#include "runtime/comforts/navigation.h"
#include "runtime/project/project_model.h"

namespace comforts {
namespace {

// Skip presses once the button has been up for two frames: the story polls
// once a frame and takes a press right after a release for a held button.
constexpr uint64_t kFramesBetweenSkipClicks = 2;
constexpr uint32_t kRecordKeptEveryMs = 10000;
constexpr int kStickDeadZone = 8000;
constexpr int kStickStepZone = 20000;
constexpr float kStickAxisMax = 32767.0f;
// The pointer's speed at full deflection grows over the first second held.
constexpr float kStickSlowPxPerS = 160.0f;
constexpr float kStickFastPxPerS = 720.0f;
constexpr uint32_t kStickRampMs = 1000;
constexpr uint32_t kLongestFrameMs = 100;

int StickDirection(int value) {
  return value <= -kStickStepZone ? -1 : value >= kStickStepZone ? 1 : 0;
}

}  // namespace

void Controller::FrameEnded() {
  const uint32_t now_ms = platform::BackendTimeMs();
  const uint32_t elapsed_ms = std::min(now_ms - last_frame_ms_, kLongestFrameMs);
  last_frame_ms_ = now_ms;
  synth_.FrameEnded();
  WatchStory();
  if (dpad_repeat_.Due(dpad_direction_, now_ms)) {
    if (backlog_.IsOpen()) {
      ScrollBacklog(-dpad_direction_);
    } else {
      Step(dpad_direction_);
    }
  }
  MoveWithStick(elapsed_ms);
  UpdateSkip();
  KeepReadRecord(false);
}

// The line the frame composed goes into the backlog and the record of read
// lines; the choices that came up after a key or button get the pointer.
void Controller::WatchStory() {
  if (const auto shown = watch_.FrameEnded()) {
    current_was_read_ = record_.Has(shown->page, shown->line);
    if (record_.Mark(shown->page, shown->line)) record_dirty_ = true;
    if (shown->text_shown) backlog_.Add(shown->text);
  }
  if (watch_.ChoicesAppeared() && keys_in_use_) {
    if (const auto first = StepFrom(ChoiceStops({synth_.X(), synth_.Y()}), 1))
      synth_.MoveTo(first->x, first->y);
  }
}

void Controller::MoveWithStick(uint32_t elapsed_ms) {
  const bool pushed = std::abs(stick_x_) > kStickDeadZone || std::abs(stick_y_) > kStickDeadZone;
  stick_held_ms_ = pushed ? std::min(stick_held_ms_ + elapsed_ms, kStickRampMs) : 0;
  const uint32_t now_ms = last_frame_ms_;
  // Over the backlog and the choices the stick steps; elsewhere it moves
  // the pointer freely.
  if (backlog_.IsOpen() || !ChoiceStops({synth_.X(), synth_.Y()}).empty()) {
    if (stick_repeat_.Due(StickDirection(stick_y_), now_ms)) {
      if (backlog_.IsOpen()) {
        ScrollBacklog(-StickDirection(stick_y_));
      } else {
        Step(StickDirection(stick_y_));
      }
    }
    return;
  }
  if (!pushed) {
    stick_carry_x_ = stick_carry_y_ = 0.0f;
    return;
  }
  const float ramp = static_cast<float>(stick_held_ms_) / kStickRampMs;
  const float speed = kStickSlowPxPerS + (kStickFastPxPerS - kStickSlowPxPerS) * ramp;
  const float seconds = static_cast<float>(elapsed_ms) / 1000.0f;
  stick_carry_x_ += static_cast<float>(stick_x_) / kStickAxisMax * speed * seconds;
  stick_carry_y_ += static_cast<float>(stick_y_) / kStickAxisMax * speed * seconds;
  const int dx = static_cast<int>(stick_carry_x_);
  const int dy = static_cast<int>(stick_carry_y_);
  stick_carry_x_ -= static_cast<float>(dx);
  stick_carry_y_ -= static_cast<float>(dy);
  if (dx != 0 || dy != 0) {
    keys_in_use_ = true;
    synth_.MoveTo(synth_.X() + dx, synth_.Y() + dy);
  }
}

// ---- Skip

void Controller::SetSkipToggle(bool on) {
  skip_toggled_ = on;
  TraceSkip();
}

void Controller::SetSkipHeld(bool* hold, bool down) {
  *hold = down;
  if (!skip_key_held_ && !skip_pad_held_) skip_hold_spent_ = false;
  TraceSkip();
}

void Controller::StopSkip() {
  skip_toggled_ = false;
  if (skip_key_held_ || skip_pad_held_) skip_hold_spent_ = true;
  TraceSkip();
}

void Controller::TraceSkip() {
  const bool on = skip_toggled_ || ((skip_key_held_ || skip_pad_held_) && !skip_hold_spent_);
  if (on == skip_traced_) return;
  skip_traced_ = on;
  platform::TraceEvent("skip").Int("on", on ? 1 : 0);
}

// One click away from the menu, as soon as the story can take a new press.
// Skip stops where the story waits for a choice, off the story screen (the
// ending), at a line not read before (unless every line is skipped), and
// when the user presses a mouse button.
void Controller::UpdateSkip() {
  if (!skip_traced_ || backlog_.IsOpen()) return;
  if (!OnStoryScreen() || selectflug == 1) return StopSkip();
  const auto current = watch_.Current();
  if (!current) return;  // the next line is not composed yet
  if (!options_.skip_all && !current_was_read_) return StopSkip();
  if (synth_.IsDown(Button::kLeft) ||
      synth_.FramesSinceRelease(Button::kLeft) < kFramesBetweenSkipClicks)
    return;
  const Point away = AwayFromMenu({synth_.X(), synth_.Y()});
  synth_.MoveTo(away.x, away.y);
  synth_.Click(Button::kLeft);
}

// ---- Backlog

void Controller::OpenBacklog() {
  if (backlog_.IsOpen()) return;
  StopSkip();
  // Nothing of ours stays held under the backlog.
  synth_.Release(Button::kLeft);
  synth_.Release(Button::kRight);
  backlog_.Open();
  platform::PauseClock(true);
  platform::TraceEvent("backlog").Int("open", 1).Int("lines",
                                                     static_cast<int64_t>(backlog_.Size()));
}

void Controller::CloseBacklog() {
  if (!backlog_.IsOpen()) return;
  backlog_.Close();
  platform::PauseClock(false);
  platform::TraceEvent("backlog").Int("open", 0).Int("lines",
                                                     static_cast<int64_t>(backlog_.Size()));
}

void Controller::ScrollBacklog(int older) {
  backlog_.ScrollOlder(older);
}

// ---- Volume, window, settings

void Controller::ChangeLevels(const Levels& levels) {
  overlay_.ShowLevels(levels, platform::BackendTimeMs() + kLevelShownMs);
  if (levels == options_.levels) return;
  options_.levels = levels;
  ApplyLevels(levels);
  TraceLevels(levels);
  options_.file_settings.volume = levels.master;
  options_.file_settings.mute = levels.mute;
  WriteSettings();
}

void Controller::ToggleFullScreen() {
  platform::SetFullScreen(!platform::IsFullScreen());
  options_.file_settings.full_screen = platform::IsFullScreen();
  WriteSettings();
}

void Controller::WriteSettings() {
  if (options_.settings_path.empty() || settings_failed_) return;
  const std::string text = SettingsText(options_.file_settings, options_.file_text);
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(options_.settings_path).parent_path(),
                                      ec);
  std::string error;
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  if (platform::WriteWholeFile(options_.settings_path, {bytes, text.size()},
                               platform::IfExists::kReplace,
                               &error) != platform::WriteResult::kWritten) {
    // Said once; the run goes on with the settings as they are.
    settings_failed_ = true;
    std::fprintf(stderr, "aoat-player: cannot write the settings to %s: %s\n",
                 options_.settings_path.c_str(), error.c_str());
    return;
  }
  options_.file_text = text;
}

// ---- Record of read lines

void Controller::KeepReadRecord(bool at_end) {
  if (!options_.keep_read_record || !record_dirty_ || !record_usable_) return;
  const uint32_t now_ms = platform::BackendTimeMs();
  if (!at_end && now_ms - record_kept_ms_ < kRecordKeptEveryMs) return;
  record_kept_ms_ = now_ms;
  std::string error;
  const std::string path = ReadRecordPath();
  if (!SaveReadRecord(path, record_, &error)) {
    record_usable_ = false;
    std::fprintf(stderr, "aoat-player: cannot keep the lines read in %s: %s\n", path.c_str(),
                 error.c_str());
    return;
  }
  record_dirty_ = false;
}

void Controller::Finish() {
  CloseBacklog();
  KeepReadRecord(true);
}

}  // namespace comforts
