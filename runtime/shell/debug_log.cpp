#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/file_writing.h"
#include "platform/platform.h"
#include "runtime/shell/shell.h"

void DEBUG(const char* Format, ...) {
  // The log lands where the program may write: the save folder.
  va_list args;
  va_start(args, Format);
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, Format, measure);
  va_end(measure);
  if (length < 0) {
    va_end(args);
    return;
  }
  std::vector<char> text(static_cast<size_t>(length) + 1);
  std::vsnprintf(text.data(), text.size(), Format, args);
  va_end(args);
  std::string line(text.data(), static_cast<size_t>(length));
  line.push_back('\n');
  platform::AppendToFile(platform::SaveFolder() + "DEBUG.TXT", line);
}
