// The `aoat` command line: build, dump, lint and graph. The commands run
// in-process on the given streams, so tests call them directly.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// Exit status: 0 done, 1 errors found or bad input, 2 wrong usage.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// `args` are the words after the program name.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

int BuildCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int DumpCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int LintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int GraphCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cli
