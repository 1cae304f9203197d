// Input and output of the commands, with their errors reported the same way.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/cli/files.h"
#include "tools/story_source/diagnostics.h"

namespace cli {

// Story sources larger than this are refused.
inline constexpr uint64_t kMaxStoryBytes = 64ull << 20;

// Reads a file; on failure reports "PATH: error: REASON" and returns false.
bool ReadInput(const std::string& path, uint64_t max_bytes, FileContents* contents,
               std::ostream& err);
// Reads a project file and refuses one that is not exactly the full size.
bool ReadProjectFile(const std::string& path, FileContents* contents, std::ostream& err);
// Past this many, errors and warnings are counted, not listed: a source
// broken throughout would bury the first ones, which matter most.
inline constexpr size_t kMaxListedDiagnostics = 100;

// The diagnostics of `file`, one a line, the first kMaxListedDiagnostics of
// them, then how many more there are.
void ListDiagnostics(std::string_view file, const std::vector<story_source::Diagnostic>& all,
                     std::ostream& to);
// Writes to a file, or to `out` for "-".
bool WriteOutput(const std::string& path, std::string_view bytes, std::ostream& out,
                 std::ostream& err);

}  // namespace cli
