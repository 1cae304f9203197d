// The comforts at work: the message filter that turns keys, the wheel and the
// gamepad into the player's actions, and the end of every frame, where skip,
// the stick and the story watch move on.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/messages.h"
#include "runtime/comforts/backlog.h"
#include "runtime/comforts/comforts.h"
#include "runtime/comforts/input_synth.h"
#include "runtime/comforts/overlay.h"
#include "runtime/comforts/read_record.h"
#include "runtime/comforts/story_watch.h"

namespace comforts {

// A held step (a d-pad direction, a stick pushed far) acts at once, then
// repeats while held.
class Repeater {
 public:
  // True when the held direction should act now.
  bool Due(int direction, uint32_t now_ms);

 private:
  int direction_ = 0;
  uint32_t next_ms_ = 0;
};

class Controller {
 public:
  explicit Controller(const ComfortOptions& options);

  // The message filter: false swallows the message.
  bool Filter(const platform::Message& message);
  void FrameEnded();
  // The end of the run: the record of read lines is kept.
  void Finish();
  Overlay& FrameOverlay() { return overlay_; }

 private:
  // Input (controller.cpp).
  bool KeyDown(uint32_t virtual_key, bool repeat);
  void KeyUp(uint32_t virtual_key);
  bool BacklogKey(uint32_t virtual_key);
  void Wheel(int notches);
  void OnPadButton(platform::PadButton button, bool down);
  void BacklogPadButton(platform::PadButton button);
  void UserPressedButton(bool right);
  void Act(Action action, bool down, bool repeat);
  void Step(int direction);
  // Features (controller_features.cpp).
  void SetSkipToggle(bool on);
  void SetSkipHeld(bool* hold, bool down);
  void StopSkip();
  void UpdateSkip();
  void TraceSkip();
  void OpenBacklog();
  void CloseBacklog();
  void ScrollBacklog(int older);
  void ChangeLevels(const Levels& levels);
  void ToggleFullScreen();
  void WriteSettings();
  void WatchStory();
  void MoveWithStick(uint32_t elapsed_ms);
  void KeepReadRecord(bool at_end);

  ComfortOptions options_;
  InputSynth synth_;
  StoryWatch watch_;
  Backlog backlog_;
  Overlay overlay_;
  ReadRecord record_;
  bool record_dirty_ = false;
  bool record_usable_ = true;
  uint32_t record_kept_ms_ = 0;
  // Whether the line on the screen had been read before it showed.
  bool current_was_read_ = false;
  // Skip: on by Tab or Y, or while Ctrl or the right shoulder is held; a
  // stop while held lasts until every hold is let go.
  bool skip_toggled_ = false;
  bool skip_key_held_ = false;
  bool skip_pad_held_ = false;
  bool skip_hold_spent_ = false;
  bool skip_traced_ = false;
  // Help: F1 turns it on and off; the start button shows it while held.
  bool help_toggled_ = false;
  bool help_pad_held_ = false;
  // The last thing that moved the story came from the keys or a pad.
  bool keys_in_use_ = false;
  // The gamepad's left stick and d-pad.
  int stick_x_ = 0;
  int stick_y_ = 0;
  uint32_t stick_held_ms_ = 0;
  float stick_carry_x_ = 0.0f;
  float stick_carry_y_ = 0.0f;
  int dpad_direction_ = 0;
  Repeater dpad_repeat_;
  Repeater stick_repeat_;
  int wheel_carry_ = 0;
  uint32_t last_frame_ms_ = 0;
  bool settings_failed_ = false;
};

}  // namespace comforts
