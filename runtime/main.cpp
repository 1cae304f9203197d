// The player program: parses the command line, installs a platform backend and
// runs the adventure.
#include <cstdio>

int main() {
  std::puts("aoat-player");
  return 0;
}
