#include "runtime/comforts/input_synth.h"

#include <algorithm>

#include "platform/platform.h"

namespace comforts {

bool InputSynth::TakeOwn(const platform::Message& message) {
  if (expected_.empty()) return false;
  const platform::Message& own = expected_.front();
  if (own.message != message.message || own.wparam != message.wparam ||
      own.lparam != message.lparam)
    return false;
  expected_.pop_front();
  return true;
}

void InputSynth::NotePointer(int64_t position) {
  const auto bits = static_cast<uint32_t>(position);
  x_ = static_cast<int>(bits & 0xFFFF);
  y_ = static_cast<int>(bits >> 16);
}

void InputSynth::Post(uint32_t message, uint64_t wparam, int64_t lparam) {
  expected_.push_back({message, wparam, lparam});
  platform::PostMessage(message, wparam, lparam);
}

uint64_t InputSynth::ButtonFlags() const {
  uint64_t flags = 0;
  if (left_.down) flags |= platform::mk::kLButton;
  if (right_.down) flags |= platform::mk::kRButton;
  return flags;
}

void InputSynth::MoveTo(int x, int y) {
  x = std::clamp(x, 0, 639);
  y = std::clamp(y, 0, 479);
  if (x == x_ && y == y_) return;
  x_ = x;
  y_ = y;
  expected_.push_back({platform::msg::kMouseMove, ButtonFlags(), platform::MakePointParam(x, y)});
  platform::PostPointerMove(x, y, ButtonFlags());
}

void InputSynth::Press(Button button) {
  ButtonState& state = State(button);
  if (state.down) {
    state.release_waiting = false;
    return;
  }
  state.down = true;
  state.release_waiting = false;
  state.down_frame = frame_;
  Post(button == Button::kLeft ? platform::msg::kLButtonDown : platform::msg::kRButtonDown,
       ButtonFlags(), platform::MakePointParam(x_, y_));
}

void InputSynth::Release(Button button) {
  ButtonState& state = State(button);
  if (!state.down) return;
  if (frame_ > state.down_frame) {
    PostRelease(button);
  } else {
    state.release_waiting = true;
  }
}

void InputSynth::Click(Button button) {
  Press(button);
  State(button).release_waiting = true;
}

void InputSynth::PostRelease(Button button) {
  ButtonState& state = State(button);
  state.down = false;
  state.release_waiting = false;
  state.up_frame = frame_;
  Post(button == Button::kLeft ? platform::msg::kLButtonUp : platform::msg::kRButtonUp,
       ButtonFlags(), platform::MakePointParam(x_, y_));
}

uint64_t InputSynth::FramesSinceRelease(Button button) const {
  const ButtonState& state = State(button);
  if (state.down) return 0;
  return state.up_frame == 0 ? UINT64_MAX : frame_ - state.up_frame;
}

void InputSynth::FrameEnded() {
  ++frame_;
  for (const Button button : {Button::kLeft, Button::kRight}) {
    if (State(button).down && State(button).release_waiting) PostRelease(button);
  }
}

}  // namespace comforts
