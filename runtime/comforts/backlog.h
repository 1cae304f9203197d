// The backlog: the lines shown so far in this run, as the message slot showed
// them (the speaker's name and up to four text rows), oldest first, and the
// scroll position of the open list.
#pragma once

#include <array>
#include <deque>
#include <string>

namespace comforts {

struct BacklogLine {
  std::string speaker;              // Shift-JIS; empty when nobody speaks
  std::array<std::string, 4> rows;  // Shift-JIS, as the message slot split them
  int row_count = 0;
};

class Backlog {
 public:
  static constexpr size_t kMaxLines = 1000;

  // Adds the newest line; past kMaxLines the oldest goes.
  void Add(BacklogLine line);
  size_t Size() const { return lines_.size(); }
  // Line `i` counted from the newest (0 = newest).
  const BacklogLine& FromNewest(size_t i) const { return lines_[lines_.size() - 1 - i]; }

  bool IsOpen() const { return open_; }
  // Opens at the newest line.
  void Open();
  void Close() { open_ = false; }

  // The newest line shown at the bottom of the list, counted from the newest.
  size_t Scroll() const { return scroll_; }
  // Scrolls `lines` towards older lines (negative: newer), within the list.
  // False when it was asked to go past the newest line.
  bool ScrollOlder(int lines);

 private:
  std::deque<BacklogLine> lines_;
  bool open_ = false;
  size_t scroll_ = 0;
};

}  // namespace comforts
