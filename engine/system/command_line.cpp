// The program's command line, kept for a host program that wants it. The
// start-up copies it into _CommandLine, cut to the buffer between characters.
#include "engine/el.h"

char* elSystem::Parameter() {
  return _CommandLine;
}
