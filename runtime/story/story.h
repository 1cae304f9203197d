// The story screen: advance through lines and pages, composition of a line,
// the choices and the menu drawn over it, and the story's song and trace.
#pragma once

#include <cstdint>

#include "runtime/project/project_model.h"

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

// Composition of the current line into the back buffer and sprite 0, and the
// redraw of that cache on the frames that follow.
void ComposeLine(const ScreenLayout& layout);
void DrawCachedLine();

// Overlays of the story screen.
void DrawChoices(const ScreenLayout& layout);
void DrawSystemMenu(const ScreenLayout& layout);

// Row rectangle tests of the choice box and the menu, shared by drawing and
// clicking so that both always agree.
bool PointInChoiceRow(const SCREENPRM& slot, int row, int x, int y);
bool PointInMenuEntry(const SCREENPRM& slot, int entry, int x, int y);

// Starts song `number` of the project looping (the "midi\" path the loading
// screen prepared). Song 0 hands over the empty entry 0, which stops the song
// that plays; a number beyond the list does nothing.
void PlaySong(int number);

// Trace of the story's page, line and choice state; emits an event only when
// one of them changed since the last call.
void TraceStoryState();

}  // namespace runtime
