// The last presented frame, kept by a backend for screenshots and to tell
// whether the next frame shows anything new.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace platform {

class FrameKeeper {
 public:
  // Copies the `source` rectangle of `back` (clipped to it). True when the
  // kept frame changed: its first frame, another size or format, or other
  // pixels; rows that are equal are not copied again.
  bool Keep(const Surface& back, const Rect& source);
  // The kept frame, or nullptr before the first presentation.
  const Surface* Frame() const { return frame_.get(); }
  Surface* MutableFrame() { return frame_.get(); }
  // The kept frame as PNG bytes; before the first presentation a black
  // 640 x 480 picture.
  bool EncodePng(std::vector<uint8_t>* png, std::string* error) const;
  // The same written to `path`, replacing what is there.
  bool WritePng(const std::string& path, std::string* error) const;

 private:
  std::unique_ptr<Surface> frame_;
};

}  // namespace platform
