// Text: fonts, positioned drawing, anti-aliased text and the timed reveal.
#pragma once

#include <cstdint>

#include "engine/el/records.h"

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
