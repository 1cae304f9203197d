# The layer rules that the compiler cannot see, read from the sources. One
# rule per run, so that each is a test of its own:
#
#   third_party     SDL, FreeType, fontconfig, FluidSynth, libpng and iconv
#                   headers are included only inside platform/ (its .cpp files
#                   and the private headers of sdl/, text/ and audio/); the
#                   platform's public headers do not leak them either.
#                   tests/ (reading PNG files back, driving SDL) and bench/
#                   (comparing with SDL's blitter) are outside the layers.
#   platform_public nothing outside platform/ includes a backend's header
#                   (platform/sdl/, platform/headless/) or a platform-internal
#                   one: any header in a subfolder of platform/ but the public
#                   audio headers, and the internal top-level headers listed
#                   below. The tests and the fuzz harnesses, which drive the
#                   units they check directly (and round trips between two
#                   layers), may.
#   backend_calls   nothing in engine/ or runtime/ calls CurrentBackend(): they
#                   go through the functions of platform/platform.h. Only the
#                   program's entry (runtime/shell/main.cpp) deals with the
#                   backend itself.
#   engine_internal nothing in runtime/ or tools/ includes an engine class's
#                   internal header (engine/<class>/internal/).
#   platform_core   the platform core library (platform/*.h, platform/*.cpp
#                   but the media files of platform/media_files.cmake,
#                   platform/gdi/) and the headless backend include no media
#                   library's header and no header of the media parts or of
#                   the SDL backend, so the authoring tool links none of them.
#   comforts        the story's side knows nothing of the comforts: nothing in
#                   engine/, runtime/ (but the comforts themselves and the
#                   program's entry, which installs them) or platform/ includes
#                   a header of runtime/comforts/.
#
# Usage: cmake -DROOT=<source dir> -DRULE=<rule> -P check_layers.cmake
if(NOT RULE)
  set(RULE third_party)
endif()

set(media_libraries "SDL|SDL2/|ft2build|freetype/|fontconfig/|fluidsynth|png\\.h")
set(platform_internal_top surface_fast frame_keeper display_mode input_poster)
set(platform_public_audio mci mixer sound_buffer sound_font)

# Appends to `leaks` every line of `files` that matches `regex`.
function(find_lines regex)
  set(found "${leaks}")
  foreach(source ${ARGN})
    file(STRINGS "${source}" lines REGEX "${regex}")
    foreach(line ${lines})
      file(RELATIVE_PATH name "${ROOT}" "${source}")
      string(APPEND found "  ${name}: ${line}\n")
    endforeach()
  endforeach()
  set(leaks "${found}" PARENT_SCOPE)
endfunction()

macro(glob_sources out)
  set(${out})
  foreach(folder ${ARGN})
    file(GLOB_RECURSE found "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
    list(APPEND ${out} ${found})
  endforeach()
endmacro()

set(leaks "")
if(RULE STREQUAL "third_party")
  glob_sources(checked engine runtime tools demo fuzz packaging resources)
  file(GLOB platform_headers "${ROOT}/platform/*.h" "${ROOT}/platform/headless/*.h"
       "${ROOT}/platform/gdi/*.h")
  foreach(name ${platform_public_audio})
    list(APPEND platform_headers "${ROOT}/platform/audio/${name}.h")
  endforeach()
  find_lines("#include[ \t]*<(${media_libraries}|iconv\\.h)" ${checked} ${platform_headers})
  set(what "third-party headers outside the platform layer")
elseif(RULE STREQUAL "platform_public")
  file(GLOB_RECURSE checked "${ROOT}/*.h" "${ROOT}/*.cpp")
  list(FILTER checked EXCLUDE REGEX "^${ROOT}/(platform|tests|fuzz|build[^/]*)/")
  string(REPLACE ";" "|" top "${platform_internal_top}")
  string(REPLACE ";" "|" audio "${platform_public_audio}")
  find_lines("#include[ \t]*\"platform/(${top})\\.h\"" ${checked})
  find_lines("#include[ \t]*\"platform/[^\"]*/" ${checked})
  # The public audio headers are the exception to the second search.
  string(REGEX REPLACE "  [^\n]*#include[ \t]*\"platform/audio/(${audio})\\.h\"[^\n]*\n" ""
         leaks "${leaks}")
  set(what "a backend's or a platform-internal header included from outside the platform")
elseif(RULE STREQUAL "backend_calls")
  glob_sources(checked engine runtime)
  list(FILTER checked EXCLUDE REGEX "/runtime/shell/main\\.cpp$")
  find_lines("CurrentBackend[ \t]*\\(" ${checked})
  set(what "the backend called past the platform's functions")
elseif(RULE STREQUAL "engine_internal")
  glob_sources(checked runtime tools)
  find_lines("#include[ \t]*\"engine/[^\"]*internal/" ${checked})
  set(what "an engine-internal header included from above the engine")
elseif(RULE STREQUAL "platform_core")
  include("${ROOT}/platform/media_files.cmake")
  file(GLOB checked "${ROOT}/platform/*.h" "${ROOT}/platform/*.cpp" "${ROOT}/platform/gdi/*"
       "${ROOT}/platform/headless/*")
  foreach(file ${platform_media_top})
    list(REMOVE_ITEM checked "${ROOT}/platform/${file}")
  endforeach()
  find_lines("#include[ \t]*<(${media_libraries})" ${checked})
  # font.h declares the text renderer, which the media library implements.
  find_lines("#include[ \t]*\"platform/(sdl|text|audio)/|#include[ \t]*\"platform/(png_writer|font)\\.h\""
             ${checked})
  set(what "a media library or the SDL backend reached from the platform core")
elseif(RULE STREQUAL "comforts")
  glob_sources(checked engine runtime platform)
  list(FILTER checked EXCLUDE REGEX "/runtime/comforts/")
  list(FILTER checked EXCLUDE REGEX "/runtime/shell/main\\.cpp$")
  find_lines("#include[ \t]*\"runtime/comforts/" ${checked})
  set(what "the comforts are seen from below them")
else()
  message(FATAL_ERROR "check_layers.cmake: no rule named '${RULE}'")
endif()

if(leaks)
  message(FATAL_ERROR "${what}:\n${leaks}")
endif()
