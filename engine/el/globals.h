// Globals shared by the engine and the program (window, screens, clock, input).
#pragma once

#include <cstdint>

using WindowHandle = uintptr_t;

extern WindowHandle hwnd;       // the main window; 0 until created
extern uintptr_t _Instance;     // the program's module handle
extern char _CommandLine[256];  // copy of the command line
extern uintptr_t _Mutex;        // the single-instance lock; 0 when not held

extern int _ScreenNo;
extern int _LastScreenNo;
extern int _ChangeScreen;
extern int _CallScreenNo;
extern int _WindowActive;
extern int _SetWindow;
extern int _FullScreen;
extern int _FullWindow;
extern int _ShowDialog;
extern int _ShowMouse;
extern int _CloseEvent;
extern int _MouseArea;
extern int DrawSkip;
extern int _WindowX;
extern int _WindowY;
extern int _WindowSizeX;
extern int _WindowSizeY;

// Frame clock and blink phase.
extern float FrameTime;
extern uint32_t _WaitTime;
extern int Blink;
extern uint32_t _BlinkTime;

// Keyboard model.
extern uint32_t PushKey;
extern uint32_t LastKey;
extern uint32_t HelpKey;
extern uint32_t MenuKey;
extern int PushShift;
extern uint32_t _PullKey;
extern int _PullCount;

// Mouse model.
extern int MousePX, MousePY;
extern int MouseLX, MouseLY;
extern int MouseMX, MouseMY;
extern int MousePL, MousePR;
extern int MouseCL, MouseCR;
extern int MouseDL, MouseDR;
extern int MouseLL, MouseLR;
extern uint32_t MousePush;
extern uint32_t MouseLast;
extern int MouseMenu;

// Message rows split by elSystem::FMessage.
extern char MsgBuffer[4][200];

extern const double PAI;
extern double PAI2;
