#include "platform/display_drivers.h"

namespace platform {
namespace {

std::vector<DisplayDriverInfo> SoftwareDisplay() {
  return {{"Software display", "display", {false, true}, {false, true}, false}};
}

std::vector<DisplayDriverInfo>& Drivers() {
  static std::vector<DisplayDriverInfo> drivers = SoftwareDisplay();
  return drivers;
}

}  // namespace

std::span<const DisplayDriverInfo> DisplayDrivers() {
  return Drivers();
}
void SetDisplayDrivers(std::vector<DisplayDriverInfo> drivers) {
  Drivers() = std::move(drivers);
}
void ResetDisplayDrivers() {
  Drivers() = SoftwareDisplay();
}

}  // namespace platform
