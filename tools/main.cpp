// The `aoat` authoring tool: build, dump, lint and graph.
#include <iostream>
#include <string>
#include <vector>

#include "tools/cli/commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return cli::Run(args, std::cout, std::cerr);
}
