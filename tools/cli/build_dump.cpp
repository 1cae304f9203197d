// `aoat build` and `aoat dump`.
#include "runtime/project/project_file.h"
#include "tools/cli/arguments.h"
#include "tools/cli/commands.h"
#include "tools/cli/files.h"
#include "tools/cli/help.h"
#include "tools/cli/output.h"
#include "tools/story_source/build.h"
#include "tools/story_source/dump.h"

namespace cli {

int BuildCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto parsed = ParseArguments("build", args, {}, true, err);
  if (!parsed) return kExitUsage;
  if (parsed->help) {
    out << kBuildHelp;
    return kExitOk;
  }
  FileContents source;
  if (!ReadInput(parsed->input, kMaxStoryBytes, &source, err)) return kExitFailure;
  if (source.size > kMaxStoryBytes) {
    err << parsed->input << ": error: the story source is larger than " << kMaxStoryBytes
        << " bytes\n";
    return kExitFailure;
  }
  const story_source::BuildResult result = story_source::BuildStory(source.bytes);
  ListDiagnostics(parsed->input, result.diagnostics, err);
  if (!result.ok) {
    const int errors =
        story_source::CountSeverity(result.diagnostics, story_source::Severity::kError);
    err << "aoat build: " << errors << (errors == 1 ? " error" : " errors")
        << "; nothing written\n";
    return kExitFailure;
  }
  const std::string_view image(reinterpret_cast<const char*>(result.image.data()),
                               result.image.size());
  return WriteOutput(parsed->output.value_or("data.aoat"), image, out, err) ? kExitOk
                                                                            : kExitFailure;
}

int DumpCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto parsed = ParseArguments("dump", args, {}, true, err);
  if (!parsed) return kExitUsage;
  if (parsed->help) {
    out << kDumpHelp;
    return kExitOk;
  }
  FileContents file;
  if (!ReadProjectFile(parsed->input, &file, err)) return kExitFailure;
  const auto* bytes = reinterpret_cast<const uint8_t*>(file.bytes.data());
  const std::string text =
      story_source::FormatJson(story_source::DumpStory({bytes, file.bytes.size()}));
  return WriteOutput(parsed->output.value_or("-"), text, out, err) ? kExitOk : kExitFailure;
}

}  // namespace cli
