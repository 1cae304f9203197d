#include "tools/cli/arguments.h"

namespace cli {

std::optional<Arguments> ParseArguments(std::string_view command,
                                        const std::vector<std::string>& args,
                                        const std::set<std::string>& known_flags, bool takes_output,
                                        std::ostream& err) {
  Arguments parsed;
  const auto fail = [&](const std::string& message) {
    err << "aoat " << command << ": " << message << " (see aoat " << command << " --help)\n";
    return std::nullopt;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-h" || arg == "--help") {
      parsed.help = true;
    } else if (takes_output && (arg == "-o" || arg == "--output")) {
      if (i + 1 >= args.size()) return fail(arg + " needs a file name");
      parsed.output = args[++i];
    } else if (takes_output && arg.rfind("--output=", 0) == 0) {
      parsed.output = arg.substr(9);
    } else if (known_flags.count(arg) != 0) {
      parsed.flags.insert(arg);
    } else if (arg.size() > 1 && arg[0] == '-') {
      return fail("unknown option " + arg);
    } else if (parsed.input.empty()) {
      parsed.input = arg;
    } else {
      return fail("one input only; " + arg + " is one too many");
    }
  }
  if (!parsed.help && parsed.input.empty()) return fail("an input is missing");
  return parsed;
}

}  // namespace cli
