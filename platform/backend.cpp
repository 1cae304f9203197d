#include "platform/backend.h"

#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

namespace platform {
namespace {

std::unique_ptr<Backend>& Installed() {
  static std::unique_ptr<Backend> backend;
  return backend;
}

}  // namespace

void InstallBackend(std::unique_ptr<Backend> backend) {
  ResetClockPauses();
  Installed() = std::move(backend);
}

Backend& CurrentBackend() {
  if (!Installed()) {
    std::fputs("aoat: no platform backend installed\n", stderr);
    std::abort();
  }
  return *Installed();
}

bool HasBackend() {
  return Installed() != nullptr;
}

void ResetBackend() {
  Installed().reset();
}

}  // namespace platform
