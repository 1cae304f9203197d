#include "platform/headless/script_tokens.h"

#include <charconv>

namespace platform::headless {
namespace {

constexpr size_t kMaxShownToken = 40;

}  // namespace

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> Split(std::string_view s) {
  std::vector<std::string_view> tokens;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && IsSpace(s[i])) ++i;
    const size_t start = i;
    while (i < s.size() && !IsSpace(s[i])) ++i;
    if (i > start) tokens.push_back(s.substr(start, i - start));
  }
  return tokens;
}

// A token as it may be shown in an error message: printable and short.
std::string Shown(std::string_view token) {
  std::string out;
  for (const char c : token.substr(0, kMaxShownToken)) {
    const auto u = static_cast<unsigned char>(c);
    out.push_back(u >= 0x20 && u < 0x7F ? c : '?');
  }
  if (token.size() > kMaxShownToken) out += "...";
  return out;
}

std::optional<uint32_t> ParseUnsigned(std::string_view token, int base, uint32_t max) {
  if (token.empty()) return std::nullopt;
  uint32_t value = 0;
  const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value, base);
  if (ec != std::errc() || end != token.data() + token.size() || value > max) return std::nullopt;
  return value;
}

std::optional<int> ParseSigned(std::string_view token, int low, int high) {
  int value = 0;
  const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (token.empty() || ec != std::errc() || end != token.data() + token.size() || value < low ||
      value > high)
    return std::nullopt;
  return value;
}

std::optional<PadButton> ParsePadButton(std::string_view name) {
  static constexpr std::pair<std::string_view, PadButton> kNames[] = {
      {"a", PadButton::kA},
      {"b", PadButton::kB},
      {"x", PadButton::kX},
      {"y", PadButton::kY},
      {"back", PadButton::kBack},
      {"start", PadButton::kStart},
      {"leftshoulder", PadButton::kLeftShoulder},
      {"rightshoulder", PadButton::kRightShoulder},
      {"dpup", PadButton::kDpadUp},
      {"dpdown", PadButton::kDpadDown},
      {"dpleft", PadButton::kDpadLeft},
      {"dpright", PadButton::kDpadRight},
  };
  for (const auto& [text, button] : kNames)
    if (text == name) return button;
  return std::nullopt;
}

}  // namespace platform::headless
