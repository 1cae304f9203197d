#include "platform/frame_keeper.h"

#include <algorithm>
#include <cstring>

namespace platform {

bool FrameKeeper::Keep(const Surface& back, const Rect& source) {
  const Rect clipped{std::max(source.left, 0), std::max(source.top, 0),
                     std::min(source.right, back.Width()), std::min(source.bottom, back.Height())};
  if (clipped.Empty()) return false;
  bool changed = false;
  if (!frame_ || frame_->Width() != clipped.Width() || frame_->Height() != clipped.Height() ||
      !(frame_->Format() == back.Format())) {
    frame_ = std::make_unique<Surface>(clipped.Width(), clipped.Height(), back.Format());
    changed = true;
  }
  const size_t row_bytes = static_cast<size_t>(clipped.Width()) * back.Format().BytesPerPixel();
  for (int y = 0; y < clipped.Height(); ++y) {
    const uint8_t* from = back.Row(clipped.top + y) +
                          static_cast<size_t>(clipped.left) * back.Format().BytesPerPixel();
    if (!changed && std::memcmp(frame_->Row(y), from, row_bytes) == 0) continue;
    std::memcpy(frame_->Row(y), from, row_bytes);
    changed = true;
  }
  return changed;
}

}  // namespace platform
