// Display: set-up, sprite table, blits, presentation, wipes and the error
// report.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/el/records.h"

class elDraw {
 public:
  struct _sprite {
    std::unique_ptr<platform::Surface> Object;  // null when the entry has none
    char FileName[101];                         // wide enough for every name the loaders accept
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
  static void ShowFormat(int x, int y, const char* Format, ...)
      __attribute__((format(printf, 3, 4)));
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

  // Rotation with per-row zoom, the point mesh, tunnels and light rays.
  struct _tunnellist {
    int16_t x;  // texture column shown at this display pixel
    int16_t y;  // texture row
  };
  static _tunnellist TunnelList[640 * 480];
  static int TunnelSpriteX, TunnelSpriteY;    // texture size of the table
  static int TunnelDisplayX, TunnelDisplayY;  // display area of the table
  static int MysteryLayer(int Px1, int Py1, int Px2, int Py2, int ObjDD, int X1, int Y1, int X2,
                          int Y2, int Angle, float ZoomStartX, float ZoomAddX, float ZoomStartY,
                          float ZoomAddY, float Red, float Green, float Blue);
  static int MeshLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float WaveSize,
                       float WaveCount, int Step, float Zoom, float Angle);
  static void CreateTunnel(int Sx, int Sy, int Dx, int Dy, int Cx, int Cy, int Size, int Center,
                           int Type, int Line);
  static int TunnelLayer(int Px, int Py, int Rotate, int Dist, int ObjDD);
  static int LightLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Red,
                        int Green, int Blue, int Dir, int Show);

  // Effects drawn as rows of Layer (keyed) or DirectLayer (opaque) copies.
  static void WaveLayer(int Px, int Py, int Width, int Size, float Speed, int ObjDD, int X1, int Y1,
                        int X2, int Y2, int Mode);
  static void RollWaveLayer(int Px, int Py, int Width, int Size, float WaveSpeed, float RollSpeed,
                            int ObjDD, int X1, int Y1, int X2, int Y2);
  static void TileRollWaveLayer(int Py1, int Py2, int Width, int Size, float WaveSpeed,
                                float RollSpeed, int ObjDD, int X1, int Y1, int X2, int Y2);
  static void TileLayer(float PxSpeed, float PySpeed, int ObjDD, int X1, int Y1, int X2, int Y2);
  static void MosaicLayer(int Px, int Py, int Size, int ObjDD, int X1, int Y1, int X2, int Y2);
  static void LineLayer(int Px, int Py, int Size, int ObjDD, int X1, int Y1, int X2, int Y2);
  static void RandomLayer(int Px, int Py, int Size, int ObjDD, int X1, int Y1, int X2, int Y2);
  static void WaterfallLayer(int Px, int Py, int Type, float Speed, int ObjDD, int X1, int Y1,
                             int X2, int Y2);

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
extern int DDObject;                   // 1 while the display is open
extern platform::DrawingContext* hdc;  // the back surface's context between GetDC and ReleaseDC

// Bitmap helpers of the sprite loaders.
std::unique_ptr<platform::Surface> DDLoadBitmap(const char* szBitmap, uint16_t* dx, uint16_t* dy,
                                                int Memory);
long DDCopyBitmap(platform::Surface* pdds, const platform::Dib* hbm, int x, int y, int dx, int dy);
uint32_t DDColorMatch(platform::Surface* pdds, uint32_t rgb);
long DDSetColorKey(platform::Surface* pdds, uint32_t rgb);
std::unique_ptr<platform::Dib> ORGLoadBitmap(const char* sWallpaperPath);
