#include "platform/resources.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <utility>

namespace platform {
namespace {

std::string Upper(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return out;
}

using Key = std::pair<std::string, std::string>;

// A function-local table, so that static registrations in other translation
// units find it constructed.
std::map<Key, std::span<const uint8_t>>& Table() {
  static std::map<Key, std::span<const uint8_t>> table;
  return table;
}

}  // namespace

void RegisterResource(std::string_view type, std::string_view name, std::span<const uint8_t> data) {
  Table()[{Upper(type), Upper(name)}] = data;
}

void UnregisterResource(std::string_view type, std::string_view name) {
  Table().erase({Upper(type), Upper(name)});
}

std::optional<std::span<const uint8_t>> FindResource(std::string_view type, std::string_view name) {
  const auto it = Table().find({Upper(type), Upper(name)});
  if (it == Table().end()) return std::nullopt;
  return it->second;
}

}  // namespace platform
