// `aoat lint` and `aoat graph`.
#include <filesystem>
#include <memory>
#include <optional>

#include "tools/cli/arguments.h"
#include "tools/cli/commands.h"
#include "tools/cli/help.h"
#include "tools/cli/output.h"
#include "tools/graph/graph.h"
#include "tools/lint/lint.h"

namespace cli {
namespace {

// A game folder, or the folder of a data.aoat given by its path.
std::string GameFolderOf(const std::string& input) {
  std::error_code ec;
  if (std::filesystem::is_directory(input, ec)) return input;
  const auto parent = std::filesystem::path(input).parent_path();
  return parent.empty() ? "." : parent.string();
}

// A project file, or the data.aoat of a folder.
std::string ProjectFileOf(const std::string& input) {
  std::error_code ec;
  if (std::filesystem::is_directory(input, ec))
    return (std::filesystem::path(input) / "data.aoat").string();
  return input;
}

std::string SvgPathFor(const std::string& dot_path) {
  std::filesystem::path path(dot_path);
  path.replace_extension(".svg");
  return path.string();
}

}  // namespace

int LintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto parsed = ParseArguments("lint", args, {}, false, err);
  if (!parsed) return kExitUsage;
  if (parsed->help) {
    out << kLintHelp;
    return kExitOk;
  }
  const std::string folder = GameFolderOf(parsed->input);
  const lint::FileLookup lookup = lint::PlayerLookup(folder);
  std::error_code ec;
  const bool folder_given = std::filesystem::is_directory(parsed->input, ec);
  const auto data_path =
      folder_given ? lookup("data.aoat") : std::optional<std::string>(parsed->input);
  if (!data_path) {
    err << folder << ": error: there is no data.aoat in the folder\n";
    return kExitFailure;
  }
  FileContents file;
  if (!ReadInput(*data_path, project::kFileSize, &file, err)) return kExitFailure;
  const auto* bytes = reinterpret_cast<const uint8_t*>(file.bytes.data());
  // The size check sees the whole size; the checks see what the player reads.
  const auto findings = lint::LintImage({bytes, file.bytes.size()}, file.size, lookup);
  ListDiagnostics(*data_path, findings, out);
  const int errors = story_source::CountSeverity(findings, story_source::Severity::kError);
  const int warnings = story_source::CountSeverity(findings, story_source::Severity::kWarning);
  out << "aoat lint: " << errors << (errors == 1 ? " error, " : " errors, ") << warnings
      << (warnings == 1 ? " warning\n" : " warnings\n");
  return errors > 0 ? kExitFailure : kExitOk;
}

int GraphCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto parsed = ParseArguments("graph", args, {"--no-svg"}, true, err);
  if (!parsed) return kExitUsage;
  if (parsed->help) {
    out << kGraphHelp;
    return kExitOk;
  }
  FileContents file;
  if (!ReadProjectFile(ProjectFileOf(parsed->input), &file, err)) return kExitFailure;
  auto data = std::make_unique<project::ProjectData>();
  project::Decode({reinterpret_cast<const uint8_t*>(file.bytes.data()), file.bytes.size()},
                  data.get());
  const std::string dot = graph::StoryDot(*data);
  const std::string output = parsed->output.value_or("-");
  if (!WriteOutput(output, dot, out, err)) return kExitFailure;
  if (output == "-" || parsed->flags.count("--no-svg") != 0) return kExitOk;
  std::string error;
  if (!graph::RenderSvg(output, SvgPathFor(output), &error))
    err << "aoat graph: no SVG drawn: " << error << "\n";
  return kExitOk;
}

}  // namespace cli
