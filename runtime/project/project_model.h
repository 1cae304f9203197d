// The loaded project: the blocks of data.aoat as the runtime's globals, the
// story state that play adds on top of them, and the bounded reads that every
// screen goes through.
//
// The blocks live in one project::ProjectData (the layout is described once,
// in runtime/project/project_file.h); the globals below are references into
// it, so `str`, `str2`, ... and the loaded project are the same bytes.
//
// Everything read from the file is untrusted: page numbers, list numbers and
// counts may hold any value. Screens read the model through the functions of
// namespace runtime below, which answer 0 or an empty text for a number
// outside its table instead of indexing past it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "runtime/project/project_file.h"

// One picture or text slot of a layout.
using SCREENPRM = project::ScreenParam;
using ScreenLayout = std::array<SCREENPRM, project::kSlots>;

// ---- Blocks of data.aoat
extern std::array<project::TextRecord, project::kTextRecords>& str;  // page * 14 + line
extern std::array<std::array<int32_t, project::kPageFields>, project::kPages>& str2;
extern std::array<project::TextRecord, 3>& str3;  // record 2: window title
extern int32_t& str4;                             // ignored
// The start page as read; during play the current page.
extern int32_t& sinariono;
extern std::array<project::TextRecord, project::kListEntries>& str5;  // person names
extern ScreenLayout& str6;                                            // default layout
extern std::array<int32_t, 5>& str7;                                  // ignored
extern project::AssetNames& picname;
extern std::array<ScreenLayout, project::kPages>& pagescrinf;
extern std::array<uint8_t, project::kPages>& pagescrused;

// ---- Story state
inline constexpr int kMaxItems = 200;
extern int gyou;                                        // current line, 0-9
extern std::array<uint8_t, project::kPages> throwflug;  // visited flag per page
extern std::array<int, kMaxItems> itembox;              // items held, in order given
extern int itemnownum;                                  // entries of itembox in use
extern int savemidi;                                    // song last started by a page
extern int autoflug;                                    // 0 manual, 1 slow, 2 normal, 3 fast
extern int soundflug;                                   // 1 once the line is composed
extern int midiflug;                                    // 1 once the page's song started
extern int selectflug;                                  // 1 while the choices are shown

// The colour of a colour number (0-10; any other number is black) as a colour
// value: red in the lowest byte, then green, then blue.
uint32_t selectcolor(int number);

namespace runtime {

// The loaded project as a whole (the same object the globals refer to).
project::ProjectData& LoadedProject();
// Fills the model from a file image of any length: what it holds is loaded,
// the rest is zero, bytes past the layout are ignored.
void DecodeProject(std::span<const uint8_t> image);
// Zero model and story state, as at start-up.
void ClearProject();

// ---- Bounded reads
bool IsPage(int page);
// Integer `index` of page `page`; 0 when the page or the index lies outside
// the table.
int32_t PageField(int page, int index);
// Integer `index` of the current page (`sinariono`).
int32_t CurrentPageField(int index);
// Text record `line` (0-13) of `page`: up to its first zero byte, or the whole
// 100 bytes when it has none; empty outside the table.
std::string_view PageText(int page, int line);
// The nine slots a page is drawn with: its own when its `pagescrused` byte is
// set, else the default layout `str6` (also for a page outside the table).
const ScreenLayout& PageLayout(int page);
// Number of entries of an asset list, bounded to 0..199.
int ListCount(project::AssetList list);
// True when `n` numbers a listed entry: 1 to ListCount(list).
bool IsListNumber(project::AssetList list, int n);
// Name `n` of a list; empty unless IsListNumber(list, n).
std::string_view ListName(project::AssetList list, int n);
// Name of person `k` (`str5` entry, 1-199); empty for 0 and outside.
std::string_view PersonName(int k);
// The window title (`str3` record 2).
std::string_view TitleText();
// Visited flag of a page; false outside the table, where marking does nothing.
bool PageVisited(int page);
void MarkPageVisited(int page);

}  // namespace runtime
