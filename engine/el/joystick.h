// Joystick: two controllers, polled.
#pragma once

#include <cstdint>

struct JOYINFOEX {
  uint32_t dwSize;
  uint32_t dwFlags;
  uint32_t dwXpos, dwYpos, dwZpos, dwRpos, dwUpos, dwVpos;
  uint32_t dwButtons;
  uint32_t dwButtonNumber;
  uint32_t dwPOV;
  uint32_t dwReserved1;
  uint32_t dwReserved2;
};

class elJoystick {
 public:
  struct _analog {
    float X;
    float Y;
    float DefAddXY;
    float B[4];
    float DefAddB;
    int InfoB[4];
  };
  static int CenterX[2];
  static int CenterY[2];
  static _analog Analog[2];
  static JOYINFOEX JoyInfo;

  static void Init();
  static void InitCenter();
  static void InitAnalog();
  static void SetAnalog(int JoystickNo, float Stick, float Button);
  static void CenterPos(int JoystickNo, int* PosX, int* PosY);
  static void StickPos(int JoystickNo, int* PosX, int* PosY);
  static void Stick(int JoystickNo, int* PosX, int* PosY);
  static int StickTenkey(int JoystickNo);
  static void AnalogStick(int JoystickNo, int* PosX, int* PosY);
  static int Button(int JoystickNo, int ButtonNo);
  static void Buttons(int JoystickNo, int* B1, int* B2, int* B3, int* B4);
  static int ButtonInfo(int JoystickNo, int ButtonNo);
  static void ButtonsInfo(int JoystickNo, int* B1, int* B2, int* B3, int* B4);
  static int AnalogButton(int JoystickNo, int ButtonNo);
  static void AnalogButtons(int JoystickNo, int* B1, int* B2, int* B3, int* B4);
};
