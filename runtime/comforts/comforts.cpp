#include "runtime/comforts/comforts.h"

#include <memory>

#include "platform/platform.h"
#include "runtime/comforts/controller.h"
#include "runtime/shell/shell.h"

namespace comforts {
namespace {

std::unique_ptr<Controller>& Installed() {
  static std::unique_ptr<Controller> controller;
  return controller;
}

bool FilterMessage(const platform::Message& message) {
  return Installed() ? Installed()->Filter(message) : true;
}

void ObserveFrame() {
  if (Installed()) Installed()->FrameEnded();
}

}  // namespace

void Install(const ComfortOptions& options) {
  Uninstall();
  Installed() = std::make_unique<Controller>(options);
  platform::SetMessageFilter(&FilterMessage);
  runtime::SetFrameObserver(&ObserveFrame);
  platform::SetFrameOverlay(&Installed()->FrameOverlay());
}

void Uninstall() {
  if (!Installed()) return;
  Installed()->Finish();
  platform::SetMessageFilter(nullptr);
  runtime::SetFrameObserver(nullptr);
  platform::SetFrameOverlay(nullptr);
  ApplyLevels(Levels{});
  Installed().reset();
}

}  // namespace comforts
