// The last presented frame, kept by a backend for screenshots.
#pragma once

#include <memory>
#include <string>

#include "platform/surface.h"

namespace platform {

class FrameKeeper {
 public:
  // Copies the `source` rectangle of `back` (clipped to it).
  void Keep(const Surface& back, const Rect& source);
  // The kept frame, or nullptr before the first presentation.
  const Surface* Frame() const { return frame_.get(); }
  // Writes the kept frame as PNG; before the first presentation a black
  // 640 x 480 picture.
  bool WritePng(const std::string& path, std::string* error) const;

 private:
  std::unique_ptr<Surface> frame_;
};

}  // namespace platform
