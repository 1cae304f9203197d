#include "platform/headless/script.h"

#include <limits>
#include <optional>

#include "platform/headless/script_tokens.h"
#include "platform/messages.h"

namespace platform::headless {
namespace {

constexpr uint32_t kMaxCount = std::numeric_limits<int32_t>::max();
using Tokens = std::vector<std::string_view>;

// Collects the steps and the first problem of one line.
class LineParser {
 public:
  LineParser(int line, std::vector<ScriptStep>* steps) : line_(line), steps_(steps) {}

  // Returns the problem, or an empty string when the line was good.
  std::string Parse(std::string_view command, const Tokens& args, std::string_view rest);

 private:
  ScriptStep Step(ScriptStep::Kind kind) const {
    ScriptStep step;
    step.kind = kind;
    step.line = line_;
    return step;
  }
  void Frames(uint32_t count) {
    ScriptStep s = Step(ScriptStep::Kind::kFrames);
    s.count = count;
    steps_->push_back(s);
  }
  void Move(int x, int y) {
    ScriptStep s = Step(ScriptStep::Kind::kMove);
    s.x = x;
    s.y = y;
    steps_->push_back(s);
  }
  void Button(MouseButton button, bool down, bool double_click) {
    ScriptStep s = Step(ScriptStep::Kind::kButton);
    s.button = button;
    s.down = down;
    s.double_click = double_click;
    steps_->push_back(s);
  }
  void Key(uint32_t virtual_key, bool down) {
    ScriptStep s = Step(ScriptStep::Kind::kKey);
    s.virtual_key = virtual_key;
    s.down = down;
    steps_->push_back(s);
  }
  std::string Position(const Tokens& args);
  std::string Count(ScriptStep::Kind kind, const Tokens& args, const char* what);
  std::string Click(MouseButton button, bool twice, const Tokens& args);
  std::string ButtonEdge(bool down, const Tokens& args);
  std::string KeyCommand(std::string_view command, const Tokens& args);
  std::string Answer(const Tokens& args);
  std::string Wheel(const Tokens& args);
  std::string Pad(std::string_view command, const Tokens& args);
  std::string PadAxisCommand(const Tokens& args);
  void PadEdge(PadButton button, bool down) {
    ScriptStep s = Step(ScriptStep::Kind::kPad);
    s.pad_button = button;
    s.down = down;
    steps_->push_back(s);
  }

  int line_;
  std::vector<ScriptStep>* steps_;
};

std::string LineParser::Count(ScriptStep::Kind kind, const Tokens& args, const char* what) {
  if (args.size() != 1) return std::string("expects one number of ") + what;
  const auto count = ParseUnsigned(args[0], 10, kMaxCount);
  if (!count) return std::string("bad number of ") + what + " '" + Shown(args[0]) + "'";
  ScriptStep s = Step(kind);
  s.count = *count;
  steps_->push_back(s);
  return {};
}

std::string LineParser::Position(const Tokens& args) {
  const auto x = ParseUnsigned(args[0], 10, kDisplayWidthPx - 1);
  const auto y = ParseUnsigned(args[1], 10, kDisplayHeightPx - 1);
  if (!x || !y)
    return "position '" + Shown(args[0]) + " " + Shown(args[1]) + "' outside 0..639 x 0..479";
  Move(static_cast<int>(*x), static_cast<int>(*y));
  return {};
}

std::string LineParser::Click(MouseButton button, bool twice, const Tokens& args) {
  if (!args.empty() && args.size() != 2) return "expects no position or X Y";
  if (args.size() == 2) {
    if (std::string problem = Position(args); !problem.empty()) return problem;
  }
  Button(button, true, false);
  Frames(1);
  Button(button, false, false);
  Frames(1);
  if (twice) {
    Button(button, true, true);
    Frames(1);
    Button(button, false, false);
    Frames(1);
  }
  return {};
}

std::string LineParser::ButtonEdge(bool down, const Tokens& args) {
  if (args.size() != 1) return "expects left or right";
  if (args[0] == "left") {
    Button(MouseButton::kLeft, down, false);
  } else if (args[0] == "right") {
    Button(MouseButton::kRight, down, false);
  } else {
    return "expects left or right, not '" + Shown(args[0]) + "'";
  }
  return {};
}

std::string LineParser::KeyCommand(std::string_view command, const Tokens& args) {
  if (args.size() != 1) return "expects one virtual-key code";
  const std::string_view token = args[0];
  const bool hex = token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X');
  const auto code = hex ? ParseUnsigned(token.substr(2), 16, 0xFE) : ParseUnsigned(token, 10, 0xFE);
  if (!code || *code == 0) return "bad virtual-key code '" + Shown(token) + "' (1..254)";
  if (command == "keydown") {
    Key(*code, true);
  } else if (command == "keyup") {
    Key(*code, false);
  } else {
    Key(*code, true);
    Frames(1);
    Key(*code, false);
    Frames(1);
  }
  return {};
}

std::string LineParser::Answer(const Tokens& args) {
  if (args.size() != 1) return "expects ok, yes or no";
  ScriptStep s = Step(ScriptStep::Kind::kAnswer);
  if (args[0] == "ok") {
    s.answer = MessageBoxAnswer::kOk;
  } else if (args[0] == "yes") {
    s.answer = MessageBoxAnswer::kYes;
  } else if (args[0] == "no") {
    s.answer = MessageBoxAnswer::kNo;
  } else {
    return "expects ok, yes or no, not '" + Shown(args[0]) + "'";
  }
  steps_->push_back(s);
  return {};
}

std::string LineParser::Wheel(const Tokens& args) {
  if (args.size() != 1) return "expects one number of notches";
  const auto notches = ParseSigned(args[0], -kMaxWheelNotches, kMaxWheelNotches);
  if (!notches || *notches == 0)
    return "bad number of notches '" + Shown(args[0]) + "' (-100..-1 or 1..100)";
  ScriptStep s = Step(ScriptStep::Kind::kWheel);
  s.x = *notches;
  steps_->push_back(s);
  Frames(1);
  return {};
}

std::string LineParser::Pad(std::string_view command, const Tokens& args) {
  if (args.size() != 1) return "expects one controller button";
  const auto button = ParsePadButton(args[0]);
  if (!button)
    return "unknown controller button '" + Shown(args[0]) +
           "' (a, b, x, y, back, start, leftshoulder, rightshoulder, dpup, dpdown, dpleft, "
           "dpright)";
  if (command == "paddown") {
    PadEdge(*button, true);
  } else if (command == "padup") {
    PadEdge(*button, false);
  } else {
    PadEdge(*button, true);
    Frames(1);
    PadEdge(*button, false);
    Frames(1);
  }
  return {};
}

std::string LineParser::PadAxisCommand(const Tokens& args) {
  if (args.size() != 2) return "expects an axis (leftx, lefty) and a value";
  ScriptStep s = Step(ScriptStep::Kind::kPadAxis);
  if (args[0] == "leftx") {
    s.pad_axis = PadAxis::kLeftX;
  } else if (args[0] == "lefty") {
    s.pad_axis = PadAxis::kLeftY;
  } else {
    return "unknown axis '" + Shown(args[0]) + "' (leftx, lefty)";
  }
  const auto value = ParseSigned(args[1], -32768, 32767);
  if (!value) return "bad axis value '" + Shown(args[1]) + "' (-32768..32767)";
  s.axis_value = *value;
  steps_->push_back(s);
  return {};
}

std::string LineParser::Parse(std::string_view command, const Tokens& args, std::string_view rest) {
  using Kind = ScriptStep::Kind;
  if (command == "frames") return Count(Kind::kFrames, args, "frames");
  if (command == "wait") return Count(Kind::kWait, args, "milliseconds");
  if (command == "move") {
    if (args.size() != 2) return "expects X Y";
    return Position(args);
  }
  if (command == "click") return Click(MouseButton::kLeft, false, args);
  if (command == "rclick") return Click(MouseButton::kRight, false, args);
  if (command == "dblclick") return Click(MouseButton::kLeft, true, args);
  if (command == "down") return ButtonEdge(true, args);
  if (command == "up") return ButtonEdge(false, args);
  if (command == "key" || command == "keydown" || command == "keyup") {
    return KeyCommand(command, args);
  }
  if (command == "answer") return Answer(args);
  if (command == "wheel") return Wheel(args);
  if (command == "pad" || command == "paddown" || command == "padup") return Pad(command, args);
  if (command == "padaxis") return PadAxisCommand(args);
  if (command == "shot") {
    if (rest.empty()) return "expects a file name";
    ScriptStep s = Step(Kind::kShot);
    s.file = std::string(rest);
    steps_->push_back(s);
    return {};
  }
  if (command == "close") {
    if (!args.empty()) return "takes no arguments";
    steps_->push_back(Step(Kind::kClose));
    return {};
  }
  return "unknown command '" + Shown(command) + "'";
}

}  // namespace

ParsedScript ParseScript(std::string_view text, std::string_view file_name) {
  ParsedScript parsed;
  int line_number = 0;
  size_t pos = 0;
  while (pos <= text.size()) {
    const size_t end = std::min(text.find('\n', pos), text.size());
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++line_number;
    line = Trim(line.substr(0, line.find('#')));
    if (line.empty()) {
      if (end == text.size()) break;
      continue;
    }
    Tokens tokens = Split(line);
    const std::string_view command = tokens.front();
    const std::string_view rest = Trim(line.substr(command.size()));
    tokens.erase(tokens.begin());
    std::vector<ScriptStep> steps;
    const std::string problem = LineParser(line_number, &steps).Parse(command, tokens, rest);
    if (problem.empty()) {
      parsed.steps.insert(parsed.steps.end(), steps.begin(), steps.end());
    } else {
      parsed.errors.push_back(std::string(file_name) + ":" + std::to_string(line_number) + ": " +
                              problem);
    }
    if (end == text.size()) break;
  }
  return parsed;
}

}  // namespace platform::headless
