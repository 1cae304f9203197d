// Procedural pixel effects on the 16-bit back surface.
#pragma once

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
