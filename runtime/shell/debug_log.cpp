#include <cstdarg>
#include <cstdio>
#include <string>

#include "platform/platform.h"
#include "runtime/shell/shell.h"

void DEBUG(const char* Format, ...) {
  // The log lands where the program may write: the save folder (the game
  // folder unless that is read-only).
  const std::string path = platform::SaveFolder() + "DEBUG.TXT";
  std::FILE* file = std::fopen(path.c_str(), "a");
  if (file == nullptr) return;
  va_list args;
  va_start(args, Format);
  std::vfprintf(file, Format, args);
  va_end(args);
  std::fputs("\n", file);
  std::fclose(file);
}
