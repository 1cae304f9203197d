// The engine's one public header: the seven static classes, their records and
// the globals that couple the engine to the program that runs on it.
//
// Conventions kept throughout: operations return 1 for success and 0 for
// failure (sprite loaders return 0, sound loaders -1); texts are zero-terminated
// Shift-JIS bytes; colour values are 0x00BBGGRR; every table has a fixed size.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <memory>

namespace platform {
class Surface;
class Dib;
class DrawingContext;
class Font;
class SoundBuffer;
}  // namespace platform

// ---------------------------------------------------------------------------
// Plain records shared with the platform's drawing services.

struct RECT {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

struct POINT {
  int32_t x;
  int32_t y;
};

// The logical-font description that text scopes fill and keep between calls.
struct LOGFONTA {
  int32_t lfHeight;
  int32_t lfWidth;
  int32_t lfEscapement;
  int32_t lfOrientation;
  int32_t lfWeight;
  uint8_t lfItalic;
  uint8_t lfUnderline;
  uint8_t lfStrikeOut;
  uint8_t lfCharSet;
  uint8_t lfOutPrecision;
  uint8_t lfClipPrecision;
  uint8_t lfQuality;
  uint8_t lfPitchAndFamily;
  char lfFaceName[32];
};

// The wave format handed from the file readers to the sound device; the extra
// format bytes follow it in the same allocation.
struct tWAVEFORMATEX {
  uint16_t wFormatTag;
  uint16_t nChannels;
  uint32_t nSamplesPerSec;
  uint32_t nAvgBytesPerSec;
  uint16_t nBlockAlign;
  uint16_t wBitsPerSample;
  uint16_t cbSize;
};

// ---------------------------------------------------------------------------
// Globals shared by the engine and the program (window, screens, clock, input).

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

// ---------------------------------------------------------------------------
// System services: frame clock and waits, keyboard and mouse, message boxes,
// settings files and queries of the operating system.

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

// ---------------------------------------------------------------------------
// Display: set-up, sprite table, blits, presentation, wipes and the error
// report.

class elDraw {
 public:
  struct _sprite {
    std::unique_ptr<platform::Surface> Object;  // null when the entry has none
    char FileName[101];  // wide enough for every name the loaders accept
    int PackData;
    int Memory;
    uint32_t Color;
    uint16_t SizeX;
    uint16_t SizeY;
  };

  struct _getrgb {
    uint8_t r;
    uint8_t g;
    uint8_t b;
  };

  // Display set-up and pixel format.
  static int Width;
  static int Height;
  static int ColorBit;
  static int RetryColorBit1;
  static int RetryColorBit2;
  static int SearchVideoCard;
  static int UseStretch;
  static int ErrorCheck;
  static int Vx1, Vy1, Vx2, Vy2;
  static RECT RefreshSize;
  static RECT RefreshPos;
  static int HelpBMP[2];

  static uint32_t BitR, BitG, BitB;
  static uint16_t ShiftR, ShiftG, ShiftB;
  static uint16_t ShiftR2, ShiftG2, ShiftB2;
  static uint32_t MaskR, MaskG, MaskB;
  static uint32_t MaskRGB;
  static uint32_t MaskRGB2;
  static uint32_t WhiteRGB;

  static int RotateData[450];
  static _getrgb GetRGB[65536];
  static uint16_t BlendList[3 * 32 * 32 * 32];
  static uint16_t AddBlendList[3 * 32 * 32 * 32];
  static uint16_t DelBlendList[3 * 32 * 32];
  static uint16_t GrayList[96];

  static int Screen(int Width, int Height, int Memory);
  static void VirtualScreen(int X1, int Y1, int X2, int Y2);
  static void SetFullColor(int ColorBit1, int ColorBit2, int ColorBit3);
  static int ErrorExit();
  static int Exit();
  static void DestroyObject();
  static int SearchDriver(int DriverIndex, const char* DriverDesc, const char* DriverName,
                          void* Context);

  // Sprite table and bitmap loading.
  static uint32_t SpriteColor;
  static int SpriteLeftTop;
  static int LoadObject(const char* FileName, int Memory);
  static int CreateObject(int Sx, int Sy, int Memory);
  static void FreeObject(int ObjDD);
  static int SwapObject(const char* FileName, int ObjDD, int Memory);
  static void ReloadObject();
  static void SetSpriteColor(uint32_t Color);
  static void SetSpriteLeftTop();
  static void ChangeSpriteColor(int ObjDD, uint32_t Color);
  static void ChangeSpriteLeftTop(int ObjDD);
  static void CopySpriteColor(int ObjDD1, int ObjDD2);

  // Blits and drawing primitives.
  static void Clear();
  static void SpriteClear(int ObjDD);
  static void ClearArea(int X1, int Y1, int X2, int Y2);
  static void ClearFrame(int X1, int Y1, int X2, int Y2);
  static void Flash();
  static void FlashArea(int X1, int Y1, int X2, int Y2);
  static void ColorFill(int X1, int Y1, int X2, int Y2, uint16_t Color);
  static int ColorBlend(int X1, int Y1, int X2, int Y2, uint16_t Color);
  static void Layer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2);
  static void DirectLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2);
  static void SpriteLayer(int ObjDD1, int Px, int Py, int ObjDD2, int X1, int Y1, int X2, int Y2);
  static void DirectSpriteLayer(int ObjDD1, int Px, int Py, int ObjDD2, int X1, int Y1, int X2,
                                int Y2);
  static void StretchLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Sx,
                           int Sy);
  static void DirectStretchLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Sx,
                                 int Sy);
  static void SpriteScreen(int ObjDD, int X1, int Y1, int X2, int Y2);
  static void GetDC();
  static void ReleaseDC();
  static void GetColor(int x, int y, int* Red, int* Green, int* Blue);
  static void Pixel(int Px, int Py, uint32_t Color);
  static void Line(int X1, int Y1, int X2, int Y2, uint32_t Color, int Size);
  static void Box(int X1, int Y1, int X2, int Y2, uint32_t Color1, uint32_t Color2, int Size);
  static void Bezier(const POINT* Point, int Count, uint32_t Color, int Size);
  static void FillPattern(const POINT* Point, int Count, uint32_t FrontColor, uint32_t BackColor,
                          int PenSize, int DrawFlag);

  // Frame presentation.
  static int RefreshMode;
  static int FadeNo;
  static int FadeAdd;
  static int FadeType;
  static int FadeMax;
  static int MaskBMP;
  static int HelpOn;
  static int HelpSize;
  static float HelpY;
  static float HelpBackX;
  static float HelpBackY;
  static uint32_t FpsTime;
  static int FpsCnt;
  static float FpsData;
  static float FpsDataMax;
  static float FpsDataMin;
  static void Refresh();
  static void SetRefreshMode(int Mode);
  static void FadeOut();
  static void FadeIn();
  static void LoadMask(const char* FileName);
  static void LoadHelp(const char* FileName1, const char* FileName2, int Size);
  static void Help();
  static void ShowFPS();
  static void ShowString(int x, int y, const char* Str);
  static void ShowFormat(int x, int y, const char* Format, ...) __attribute__((format(printf, 3, 4)));
  static void Reverse(int X1, int Y1, int X2, int Y2);
  static int SaveBitmap(const char* FileName, int Width, int Height);

  // Image packs.
  static char PackFileName[256];
  static void SetPack(const char* PackName);
  static int LoadPack(const char* FileName, int Memory);
  static int SwapPack(const char* FileName, int ObjDD, int Memory);
  static int Convert(const char* PackName, const char* BmpDir, int Delete);
  static void ConvertFile(const char* PackName, const char* BmpName);

  // Software layer effects.
  static int BlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2);
  static int BlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float Blend);
  static int BlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float BlendR,
                        float BlendG, float BlendB);
  static int BlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Blend);
  static int BlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int BlendR,
                        int BlendG, int BlendB);
  static int BlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float BlendR,
                        float BlendG, float BlendB, int Mode, int Start, int Size);
  static int BlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int BlendR,
                        int BlendG, int BlendB, int Mode, int Start, int Size);
  static int AddBlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2);
  static int AddBlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float Blend);
  static int DelBlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2);
  static int EdgeBlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2);
  static int PlainLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int PlainR,
                        int PlainG, int PlainB);
  static int BrightLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float Bright);
  static int BrightLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float BrightR,
                         float BrightG, float BrightB);
  static int BrightLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Bright);
  static int BrightLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int BrightR,
                         int BrightG, int BrightB);
  static int ShadeLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Shade);
  static int GrayLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2);
  static int MirrorLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Mirror);
  static int PickLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Mode,
                       int Start);
  static int ShiftLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float Shift);
  static int RotateLayer(int Px1, int Py1, int Px2, int Py2, int ObjDD, int X1, int Y1, int X2,
                         int Y2, int Angle);
  static int TileRotateLayer(int Px1, int Py1, int Px2, int Py2, int ObjDD, int X1, int Y1, int X2,
                             int Y2, int Angle);
  static int ZoomRotateLayer(int Px1, int Py1, int Px2, int Py2, int ObjDD, int X1, int Y1, int X2,
                             int Y2, int Angle, float Zoom);
  static int TileZoomRotateLayer(int Px1, int Py1, int Px2, int Py2, int ObjDD, int X1, int Y1,
                                 int X2, int Y2, int Angle, float Zoom);

  // Wipe transitions.
  static int EffectOn;
  static int EffectInOut;
  static int EffectType;
  static float EffectSpeed;
  static int EffectSize;
  static int Wx1, Wy1, Wx2, Wy2;
  static int WipeIn;
  static int WipeOut;
  static int SetWipe(int InOut, int Type, float Speed, int Size);
  static void SetWipeOut();
  static int Wipe();

  // Error report.
  static int Error(const char* Function, const char* Message, long Code);
  static int Error();
};

// The sprite table; entries 0 to 3 are the internal sprites.
extern elDraw::_sprite Sprite[1024];

// The display's surfaces; null when absent.
extern std::unique_ptr<platform::Surface> DDFront;
extern std::unique_ptr<platform::Surface> DDBack;
extern int DDObject;  // 1 while the display is open
extern platform::DrawingContext* hdc;  // the back surface's context between GetDC and ReleaseDC

// Bitmap helpers of the sprite loaders.
std::unique_ptr<platform::Surface> DDLoadBitmap(const char* szBitmap, uint16_t* dx, uint16_t* dy,
                                                int Memory);
long DDCopyBitmap(platform::Surface* pdds, const platform::Dib* hbm, int x, int y, int dx, int dy);
uint32_t DDColorMatch(platform::Surface* pdds, uint32_t rgb);
long DDSetColorKey(platform::Surface* pdds, uint32_t rgb);
std::unique_ptr<platform::Dib> ORGLoadBitmap(const char* sWallpaperPath);

// ---------------------------------------------------------------------------
// Text: fonts, positioned drawing, anti-aliased text and the timed reveal.

class elFont {
 public:
  struct _fontdata {
    char Name[33];
    int Type;
    uint8_t CharSet;
  };
  struct _textpos {
    int X1, Y1, X2, Y2;
  };

  static _fontdata FontData[200];
  static int MaxFont;
  static LOGFONTA* FontInfo;
  static int FontHeight;
  static platform::Font* NewFont;
  static const platform::Font* OldFont;
  static platform::DrawingContext* FontDC;
  static uint32_t FontTextColor;
  static uint32_t FontBackColor;
  static _textpos TextPos[3200];
  static int FontCount;
  static int DrawAndShow;
  static int ShowCount;
  static float ShowWait;

  static void Init();
  static int SearchFont(const LOGFONTA* Lf, const void* Tm, unsigned Type, long Data);
  static void DestroyObject();
  static void Begin(int Type, int Size, int Round, int Bold, int Italic, int Line);
  static void Begin(const char* Type, int Size, int Round, int Bold, int Italic, int Line);
  static void Before();
  static void Color(uint32_t TextColor, uint32_t BackColor, int Mode);
  static void Draw(int Px, int Py, const char* Str);
  static void Draw(int X1, int Y1, int X2, int Y2, const char* Str, uint16_t Effect);
  static void HideDraw(int X1, int Y1, int X2, int Y2, const char* Str, uint16_t Effect);
  static void AreaDraw(int X1, int Y1, int X2, int Y2, const char* Str, int Pos);
  static int GetHeight(int X1, int Y1, int X2, int Y2, const char* Str);

  static void BeginAA(int Type, int Size);
  static void BeginAA(const char* Type, int Size);
  static void BeforeAA();
  static void DrawAA(int X1, int Y1, int X2, int Y2, const char* Str, uint16_t Effect);
  static void HideDrawAA(int X1, int Y1, int X2, int Y2, const char* Str, uint16_t Effect);
  static int DrawAA2(int Px, int Py, int X1, int Y1, int X2, int Y2);
  static int Show(float Wait);
};

// The hanging characters of the positioned drawing.
extern const char* const OutData[15];

// ---------------------------------------------------------------------------
// Sound: 70 slots of up to 10 mixes each.

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

// ---------------------------------------------------------------------------
// Music: one MIDI song at a time through MCI command strings.

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

// ---------------------------------------------------------------------------
// Joystick: two controllers, polled.

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

// ---------------------------------------------------------------------------
// Procedural pixel effects on the 16-bit back surface.

class elEffect {
 public:
  static char FireRandomList[10000];
  static int Fire(int Px, int Py, unsigned Width, unsigned Height);
  static int Fire(int Red, int Green, int Blue, int Px, int Py, unsigned Width, unsigned Height);
  static int Shade(int Px, int Py, unsigned Width, unsigned Height);
  static int Shade(int Red, int Green, int Blue, int Px, int Py, unsigned Width, unsigned Height);
  static int Noise(int Force, int Px, int Py, unsigned Width, unsigned Height);
  static int Noise(int Red, int Green, int Blue, int Force, int Px, int Py, unsigned Width,
                   unsigned Height);
  static int Zoom2(int Px, int Py, unsigned Width, unsigned Height, int Mesh);
  static int Zoom4(int Px, int Py, unsigned Width, unsigned Height, int Mesh);
  static int Mosaic(int Px, int Py, int Radius, int Size);
};
