// The sequencer's one song: a MIDI file played by FluidSynth into the mix.
// Everything here is called on the main thread; the song advances on the
// audio thread as the output is pulled, or with the clock when there is no
// output, so that songs still end (silently) and repeat.
#pragma once

#include <cstdint>
#include <vector>

namespace platform::audio {

enum class SongMode { kStopped, kSeeking, kPlaying, kNotReady };

// Takes the file's bytes; a file that is not a MIDI file leaves the song not
// ready. The synthesizer and its sound font are made on the first open.
void OpenSong(std::vector<uint8_t> midi_bytes);
void CloseSong();
bool SongOpen();
// Back to the start; the seek completes on the next rendered block (or the
// next play), and the mode reads "seeking" until then.
void SeekSongToStart();
// Plays from the current position; false when the song cannot be played. A
// song that stands at its end ends again at once.
bool PlaySong();
void StopSong();
SongMode CurrentSongMode();
// True once each time the playing song reached its end.
bool TakeSongEnd();
// Advances the song by the time passed since the last call when no output
// pulls it.
void AdvanceSongWithoutOutput();

}  // namespace platform::audio
