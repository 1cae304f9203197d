#include "runtime/comforts/controller.h"

#include <cstdio>
#include <string>

#include "platform/platform.h"
#include "runtime/comforts/navigation.h"

namespace comforts {
namespace {

namespace msg = platform::msg;
namespace vk = platform::vk;
using platform::PadButton;

constexpr uint32_t kRepeatDelayMs = 400;
constexpr uint32_t kRepeatEveryMs = 120;

// The key message's previous-state bit: set on an auto-repeat.
bool IsRepeat(int64_t lparam) {
  return (static_cast<uint64_t>(lparam) & (1u << 30)) != 0;
}

}  // namespace

bool Repeater::Due(int direction, uint32_t now_ms) {
  if (direction == 0) {
    direction_ = 0;
    return false;
  }
  if (direction != direction_) {
    direction_ = direction;
    next_ms_ = now_ms + kRepeatDelayMs;
    return true;
  }
  if (static_cast<int32_t>(now_ms - next_ms_) < 0) return false;
  next_ms_ = now_ms + kRepeatEveryMs;
  return true;
}

Controller::Controller(const ComfortOptions& options)
    : options_(options), overlay_(backlog_, options_.keys) {
  ApplyLevels(options_.levels);
  last_frame_ms_ = platform::BackendTimeMs();
  record_kept_ms_ = last_frame_ms_;
  if (options_.keep_read_record) {
    std::string error;
    const std::string path = ReadRecordPath();
    if (!LoadReadRecord(path, &record_, &error)) {
      std::fprintf(stderr, "aoat-player: %s: %s; it is started afresh\n", path.c_str(),
                   error.c_str());
    }
  }
}

bool Controller::Filter(const platform::Message& m) {
  if (synth_.TakeOwn(m)) return true;
  const bool open = backlog_.IsOpen();
  switch (m.message) {
    case msg::kMouseMove:
      if (open) return false;
      keys_in_use_ = false;
      synth_.NotePointer(m.lparam);
      return true;
    case msg::kLButtonDown:
    case msg::kLButtonDblClk:
    case msg::kRButtonDown:
    case msg::kRButtonDblClk:
      UserPressedButton(m.message == msg::kRButtonDown || m.message == msg::kRButtonDblClk);
      return !open;
    case msg::kKeyDown:
      return KeyDown(static_cast<uint32_t>(m.wparam), IsRepeat(m.lparam));
    case msg::kKeyUp:
      KeyUp(static_cast<uint32_t>(m.wparam));
      return true;
    case msg::kMouseWheel:
      Wheel(platform::WheelDistance(m.wparam));
      return true;
    case msg::kPadButtonDown:
    case msg::kPadButtonUp:
      if (options_.gamepad && m.wparam < platform::kPadButtonCount)
        OnPadButton(static_cast<PadButton>(m.wparam), m.message == msg::kPadButtonDown);
      return true;
    case msg::kPadAxis:
      if (!options_.gamepad) return true;
      if (m.wparam == static_cast<uint64_t>(platform::PadAxis::kLeftX))
        stick_x_ = static_cast<int>(m.lparam);
      if (m.wparam == static_cast<uint64_t>(platform::PadAxis::kLeftY))
        stick_y_ = static_cast<int>(m.lparam);
      return true;
    default:
      // Releases, the system keys and everything else are the story's.
      return true;
  }
}

// A real mouse button: skip ends; over the backlog a right click closes it.
void Controller::UserPressedButton(bool right) {
  keys_in_use_ = false;
  StopSkip();
  if (backlog_.IsOpen() && right) CloseBacklog();
}

bool Controller::KeyDown(uint32_t virtual_key, bool repeat) {
  if (backlog_.IsOpen()) return BacklogKey(virtual_key);
  if (virtual_key == vk::kEscape && help_toggled_) {
    help_toggled_ = false;
    overlay_.SetHelp(help_pad_held_);
  }
  if (const auto action = options_.keys.ActionOf(virtual_key)) Act(*action, true, repeat);
  // Keys still reach the story's keyboard model.
  return true;
}

void Controller::KeyUp(uint32_t virtual_key) {
  if (const auto action = options_.keys.ActionOf(virtual_key)) Act(*action, false, false);
}

// While the backlog is open its keys scroll it or close it, and nothing
// reaches the story.
bool Controller::BacklogKey(uint32_t virtual_key) {
  const auto action = options_.keys.ActionOf(virtual_key);
  if (virtual_key == vk::kEscape || action == Action::kRightClick) {
    CloseBacklog();
  } else if (action == Action::kPrevious) {
    ScrollBacklog(1);
  } else if (action == Action::kNext) {
    ScrollBacklog(-1);
  } else if (virtual_key == vk::kPrior || action == Action::kBacklog) {
    ScrollBacklog(Overlay::BacklogPageLines());
  } else if (virtual_key == vk::kNext) {
    ScrollBacklog(-Overlay::BacklogPageLines());
  } else if (action) {
    // The volume and the window still answer.
    if (*action == Action::kMute || *action == Action::kVolumeDown ||
        *action == Action::kVolumeUp || *action == Action::kFullScreen)
      Act(*action, true, false);
  }
  return false;
}

void Controller::Act(Action action, bool down, bool repeat) {
  const bool press = down && !repeat;
  switch (action) {
    case Action::kClick:
    case Action::kRightClick: {
      const Button button = action == Action::kClick ? Button::kLeft : Button::kRight;
      if (press) {
        keys_in_use_ = true;
        synth_.Press(button);
      } else if (!down) {
        synth_.Release(button);
      }
      break;
    }
    case Action::kPrevious:
    case Action::kNext:
      if (down) Step(action == Action::kNext ? 1 : -1);
      break;
    case Action::kSkipHold:
      if (!repeat) SetSkipHeld(&skip_key_held_, down);
      break;
    case Action::kSkipToggle:
      if (press) SetSkipToggle(!skip_toggled_);
      break;
    case Action::kBacklog:
      if (press) OpenBacklog();
      break;
    case Action::kMute:
      if (press) {
        Levels levels = options_.levels;
        levels.mute = !levels.mute;
        ChangeLevels(levels);
      }
      break;
    case Action::kVolumeDown:
    case Action::kVolumeUp:
      if (down) {
        Levels levels = options_.levels;
        levels.master = SteppedLevel(levels.master, action == Action::kVolumeUp ? 1 : -1);
        ChangeLevels(levels);
      }
      break;
    case Action::kFullScreen:
      if (press) ToggleFullScreen();
      break;
    case Action::kHelp:
      if (press) {
        help_toggled_ = !help_toggled_;
        overlay_.SetHelp(help_toggled_ || help_pad_held_);
      }
      break;
  }
}

// The pointer to the next (or previous) choice row, or menu entry.
void Controller::Step(int direction) {
  keys_in_use_ = true;
  if (const auto target = StepFrom(CurrentStops({synth_.X(), synth_.Y()}), direction))
    synth_.MoveTo(target->x, target->y);
}

// Towards the user is a click (past the newest line of the open backlog, it
// closes it); away from the user opens the backlog and scrolls it back.
void Controller::Wheel(int distance) {
  wheel_carry_ += distance;
  const int notches = wheel_carry_ / platform::kWheelDelta;
  wheel_carry_ -= notches * platform::kWheelDelta;
  if (notches == 0) return;
  if (backlog_.IsOpen()) {
    if (notches < 0 && backlog_.Scroll() == 0) {
      CloseBacklog();
    } else {
      ScrollBacklog(notches);
    }
    return;
  }
  if (notches > 0) {
    OpenBacklog();
    if (notches > 1) ScrollBacklog(notches - 1);
    return;
  }
  keys_in_use_ = false;
  synth_.Click(Button::kLeft);
}

void Controller::OnPadButton(PadButton button, bool down) {
  if (button == PadButton::kStart) {
    help_pad_held_ = down;
    overlay_.SetHelp(help_toggled_ || help_pad_held_);
    return;
  }
  if (button == PadButton::kRightShoulder) {
    SetSkipHeld(&skip_pad_held_, down);
    return;
  }
  const bool vertical_up = button == PadButton::kDpadUp || button == PadButton::kDpadLeft;
  const bool vertical_down = button == PadButton::kDpadDown || button == PadButton::kDpadRight;
  if (vertical_up || vertical_down) {
    dpad_direction_ = down ? (vertical_down ? 1 : -1) : 0;
    if (!down) dpad_repeat_.Due(0, 0);
    return;
  }
  if (backlog_.IsOpen()) {
    if (down) BacklogPadButton(button);
    return;
  }
  switch (button) {
    case PadButton::kA:
      keys_in_use_ = true;
      if (down) {
        synth_.Press(Button::kLeft);
      } else {
        synth_.Release(Button::kLeft);
      }
      break;
    case PadButton::kB:
      keys_in_use_ = true;
      if (down) {
        synth_.Press(Button::kRight);
      } else {
        synth_.Release(Button::kRight);
      }
      break;
    case PadButton::kY:
      if (down) SetSkipToggle(!skip_toggled_);
      break;
    case PadButton::kBack:
      if (down) Act(Action::kMute, true, false);
      break;
    case PadButton::kLeftShoulder:
      if (down) OpenBacklog();
      break;
    default:
      break;
  }
}

void Controller::BacklogPadButton(platform::PadButton button) {
  if (button == PadButton::kB) {
    CloseBacklog();
  } else if (button == PadButton::kLeftShoulder) {
    ScrollBacklog(Overlay::BacklogPageLines());
  } else if (button == PadButton::kBack) {
    Act(Action::kMute, true, false);
  }
}

}  // namespace comforts
