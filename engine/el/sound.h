// Sound: 70 slots of up to 10 mixes each.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/el/records.h"

class elSound {
 public:
  struct _soundstream {
    uint32_t StartPos;
    uint32_t LoopPos;
    uint32_t SeekPos;
    uint32_t DataSize;
    uint32_t ReadData;
    uint32_t WriteCheck;
    uint32_t NextWrite;
    uint32_t WriteSize;
    uint32_t WriteMax;
    uint32_t PlayPos;
    uint32_t LastPos;
    uint8_t NextStop;
    char PackName[256];
  };

  static int Ok;
  static int Reload;
  static int ListNo;
  static int ListUse[70];
  static int ListMix[70];
  static int ListUseMix[70];
  static long ListVolume[70][10];
  static unsigned long ListPitch[70][10];
  static unsigned long ListPitchDef[70];
  static long ListPan[70][10];
  static char ListName[70][101];  // wide enough for every name the loaders accept
  static int ListEffectCount[70];
  static float ListEffectTime[70];
  static float ListEffectPos[70];
  static int ListEffectDir[70];
  static int ListEffectLoop[70];
  static unsigned long ListPosition[70][10];
  static int ListLoop[70];
  static int ListPack[70];
  static _soundstream SoundStream[70];
  static char PackFileName[256];

  static int Init();
  static void DestroyObject();
  static int LoadObject(const char* FileName, int Mix);
  // The caller releases the two allocations with std::free.
  static int SearchFile(const char* FileName, tWAVEFORMATEX** ppwfxInfo, unsigned* cbHead,
                        uint8_t** ppbData, unsigned* cbSize);
  static void ReloadObject();
  static void FreeObject(int ObjDS);
  static void Play(int ObjDS, int Mix);
  static void Loop(int ObjDS, int Mix);
  static void Stop(int ObjDS, int Mix);
  static unsigned long GetPos(int ObjDS);
  static void Beep();
  static void PlayFile(const char* FileName);

  // Packs and streaming.
  static void SetPack(const char* PackName);
  static int LoadPack(const char* FileName, int Mix);
  static int LoadStream(const char* FileName, unsigned long LoopPoint);
  static int Streaming();
  static int ResetStream(int ObjDS);
  static int Convert(const char* PackName, const char* WaveDir, int Delete);
  static void ConvertFile(const char* PackName, const char* WaveName);
  static int SelectFormat(int Channel, int Rate, int Bit);

  // Pitch, pan, volume, pause and timed effects.
  static void Pitch(int ObjDS, int Value, int Mix);
  static void SetPitch(int ObjDS, int Value, int Mix);
  static void InitPitch(int ObjDS, int Mix);
  static void Pan(int ObjDS, int Value, int Mix);
  static void SetPan(int ObjDS, int Value, int Mix);
  static void InitPan(int ObjDS, int Mix);
  static void LeftPan(int ObjDS, int Mix);
  static void RightPan(int ObjDS, int Mix);
  static void Volume(int ObjDS, int Value, int Mix);
  static void SetVolume(int ObjDS, int Value, int Mix);
  static void InitVolume(int ObjDS, int Mix);
  static void Pause(int ObjDS, int Mix);
  static void Delay(int ObjDS, int Time, int Count, int Volume);
  static void Chorus(int ObjDS, int Time, int Count, int Volume, int Speed);
};

// The sound device's buffers: 70 sounds by 10 mixes; null where none exists.
// The table owns them: resetting an entry releases its buffer.
extern std::unique_ptr<platform::SoundBuffer> DSBuff2[70][10];
