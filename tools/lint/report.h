// Helpers shared by the checks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/encoding.h"
#include "tools/story_source/diagnostics.h"

namespace lint {

inline void Report(std::vector<story_source::Diagnostic>* out, story_source::Severity severity,
                   std::string where, std::string message, int page = -1, int line = -1) {
  story_source::Diagnostic d;
  d.severity = severity;
  d.where = std::move(where);
  d.message = std::move(message);
  d.page = page;
  d.line = line;
  out->push_back(std::move(d));
}

// A stored text quoted for a message, in UTF-8 and cut after `max_chars` characters.
// (Appended piece by piece: GCC 12 takes a literal added to a temporary
// string for an overlapping copy at -O2, -Wrestrict.)
inline std::string Shown(std::string_view sjis, size_t max_chars = 40) {
  const std::string utf8 = platform::Cp932ToUtf8(sjis);
  size_t kept = utf8.size();
  size_t chars = 0;
  for (size_t i = 0; i < utf8.size() && kept == utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
    if (chars++ == max_chars) kept = i;
  }
  std::string shown = "\"";
  shown.append(utf8, 0, kept);
  if (kept < utf8.size()) shown += "…";
  shown += '"';
  return shown;
}

}  // namespace lint
