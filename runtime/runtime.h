// The adventure runtime's skeleton: start-up, the window procedure, the main
// loop and the screen dispatch.
#pragma once

#include <cstdint>

// Appends one formatted line to "DEBUG.TXT" in the save folder; nothing
// happens when the file cannot be opened.
void DEBUG(const char* Format, ...) __attribute__((format(printf, 1, 2)));
