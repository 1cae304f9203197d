// Pointer and key activity turned into the window messages the window system
// would post, shared by both backends so that a scripted click and a real one
// reach the window procedure as the same messages.
#pragma once

#include <array>
#include <cstdint>

#include "platform/messages.h"

namespace platform {

enum class MouseButton { kLeft, kRight };

// Message number of a key transition: Alt itself, F10 and keys pressed while
// Alt is held (without Ctrl, which with Alt makes AltGr) are system keys.
uint32_t KeyMessageFor(uint32_t virtual_key, bool down, bool alt_held, bool ctrl_held);

class InputPoster {
 public:
  // Pointer at (x, y) in display coordinates. As the window system does, the
  // window procedure is first asked for the pointer shape (a synchronous
  // set-cursor message: client area, on behalf of the move), then the move is
  // posted.
  void MoveTo(int x, int y);
  // A button press (or, with `double_click`, the double-click message that
  // replaces the second press) or release at the current position.
  void Button(MouseButton button, bool down, bool double_click);
  // A key transition; a press of a key already down is an auto-repeat.
  void Key(uint32_t virtual_key, bool down, bool alt_held, bool ctrl_held);
  // The same, with Alt and Ctrl as this poster has seen them.
  void Key(uint32_t virtual_key, bool down);
  // A turn of the wheel by `notches` (positive away from the user) at the
  // current position.
  void Wheel(int notches);
  // A game controller's button going down or up, and a stick axis moved
  // (-32768..32767).
  void PadButton(platform::PadButton button, bool down);
  void PadAxis(platform::PadAxis axis, int value);

  int X() const { return x_; }
  int Y() const { return y_; }
  bool IsKeyDown(uint32_t virtual_key) const;

 private:
  uint64_t MouseFlags() const;

  int x_ = 0;
  int y_ = 0;
  bool left_down_ = false;
  bool right_down_ = false;
  std::array<bool, 256> keys_down_{};
};

}  // namespace platform
