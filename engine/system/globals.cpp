// The globals shared by the engine and the program that runs on it. Their
// start values are set again by the program's initialisation.
#include "engine/el.h"

WindowHandle hwnd = 0;
uintptr_t _Instance = 0;
char _CommandLine[256] = {};
uintptr_t _Mutex = 0;

int _ScreenNo = 0;
int _LastScreenNo = 0;
int _ChangeScreen = 0;
int _CallScreenNo = 0;
int _WindowActive = 0;
int _SetWindow = 0;
int _FullScreen = 1;
int _FullWindow = 0;
int _ShowDialog = 0;
int _ShowMouse = 1;
int _CloseEvent = 0;
int _MouseArea = 0;
int DrawSkip = 0;
int _WindowX = 0;
int _WindowY = 0;
int _WindowSizeX = 0;
int _WindowSizeY = 0;

float FrameTime = 0.0f;
uint32_t _WaitTime = 0;
int Blink = 1;
uint32_t _BlinkTime = 0;

uint32_t PushKey = 0;
uint32_t LastKey = 0;
uint32_t HelpKey = 0;
uint32_t MenuKey = 0;
int PushShift = 0;
uint32_t _PullKey = 0;
int _PullCount = 0;

int MousePX = 0, MousePY = 0;
int MouseLX = 0, MouseLY = 0;
int MouseMX = 0, MouseMY = 0;
int MousePL = 0, MousePR = 0;
int MouseCL = 0, MouseCR = 0;
int MouseDL = 0, MouseDR = 0;
int MouseLL = 0, MouseLR = 0;
uint32_t MousePush = 0;
uint32_t MouseLast = 0;
int MouseMenu = 0;

char MsgBuffer[4][200] = {};

const double PAI = 3.141592653589793;
double PAI2 = PAI + PAI;
