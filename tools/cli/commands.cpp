#include "tools/cli/commands.h"

#include "tools/cli/help.h"

#ifndef AOAT_VERSION
#define AOAT_VERSION "0"
#endif

namespace cli {
namespace {

struct Command {
  std::string_view name;
  int (*run)(const std::vector<std::string>&, std::ostream&, std::ostream&);
  std::string_view help;
};

constexpr Command kCommands[] = {
    {"build", BuildCommand, kBuildHelp},
    {"dump", DumpCommand, kDumpHelp},
    {"lint", LintCommand, kLintHelp},
    {"graph", GraphCommand, kGraphHelp},
};

const Command* FindCommand(std::string_view name) {
  for (const auto& command : kCommands)
    if (command.name == name) return &command;
  return nullptr;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kMainHelp;
    return kExitUsage;
  }
  const std::string& first = args.front();
  if (first == "--help" || first == "-h") {
    out << kMainHelp;
    return kExitOk;
  }
  if (first == "--version") {
    out << "aoat " << AOAT_VERSION << "\n";
    return kExitOk;
  }
  if (first == "help") {
    if (args.size() < 2) {
      out << kMainHelp;
      return kExitOk;
    }
    if (const Command* command = FindCommand(args[1])) {
      out << command->help;
      return kExitOk;
    }
    err << "aoat: no command named " << args[1] << "\n";
    return kExitUsage;
  }
  const Command* command = FindCommand(first);
  if (command == nullptr) {
    err << "aoat: no command named " << first << " (see aoat --help)\n";
    return kExitUsage;
  }
  return command->run({args.begin() + 1, args.end()}, out, err);
}

}  // namespace cli
