// System services: frame clock and waits, keyboard and mouse, message boxes,
// settings files and queries of the operating system.
#pragma once

#include <cstdint>
#include <string_view>

class elSystem {
 public:
  // Frame clock and waits.
  static uint32_t WaitTime[11];
  static uint32_t NowTime;
  static int SetWait(int No, int Time);
  static int InitWait(int No);
  static int Wait(int No);
  static void Stop(int Time);
  static void InitFrame();
  static void UpdateFrame();

  // Keyboard and mouse.
  static int KeyboardLock;
  static int SystemKeyCheck;
  static int MouseAreaReady;
  static int StatusIME;
  static void GetKey(unsigned Code, int* Flag);
  static unsigned CheckKey(unsigned Code, ...);
  static void LockKey();
  static void UnlockKey();
  static void SystemKey(int Flag);
  static void SetPullCount(unsigned Code);
  static int GetPullCount();
  static void InitMouse(int Flag);
  static void MouseMove(int x, int y);
  static void MouseArea(int X1, int Y1, int X2, int Y2);
  static void WindowMouseArea();
  static void ClearMouseArea();
  static int GetMouseArea();
  static void IME(int Flag);

  // Messages, settings files and system queries.
  static char InstallDirectory[256];
  static int FMessage(const char* msg);
  static void Message(const char* Format, ...) __attribute__((format(printf, 1, 2)));
  static int YesNo(const char* Format, ...) __attribute__((format(printf, 1, 2)));
  static int Init();
  static void DestroyObject();
  static char* Directory(int Install);
  static void CheckInstall(const char* FileName);
  static char* Parameter();
  static void SaveScreenMode(const char* FileName, int Mode);
  static int LoadScreenMode(const char* FileName);
  static void SaveMidiMode(const char* FileName, int Mode);
  static int LoadMidiMode(const char* FileName);
  static int WarningColorBit(const char* FileName);
  static int ColorBit();
  static int WindowMode();
  static int GetWindowsVersion();
  static void GetDate(int* Year, int* Month, int* Day, char* Week);
  static void GetTime(int* Hour, int* Minute, int* Second);
  static uint32_t FreeDisk(char Drive);
  static uint32_t FreeMemory();
  static void SoundAdject();
};

// The program's side of Parameter(): at start-up the program copies its
// command line (Shift-JIS) in, cut between characters when it is longer than
// the buffer.
namespace el::system {
void CopyCommandLine(std::string_view command_line);
}  // namespace el::system
