// The demo game's songs, written with our own MIDI file writer. Each lasts
// between 20 and 60 seconds and ends where it can start again, because the
// player repeats a page's song when it ends.
#pragma once

#include "demo/generator/smf_writer.h"

namespace demo {

MidiFile ComposeTitleSong();    // calm, koto and shakuhachi; format 0
MidiFile ComposeVillageSong();  // light daytime tune; format 1
MidiFile ComposeNightSong();    // mysterious, taiko heartbeat; format 1, running status
MidiFile ComposeEndingSong();   // warm music box; format 1

}  // namespace demo
