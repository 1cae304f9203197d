// The engine's public interface, gathered: the seven static classes, their
// records and the globals that couple the engine to the program that runs on
// it. Each class has its own header in engine/el/, so a reader opens the one
// they work on; the program includes this one.
//
// Conventions kept throughout: operations return 1 for success and 0 for
// failure (sprite loaders return 0, sound loaders -1); texts are zero-terminated
// Shift-JIS bytes; colour values are 0x00BBGGRR; every table has a fixed size.
#pragma once

#include "engine/el/draw.h"
#include "engine/el/effect.h"
#include "engine/el/font.h"
#include "engine/el/globals.h"
#include "engine/el/joystick.h"
#include "engine/el/music.h"
#include "engine/el/records.h"
#include "engine/el/sound.h"
#include "engine/el/system.h"
