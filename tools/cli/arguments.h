// The arguments of one command: one input, an optional output, and flags.
#pragma once

#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct Arguments {
  std::string input;
  std::optional<std::string> output;  // "-o FILE", "--output FILE", "--output=FILE"
  std::set<std::string> flags;
  bool help = false;
};

// Parses `args` for a command that knows the flags in `known_flags`. On a
// usage error writes it to `err` and returns nullopt.
std::optional<Arguments> ParseArguments(std::string_view command,
                                        const std::vector<std::string>& args,
                                        const std::set<std::string>& known_flags, bool takes_output,
                                        std::ostream& err);

}  // namespace cli
