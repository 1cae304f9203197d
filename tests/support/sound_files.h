// Builders of the sound files the sound and music tests feed the engine: RIFF
// wave files (canonical, or chunk by chunk for malformed ones) and small
// standard MIDI files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace test_support {

// Little-endian numbers as bytes.
std::string U16(uint16_t value);
std::string U32(uint32_t value);

// One RIFF chunk: id, length (the contents' length unless given), contents,
// and the pad byte after an odd length.
std::string RiffChunk(std::string_view id, std::string_view contents);
std::string RiffChunkWithSize(std::string_view id, uint32_t size, std::string_view contents);

// The 16 PCM fields of a "fmt " chunk.
std::string PcmFields(uint16_t channels, uint32_t rate_hz, uint16_t bits, uint16_t tag = 1);

// "RIFF", the size of what follows, "WAVE", then `chunks`.
std::string RiffWave(std::string_view chunks);

// A canonical 44-byte-header wave file holding `samples` (raw sample bytes).
std::string WaveFile(uint16_t channels, uint32_t rate_hz, uint16_t bits, std::string_view samples);

// `frames` 16-bit frames of one constant value on every channel.
std::string ConstantPcm16(int frames, int channels, int16_t value);

// A format-0 MIDI file at 480 ticks per quarter note and 120 beats per
// minute (a quarter note lasts 500 ms): `notes` notes on channel 0, each
// `note_ticks` long and following one another; a program change first.
std::string MidiSong(int notes, int note_ticks);

}  // namespace test_support
