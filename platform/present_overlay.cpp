// Presentation through the overlay: the presented rectangle is copied, the
// overlay draws on the copy, and the backend shows and keeps the copy.
#include "platform/frame_keeper.h"
#include "platform/platform.h"

namespace platform {
namespace {

struct OverlayState {
  FrameOverlay* overlay = nullptr;
  FrameKeeper copy;
};

OverlayState& State() {
  static OverlayState state;
  return state;
}

}  // namespace

void SetFrameOverlay(FrameOverlay* overlay) {
  State().overlay = overlay;
}

void PresentFrame(const Surface& back, const Rect& source) {
  Backend& backend = CurrentBackend();
  FrameOverlay* overlay = State().overlay;
  const bool covers_pixels = source.left < back.Width() && source.top < back.Height() &&
                             source.right > 0 && source.bottom > 0 && !source.Empty();
  if (overlay == nullptr || !covers_pixels || !overlay->Active()) {
    backend.Present(back, source);
    return;
  }
  FrameKeeper& copy = State().copy;
  copy.Keep(back, source);
  Surface* frame = copy.MutableFrame();
  overlay->Draw(*frame);
  backend.Present(*frame, {0, 0, frame->Width(), frame->Height()});
}

}  // namespace platform
