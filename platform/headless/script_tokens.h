// The words of a headless script line and the values they stand for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/messages.h"

namespace platform::headless {

bool IsSpace(char c);
std::string_view Trim(std::string_view s);
std::vector<std::string_view> Split(std::string_view s);
// A token as it may be shown in an error message: printable and short.
std::string Shown(std::string_view token);
// A whole number of `base` from 0 to `max`, nothing else in the token.
std::optional<uint32_t> ParseUnsigned(std::string_view token, int base, uint32_t max);
// A decimal whole number from `low` to `high`, with an optional sign.
std::optional<int> ParseSigned(std::string_view token, int low, int high);
// A controller button by its script name ("a", "leftshoulder", "dpup", ...).
std::optional<PadButton> ParsePadButton(std::string_view name);

}  // namespace platform::headless
