// The comforts act on the story only as a mouse would: pointer moves and
// button presses posted into the message queue. This keeps the pointer as the
// story last heard it, tells the comforts' own messages from the user's when
// they come back through the message filter, and makes sure a press stays
// down for at least one frame, since the story polls the buttons once a frame.
#pragma once

#include <cstdint>
#include <deque>

#include "platform/messages.h"

namespace comforts {

enum class Button { kLeft, kRight };

class InputSynth {
 public:
  // Called by the message filter for every message taken: true when it is
  // one of ours (it is then no longer expected).
  bool TakeOwn(const platform::Message& message);
  // A pointer move of the user's that the story gets.
  void NotePointer(int64_t position);

  int X() const { return x_; }
  int Y() const { return y_; }

  void MoveTo(int x, int y);
  // Presses the button at the pointer (nothing when ours is already down).
  void Press(Button button);
  // Releases it; a press no frame has seen yet is released after the next.
  void Release(Button button);
  // A press released after one frame: a click.
  void Click(Button button);
  bool IsDown(Button button) const { return State(button).down; }
  // Frames since our button went up (large when it never went down).
  uint64_t FramesSinceRelease(Button button) const;

  // The end of a frame: releases that waited for it go out.
  void FrameEnded();
  uint64_t Frame() const { return frame_; }

 private:
  struct ButtonState {
    bool down = false;
    bool release_waiting = false;
    uint64_t down_frame = 0;
    uint64_t up_frame = 0;
  };
  ButtonState& State(Button button) { return button == Button::kLeft ? left_ : right_; }
  const ButtonState& State(Button button) const { return button == Button::kLeft ? left_ : right_; }
  void Post(uint32_t message, uint64_t wparam, int64_t lparam);
  void PostRelease(Button button);
  uint64_t ButtonFlags() const;

  int x_ = 0;
  int y_ = 0;
  ButtonState left_;
  ButtonState right_;
  uint64_t frame_ = 0;
  std::deque<platform::Message> expected_;
};

}  // namespace comforts
