#include "platform/display_drivers.h"

#include <algorithm>

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

bool VideoDriverAcceptable(const char* driver, const char* requested) {
  if (driver == nullptr) return false;
  const std::string_view name(driver);
  if (name != "offscreen" && name != "dummy") return true;
  if (requested == nullptr) return false;
  std::string_view list(requested);
  while (!list.empty()) {
    const size_t comma = std::min(list.find(','), list.size());
    if (list.substr(0, comma) == name) return true;
    list.remove_prefix(std::min(comma + 1, list.size()));
  }
  return false;
}

}  // namespace platform
