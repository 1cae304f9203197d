// The music device's status query of the end-of-song check.
#include "runtime/runtime.h"

namespace runtime {

void QueryMidiMode(char* reply, size_t size) {
  if (size == 0) return;
  reply[0] = '\0';
}

}  // namespace runtime
