// Drawing the DOT file with Graphviz, when it is installed. The program is
// started directly (no shell), so file names need no quoting.
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "tools/graph/graph.h"

extern char** environ;

namespace graph {

bool RenderSvg(const std::string& dot_path, const std::string& svg_path, std::string* error) {
  std::vector<std::string> args = {"dot", "-Tsvg", dot_path, "-o", svg_path};
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, "dot", nullptr, nullptr, argv.data(), environ);
  if (spawned != 0) {
    *error = spawned == ENOENT ? "Graphviz (dot) is not installed" : std::strerror(spawned);
    return false;
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      *error = std::strerror(errno);
      return false;
    }
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    *error = "dot failed";
    return false;
  }
  return true;
}

}  // namespace graph
