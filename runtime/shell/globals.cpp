// Globals of the runtime shared by its screens and the window procedure.
#include "runtime/shell/shell.h"

char MciBuffer[32] = {};
int kovadinebmp = 0;
int kovadine2bmp = 0;
