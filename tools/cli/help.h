// Help texts of the `aoat` commands.
#pragma once

#include <string_view>

namespace cli {

inline constexpr std::string_view kMainHelp =
    "Usage: aoat COMMAND [ARGUMENTS]\n"
    "\n"
    "The authoring tool for games of the aoat player.\n"
    "\n"
    "Commands:\n"
    "  build STORY.json [-o data.aoat]   make the project file from a story source\n"
    "  dump data.aoat [-o STORY.json]    write a project file back as a story source\n"
    "  lint GAME_DIR                     check a game folder as the player will play it\n"
    "  graph data.aoat [-o story.dot]    draw the page graph in Graphviz DOT (and SVG)\n"
    "  help [COMMAND]                    this help, or a command's\n"
    "\n"
    "Options: --help, --version\n"
    "Exit status: 0 done, 1 errors found or bad input, 2 wrong usage.\n"
    "The story format is described in docs/story-format.md.\n";

inline constexpr std::string_view kBuildHelp =
    "Usage: aoat build STORY.json [-o FILE]\n"
    "\n"
    "Reads a story source (JSON, UTF-8) and writes the project file, by default\n"
    "data.aoat in the current folder; -o - writes it to standard output.\n"
    "Every fault is reported as FILE:LINE:COLUMN with the page and line it\n"
    "concerns; on any error nothing is written and the exit status is 1.\n";

inline constexpr std::string_view kDumpHelp =
    "Usage: aoat dump data.aoat [-o STORY.json]\n"
    "\n"
    "Writes a project file as a story source, to standard output unless -o is\n"
    "given. Bytes a story cannot express go to its \"raw\" section, so that\n"
    "`aoat build` gives back the very same file.\n";

inline constexpr std::string_view kLintHelp =
    "Usage: aoat lint GAME_DIR\n"
    "\n"
    "Checks the game in GAME_DIR (or the folder of the data.aoat given) as the\n"
    "player will play it: targets and list numbers, counts, asset files and\n"
    "their paths, pages nobody reaches or that never end, empty choices,\n"
    "random ranges, speaker names, message lines that need more than four\n"
    "rows, the size of data.aoat. Exit status 1 when there are errors.\n";

inline constexpr std::string_view kGraphHelp =
    "Usage: aoat graph data.aoat [-o story.dot] [--no-svg]\n"
    "\n"
    "Writes the page graph in Graphviz DOT, to standard output unless -o is\n"
    "given. Edges say how a page ends; unreachable pages are dashed and grey,\n"
    "pages that never end red. With -o and Graphviz installed, an SVG drawing\n"
    "is written beside the DOT file (story.svg), unless --no-svg is given.\n";

}  // namespace cli
