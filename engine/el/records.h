// Plain records shared with the platform's drawing services.
#pragma once

#include <cstdint>

namespace platform {
class Surface;
class Dib;
class DrawingContext;
class Font;
class SoundBuffer;
}  // namespace platform

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
