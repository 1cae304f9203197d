#include "platform/input_poster.h"

#include "platform/platform.h"

namespace platform {
namespace {

constexpr int64_t kHitClient = 1;  // set-cursor lparam low word: the client area

// The key message's lparam: repeat count 1, the Alt context bit for system
// keys, the previous state and the transition bit.
int64_t KeyParam(bool down, bool was_down, bool alt_context) {
  uint32_t param = 1;
  if (alt_context) param |= 1u << 29;
  if (was_down || !down) param |= 1u << 30;
  if (!down) param |= 1u << 31;
  return static_cast<int64_t>(param);
}

}  // namespace

uint32_t KeyMessageFor(uint32_t virtual_key, bool down, bool alt_held, bool ctrl_held) {
  const bool system =
      virtual_key == vk::kMenu || virtual_key == vk::kF10 || (alt_held && !ctrl_held);
  if (system) return down ? msg::kSysKeyDown : msg::kSysKeyUp;
  return down ? msg::kKeyDown : msg::kKeyUp;
}

void PostPointerMove(int x, int y, uint64_t button_flags) {
  SendMessage(msg::kSetCursor, 0, kHitClient | (static_cast<int64_t>(msg::kMouseMove) << 16));
  PostMessage(msg::kMouseMove, button_flags, MakePointParam(x, y));
}

void InputPoster::MoveTo(int x, int y) {
  x_ = x;
  y_ = y;
  PostPointerMove(x_, y_, MouseFlags());
}

void InputPoster::Button(MouseButton button, bool down, bool double_click) {
  const bool left = button == MouseButton::kLeft;
  (left ? left_down_ : right_down_) = down;
  uint32_t message = 0;
  if (left) {
    message = !down ? msg::kLButtonUp : double_click ? msg::kLButtonDblClk : msg::kLButtonDown;
  } else {
    message = !down ? msg::kRButtonUp : double_click ? msg::kRButtonDblClk : msg::kRButtonDown;
  }
  PostMessage(message, MouseFlags(), MakePointParam(x_, y_));
}

void InputPoster::Key(uint32_t virtual_key, bool down, bool alt_held, bool ctrl_held) {
  if (virtual_key == 0 || virtual_key >= keys_down_.size()) return;
  const bool was_down = keys_down_[virtual_key];
  keys_down_[virtual_key] = down;
  const uint32_t message = KeyMessageFor(virtual_key, down, alt_held, ctrl_held);
  const bool alt_context = alt_held || (virtual_key == vk::kMenu && down);
  PostMessage(message, virtual_key, KeyParam(down, was_down, alt_context));
}

void InputPoster::Key(uint32_t virtual_key, bool down) {
  Key(virtual_key, down, IsKeyDown(vk::kMenu), IsKeyDown(vk::kControl));
}

void InputPoster::Wheel(int notches) {
  PostMessage(msg::kMouseWheel, MakeWheelParam(notches, MouseFlags()), MakePointParam(x_, y_));
}

void InputPoster::PadButton(platform::PadButton button, bool down) {
  PostMessage(down ? msg::kPadButtonDown : msg::kPadButtonUp, static_cast<uint64_t>(button), 0);
}

void InputPoster::PadAxis(platform::PadAxis axis, int value) {
  PostMessage(msg::kPadAxis, static_cast<uint64_t>(axis), value);
}

bool InputPoster::IsKeyDown(uint32_t virtual_key) const {
  return virtual_key < keys_down_.size() && keys_down_[virtual_key];
}

uint64_t InputPoster::MouseFlags() const {
  uint64_t flags = 0;
  if (left_down_) flags |= mk::kLButton;
  if (right_down_) flags |= mk::kRButton;
  if (IsKeyDown(vk::kShift)) flags |= mk::kShift;
  if (IsKeyDown(vk::kControl)) flags |= mk::kControl;
  return flags;
}

}  // namespace platform
