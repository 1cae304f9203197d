// Finding the file behind a face name (fontconfig), with the two standard
// Japanese names mapped to the installed serif and sans faces and unknown
// names substituted the way the system substitutes them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/font.h"

namespace platform::text {

struct FaceLocation {
  bool found = false;
  std::string file;
  int index = 0;
  std::string family_utf8;
};

// Which of the standard Japanese names a face name is, if any.
enum class StandardFace { kNone, kMincho, kGothic };
StandardFace ClassifyFaceName(std::string_view face_sjis);

// The face to use for a description; results are cached per request.
FaceLocation LookUpFace(std::string_view face_sjis, uint8_t charset, bool want_bold,
                        bool want_italic);

// The installed families (uncached; EnumerateFaces caches it).
std::vector<FaceEntry> ListFaces();

}  // namespace platform::text
