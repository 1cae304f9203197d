#include "platform/headless/script_runner.h"

#include <cstdio>
#include <string>

#include "platform/platform.h"

namespace platform::headless {

bool ScriptRunner::Advance(uint32_t now_ms) {
  bool posted = false;
  while (!Blocked() && next_ < steps_.size()) {
    posted |= Run(steps_[next_++], now_ms);
  }
  if (Finished() && !end_closed_) {
    end_closed_ = true;
    if (!last_was_close_) {
      PostMessage(msg::kClose, 0, 0);
      posted = true;
    }
  }
  return posted;
}

bool ScriptRunner::Run(const ScriptStep& step, uint32_t now_ms) {
  last_was_close_ = false;
  switch (step.kind) {
    case ScriptStep::Kind::kMove:
      poster_.MoveTo(step.x, step.y);
      return true;
    case ScriptStep::Kind::kButton:
      poster_.Button(step.button, step.down, step.double_click);
      return true;
    case ScriptStep::Kind::kKey:
      poster_.Key(step.virtual_key, step.down);
      return true;
    case ScriptStep::Kind::kWheel:
      poster_.Wheel(step.x);
      return true;
    case ScriptStep::Kind::kPad:
      poster_.PadButton(step.pad_button, step.down);
      return true;
    case ScriptStep::Kind::kPadAxis:
      poster_.PadAxis(step.pad_axis, step.axis_value);
      return true;
    case ScriptStep::Kind::kFrames:
      frames_left_ = step.count;
      return false;
    case ScriptStep::Kind::kWait:
      waiting_ = step.count > 0;
      wait_start_ms_ = now_ms;
      wait_ms_ = step.count;
      return false;
    case ScriptStep::Kind::kShot: {
      std::string error;
      if (frames_ != nullptr && !frames_->WritePng(step.file, &error)) {
        std::fprintf(stderr, "aoat: script line %d: cannot write %s: %s\n", step.line,
                     step.file.c_str(), error.c_str());
      }
      return false;
    }
    case ScriptStep::Kind::kAnswer:
      answers_.push_back(step.answer);
      return false;
    case ScriptStep::Kind::kClose:
      PostMessage(msg::kClose, 0, 0);
      last_was_close_ = true;
      return true;
  }
  return false;
}

void ScriptRunner::FrameEnded(uint32_t now_ms) {
  if (frames_left_ > 0) --frames_left_;
  if (waiting_ && now_ms - wait_start_ms_ >= wait_ms_) waiting_ = false;
}

std::optional<MessageBoxAnswer> ScriptRunner::TakeAnswer() {
  if (answers_.empty()) return std::nullopt;
  const MessageBoxAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace platform::headless
