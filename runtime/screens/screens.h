// The player's screens: asset loading, the story screen, and the logo, title
// and ending screens. Every screen is a function of the main loop's table
// (runtime/shell/shell.h); the tables and flags below are the state they
// share.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/project/project_file.h"
#include "runtime/project/project_model.h"

// ---- Asset tables, filled once by the loading screen. Entry 0 is never
// filled: list number 0 means none.
inline constexpr int kAssetTableSize = project::kListEntries;  // 200
extern int mousebmp;   // "lyout\mouse.bmp", the pointer picture (13 x 21)
extern int titlebmp;   // "lyout\title.bmp"
extern int screenbmp;  // "lyout\bback.bmp", backdrop of slot 7
extern int lyoutbmp;   // "lyout\fback.bmp", window frame of slot 3
extern std::array<int, kAssetTableSize> hitobmp;    // person pictures
extern std::array<int, kAssetTableSize> mainbmp;    // front pictures
extern std::array<int, kAssetTableSize> backbmp;    // back pictures
extern std::array<int, kAssetTableSize> itembmp;    // item pictures
extern std::array<int, kAssetTableSize> effectwav;  // sound numbers (-1: failed)
// Speaker names, cut at their first "+"; entry 0 is the empty name.
extern std::array<const char*, kAssetTableSize> hitoname;

// Polling states of the left and right button for the current frame.
extern int KeyClick;
extern int KeyClickR;

// The ending screen's line: the project's own name and where it lives.
inline constexpr char kEndingLine[] = "aoat player - /usr/share/doc/aoat-player";

// ---- Screens, by number: 0 ending, 1 logo, 2 loading, 3 title, 4 story.
void MainEndScreen();
void Main1Screen();
void Main2Screen();
void Main3Screen();
void Main4Screen();

// ---- Loading
// Cuts a speaker name at its first single-byte "+" within its first 40
// bytes; double-byte characters are stepped over whole.
void returnserch(char* msg);

namespace runtime {

// Draws the pointer picture at the pointer: its top-left 13 x 21 pixels, keyed.
void DrawPointer();

}  // namespace runtime
