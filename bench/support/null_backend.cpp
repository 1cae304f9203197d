#include "bench/support/null_backend.h"

#include <cstdio>
#include <cstdlib>

#include "engine/draw/internal/draw.h"
#include "platform/null_backend.h"

namespace bench_support {
namespace {

int SixteenBits() {
  return 16;
}

}  // namespace

void OpenDisplay() {
  platform::InstallBackend(std::make_unique<platform::NullBackend>());
  _FullScreen = 0;
  if (const auto failure = el::draw::OpenDisplay(640, 480, 1, &SixteenBits)) {
    std::fprintf(stderr, "display: %s\n", failure->message);
    std::exit(1);
  }
}

}  // namespace bench_support
