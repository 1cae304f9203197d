#include "tools/cli/output.h"

#include <algorithm>

#include "runtime/project/project_file.h"

namespace cli {

bool ReadInput(const std::string& path, uint64_t max_bytes, FileContents* contents,
               std::ostream& err) {
  std::string error;
  if (ReadFile(path, max_bytes, contents, &error)) return true;
  err << path << ": error: " << error << "\n";
  return false;
}

bool ReadProjectFile(const std::string& path, FileContents* contents, std::ostream& err) {
  if (!ReadInput(path, project::kFileSize + 1, contents, err)) return false;
  if (contents->size == project::kFileSize) return true;
  err << path << ": error: the file is " << contents->size << " bytes; a project file is exactly "
      << project::kFileSize << " bytes (aoat lint tells how the player reads it)\n";
  return false;
}

void ListDiagnostics(std::string_view file, const std::vector<story_source::Diagnostic>& all,
                     std::ostream& to) {
  const size_t listed = std::min(all.size(), kMaxListedDiagnostics);
  for (size_t i = 0; i < listed; ++i) to << story_source::FormatDiagnostic(file, all[i]) << "\n";
  if (all.size() > listed)
    to << file << ": " << all.size() - listed << " more errors and warnings, not listed\n";
}

bool WriteOutput(const std::string& path, std::string_view bytes, std::ostream& out,
                 std::ostream& err) {
  if (path == "-") {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
  }
  std::string error;
  if (WriteFileAtomically(path, bytes, &error)) return true;
  err << path << ": error: cannot write: " << error << "\n";
  return false;
}

}  // namespace cli
