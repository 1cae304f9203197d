// What the comforts see of the story, read at the end of every frame and
// never written: the line a frame composed (its place, the speaker and the
// text rows the message slot showed), and the choices appearing.
#pragma once

#include <optional>
#include <string>

#include "runtime/comforts/backlog.h"

namespace comforts {

struct ShownLine {
  int page = 0;
  int line = 0;
  // False when the page's message slot is hidden: the line had no text.
  bool text_shown = false;
  BacklogLine text;
};

class StoryWatch {
 public:
  // Called at the end of every frame. A line becomes current in one frame
  // and is composed (and presented) in the next, which may also move on at
  // once; so what the frame composed is known from how the frame before it
  // ended.
  std::optional<ShownLine> FrameEnded();
  // True in the frame end after the choices came up.
  bool ChoicesAppeared() const { return choices_appeared_; }
  // The line the story shows now, once it has been composed.
  std::optional<ShownLine> Current() const { return current_; }
  // Forgets what it saw (a new run of the story screen).
  void Reset();

 private:
  struct Pending {
    int page = 0;
    int line = 0;
    bool text_shown = false;
    std::string speaker;
  };
  std::optional<Pending> pending_;
  std::optional<ShownLine> current_;
  int last_select_ = 0;
  bool choices_appeared_ = false;
};

// The story screen runs now (its number).
bool OnStoryScreen();
// The line the story is at has been composed and shows.
bool LineComposed();

}  // namespace comforts
