// Music: one MIDI song at a time through MCI command strings.
#pragma once

class elMusic {
 public:
  static int PlayMusic;
  static int LoopMusic;
  static int LoopMode;
  static int Init();
  static void Play(const char* FileName, int Loop);
  static void Replay();
  static void Stop();
  static void NoLoop();
  static void DestroyObject();
};
