// One MIDI song at a time on the sequencer, opened under the alias "midi";
// its end is noticed by the window procedure, which calls Replay.
#include <cstdio>

#include "engine/el.h"
#include "platform/audio/mci.h"

int elMusic::PlayMusic = 0;
int elMusic::LoopMusic = 0;
int elMusic::LoopMode = 1;

namespace {

void Send(const char* command) {
  platform::MciSendString(command, nullptr, 0, 0);
}

// The play command asks for the completion notice to the main window.
void StartFromTheBeginning() {
  Send("seek midi to start");
  platform::MciSendString("play midi notify", nullptr, 0, hwnd);
}

}  // namespace

int elMusic::Init() {
  PlayMusic = 0;
  LoopMusic = 0;
  LoopMode = 1;
  return 1;
}

void elMusic::Play(const char* FileName, int Loop) {
  char command[256];
  std::snprintf(command, sizeof command, "open \"%s%s\" type sequencer alias midi",
                elSystem::Directory(0), FileName);
  if (PlayMusic == 1) Stop();
  Send(command);
  StartFromTheBeginning();
  PlayMusic = 1;
  LoopMusic = 0;
  LoopMode = Loop;
}

void elMusic::Replay() {
  if (LoopMode != 0) {
    StartFromTheBeginning();
  } else {
    Stop();
  }
  LoopMusic = 1;
}

void elMusic::Stop() {
  if (PlayMusic != 1) return;
  Send("stop midi");
  Send("close midi");
  PlayMusic = 0;
}

void elMusic::NoLoop() {
  LoopMode = 0;
}

void elMusic::DestroyObject() {
  Send("stop midi");
  Send("close midi");
}
