// Errors and warnings of the story tools, with their place: a line and column
// of the story source where there is one, and the place in the story (page,
// line, list entry) in words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace story_source {

enum class Severity { kWarning, kError };

// 1-based line and column (in characters) of a story source; 0 = none.
struct SourcePosition {
  int line = 0;
  int column = 0;
};

struct Diagnostic {
  Severity severity = Severity::kError;
  SourcePosition position;
  std::string where;  // "page 3 (intro), line 2", "assets.sounds entry 4", ...
  std::string message;
  int page = -1;  // the page concerned, -1 for none
  int line = -1;  // the message line (0-9) or choice record (10-13), -1 for none
};

// "FILE:LINE:COLUMN: error: WHERE: MESSAGE", leaving out the parts there are none of.
std::string FormatDiagnostic(std::string_view file, const Diagnostic& diagnostic);
bool HasErrors(const std::vector<Diagnostic>& diagnostics);
int CountSeverity(const std::vector<Diagnostic>& diagnostics, Severity severity);

// "page 3" or "page 3 (intro)".
std::string PagePlace(int page, std::string_view name = {});
// "page 3, line 2" for lines 0-9, "page 3, choice 1" for records 10-13.
std::string LinePlace(int page, int line, std::string_view name = {});

}  // namespace story_source
