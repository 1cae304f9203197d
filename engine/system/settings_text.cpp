// The text of the small settings files: a number, or one folder line. Both
// files may hold anything; these never read outside the text and never fail.
#include <climits>
#include <cstdint>

#include "engine/system/internal/sjis_text.h"
#include "engine/system/internal/system.h"

namespace el::system {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

constexpr size_t kInstallDirectoryBytes = 255;

}  // namespace

std::optional<int> ParseSettingsNumber(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    negative = text[pos] == '-';
    ++pos;
  }
  if (pos >= text.size() || !IsDigit(text[pos])) return std::nullopt;
  // Accumulated as a magnitude that stops growing past the int range.
  constexpr int64_t kLimit = static_cast<int64_t>(INT_MAX) + 1;
  int64_t magnitude = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    magnitude = magnitude * 10 + (text[pos] - '0');
    if (magnitude > kLimit) magnitude = kLimit;
  }
  if (negative) return static_cast<int>(-magnitude);
  return static_cast<int>(magnitude > INT_MAX ? INT_MAX : magnitude);
}

std::string InstallFolderFromLine(std::string_view line) {
  // A line end written on Windows arrives as CR LF: both belong to it.
  if (!line.empty() && line.back() == '\n') {
    line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  }
  // Only a separator of its own: in Shift-JIS the trail byte of a
  // double-byte character (such as the one of "表") can be a backslash.
  const size_t before_last = line.empty() ? 0 : line.size() - 1;
  if (!line.empty() && (line.back() == '\\' || line.back() == '/') &&
      WholeCharacterPrefix(line, before_last) == before_last)
    line.remove_suffix(1);
  return std::string(line.substr(0, WholeCharacterPrefix(line, kInstallDirectoryBytes)));
}

}  // namespace el::system
