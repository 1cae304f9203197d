// The player's screens: asset loading, the story screen with its composition,
// choices and menu, and the logo, title and ending screens. Every screen is a
// function of the main loop's table (runtime.h); the tables and flags below
// are the state they share.
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

// ---- Story advance
// Advances by one line or ends the page by its end type.
void selectfunc0();
// Arms the auto timer (wait slot 1) for the current page and mode.
void autospeedfunc();
// Picks the choice under the pointer, if any.
void selectfunc1();
// The menu's answer to a left click: 1 when the click was used.
uint8_t sysfunc();

namespace runtime {

// Goes to page `target`: line 0, song, picture and choices start afresh. A
// target outside 0..999 leaves the page where it is.
void GoToPage(int target);

// The layout the current page is drawn with.
const ScreenLayout& CurrentLayout();

// Draws the pointer picture at the pointer: its top-left 13 x 21 pixels, keyed.
void DrawPointer();

// Composition of the current line into the back buffer and sprite 0, and the
// per-frame redraw of that cache (story screen step 3).
void ComposeLine(const ScreenLayout& layout);
void DrawCachedLine();

// Overlays of the story screen.
void DrawChoices(const ScreenLayout& layout);
void DrawSystemMenu(const ScreenLayout& layout);

// Row rectangle tests of the choice box and the menu, shared by drawing and
// clicking so that both always agree.
bool PointInChoiceRow(const SCREENPRM& slot, int row, int x, int y);
bool PointInMenuEntry(const SCREENPRM& slot, int entry, int x, int y);

// ---- Save and load of s.dat in the save folder.
inline constexpr char kSaveFileName[] = "s.dat";
inline constexpr size_t kSaveFileSize = 1816;
// Writes the story state; false (and the previous save untouched) on any
// failure.
bool SaveGame();
// Reads the story state; false when there is no file or what it holds is out
// of range, in which case nothing is applied.
bool LoadGame();

// Starts song `number` of the project looping (the "midi\" path the loading
// screen prepared). Song 0 hands over the empty entry 0, which stops the song
// that plays; a number beyond the list does nothing.
void PlaySong(int number);

// Trace of the story's page, line and choice state; emits an event only when
// one of them changed since the last call.
void TraceStoryState();

}  // namespace runtime
