// Runs the steps of a headless script against the message queue: input steps
// post their messages at once, `frames` and `wait` hold the script until
// enough frames have ended, and the end of the script closes the program.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "platform/backend.h"
#include "platform/frame_keeper.h"
#include "platform/headless/script.h"
#include "platform/input_poster.h"

namespace platform::headless {

class ScriptRunner {
 public:
  ScriptRunner(std::vector<ScriptStep> steps, const FrameKeeper* frames)
      : steps_(std::move(steps)), frames_(frames) {}

  // Runs steps until one must wait for frames or the script has ended (then
  // posts the closing request, once). Returns true when it posted messages.
  bool Advance(uint32_t now_ms);
  // Called at the end of every frame (and for the time a waiting program
  // lets pass) with the clock after the frame.
  void FrameEnded(uint32_t now_ms);

  bool Blocked() const { return frames_left_ > 0 || waiting_; }
  bool Finished() const { return next_ >= steps_.size() && !Blocked(); }
  // The answer for the next message box, if the script gave one.
  std::optional<MessageBoxAnswer> TakeAnswer();
  const InputPoster& Poster() const { return poster_; }

 private:
  bool Run(const ScriptStep& step, uint32_t now_ms);

  std::vector<ScriptStep> steps_;
  const FrameKeeper* frames_;
  InputPoster poster_;
  size_t next_ = 0;
  uint32_t frames_left_ = 0;
  bool waiting_ = false;
  uint32_t wait_start_ms_ = 0;
  uint32_t wait_ms_ = 0;
  bool end_closed_ = false;
  bool last_was_close_ = false;
  std::deque<MessageBoxAnswer> answers_;
};

}  // namespace platform::headless
