// Structural checks of the sound files a game lists, for `aoat lint`: what
// the player's readers would refuse, said in words, without the audio
// libraries. A wave file is checked by the chunk walk the engine's wave
// reader uses (platform/wave_chunks.h: RIFF/WAVE, a "fmt " chunk of 16 bytes
// or more with nonzero channels, rate and block size, a "data" chunk inside
// the file and within a sound buffer's bound); a song as a Standard MIDI
// File (an "MThd" header of 6 bytes or more, format 0..2, the tracks it
// counts as "MTrk" chunks inside the file, every event inside its track,
// running status only after a channel message; a missing end-of-track event
// is allowed, as the sequencer plays such a track).
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace platform {

// Empty when the bytes read as a wave file, else what is wrong.
std::string WaveFileProblem(std::span<const uint8_t> file);
// Empty when the bytes read as a Standard MIDI File, else what is wrong.
std::string MidiFileProblem(std::span<const uint8_t> file);

}  // namespace platform
