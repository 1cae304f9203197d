// Which sound font the sequencer plays songs with: the one given on the
// command line (--soundfont), else the AOAT_SOUNDFONT environment variable,
// else the first .sf2/.sf3 file in /usr/share/sounds/sf2, then in
// /usr/share/soundfonts (names in order, Debian's default-GM.sf2 first).
#pragma once

#include <span>
#include <string>

namespace platform {

// The player's --soundfont option; an empty path clears it.
void SetSoundFont(const std::string& path);

// The sound font to load; empty when none was given or found.
std::string FindSoundFont();

// The first sound font file in `folders`, searched in order; empty if none.
std::string FirstSoundFontIn(std::span<const std::string> folders);

// Whether `path` is a regular file that starts as a sound font does (a RIFF
// "sfbk" chunk); false with `why` set otherwise.
bool LooksLikeSoundFont(const std::string& path, std::string* why);

// Checks at start the sound font given by the option or the environment: an
// unusable one is said once on standard error, and the system's sound font
// takes its place (or none, and songs are silent). True when a message was
// written (the sequencer then says nothing more about it).
bool SettleSoundFont();
// True once SettleSoundFont() has reported the sound font.
bool SoundFontReported();

}  // namespace platform
