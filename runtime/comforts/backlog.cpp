#include "runtime/comforts/backlog.h"

#include <cstdint>

namespace comforts {

void Backlog::Add(BacklogLine line) {
  lines_.push_back(std::move(line));
  if (lines_.size() > kMaxLines) lines_.pop_front();
  // An open list keeps showing the same lines.
  if (open_ && scroll_ + 1 < lines_.size()) ++scroll_;
}

void Backlog::Open() {
  open_ = true;
  scroll_ = 0;
}

bool Backlog::ScrollOlder(int lines) {
  const int64_t last = lines_.empty() ? 0 : static_cast<int64_t>(lines_.size()) - 1;
  const int64_t wanted = static_cast<int64_t>(scroll_) + lines;
  scroll_ = static_cast<size_t>(wanted < 0 ? 0 : wanted > last ? last : wanted);
  return wanted >= 0;
}

}  // namespace comforts
