// The program's command line, kept for a host program that wants it.
#include "engine/el.h"
#include "engine/system/internal/sjis_text.h"
#include "engine/system/internal/system.h"

namespace el::system {

void CopyCommandLine(std::string_view command_line) {
  CopyWholeCharacters(_CommandLine, command_line);
}

}  // namespace el::system

char* elSystem::Parameter() {
  return _CommandLine;
}
