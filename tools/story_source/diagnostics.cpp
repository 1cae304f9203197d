#include "tools/story_source/diagnostics.h"

#include <algorithm>

#include "runtime/project/project_file.h"

namespace story_source {

std::string FormatDiagnostic(std::string_view file, const Diagnostic& diagnostic) {
  std::string text(file);
  if (diagnostic.position.line > 0) {
    text += ':' + std::to_string(diagnostic.position.line) + ':' +
            std::to_string(diagnostic.position.column);
  }
  text += diagnostic.severity == Severity::kError ? ": error: " : ": warning: ";
  if (!diagnostic.where.empty()) text += diagnostic.where + ": ";
  text += diagnostic.message;
  return text;
}

bool HasErrors(const std::vector<Diagnostic>& diagnostics) {
  return CountSeverity(diagnostics, Severity::kError) > 0;
}

int CountSeverity(const std::vector<Diagnostic>& diagnostics, Severity severity) {
  return static_cast<int>(
      std::count_if(diagnostics.begin(), diagnostics.end(),
                    [&](const Diagnostic& d) { return d.severity == severity; }));
}

std::string PagePlace(int page, std::string_view name) {
  std::string text = "page " + std::to_string(page);
  if (!name.empty()) text += " (" + std::string(name) + ")";
  return text;
}

std::string LinePlace(int page, int line, std::string_view name) {
  if (line >= project::kMessageLines)
    return PagePlace(page, name) + ", choice " + std::to_string(line - project::kMessageLines + 1);
  return PagePlace(page, name) + ", line " + std::to_string(line);
}

}  // namespace story_source
