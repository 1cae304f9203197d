// Headless input scripts: one command a line (docs/headless.md), parsed up
// front into primitive steps that the headless backend runs at frame ends.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/backend.h"
#include "platform/input_poster.h"

namespace platform::headless {

struct ScriptStep {
  enum class Kind {
    kMove,     // x, y
    kButton,   // button, down, double_click
    kKey,      // virtual_key, down
    kFrames,   // count frames
    kWait,     // count virtual milliseconds
    kShot,     // file
    kAnswer,   // answer for the next message box
    kClose,    // a close request
    kWheel,    // notches (in x)
    kPad,      // pad_button, down
    kPadAxis,  // pad_axis, axis_value
  };
  Kind kind = Kind::kFrames;
  int x = 0;
  int y = 0;
  MouseButton button = MouseButton::kLeft;
  bool down = false;
  bool double_click = false;
  uint32_t virtual_key = 0;
  uint32_t count = 0;
  std::string file;
  MessageBoxAnswer answer = MessageBoxAnswer::kOk;
  PadButton pad_button = PadButton::kA;
  PadAxis pad_axis = PadAxis::kLeftX;
  int axis_value = 0;
  int line = 0;  // script line the step came from

  bool operator==(const ScriptStep&) const = default;
};

struct ParsedScript {
  std::vector<ScriptStep> steps;
  // One "FILE:LINE: problem" per bad line; the script is unusable when any.
  std::vector<std::string> errors;
};

// Parses the text of a script; `file_name` only labels the errors.
ParsedScript ParseScript(std::string_view text, std::string_view file_name);

inline constexpr int kDisplayWidthPx = 640;
inline constexpr int kDisplayHeightPx = 480;
// A wheel command turns at most this many notches either way.
inline constexpr int kMaxWheelNotches = 100;

}  // namespace platform::headless
