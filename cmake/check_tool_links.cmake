# Fails when the authoring tool's link line names a media library, the media
# or a backend library of the platform: the tool needs only the platform core
# (encoding, path lookup), and should link nothing else, whether or not the
# linker drops unused libraries.
# Usage: cmake -DLINK_TXT=<build>/tools/CMakeFiles/aoat.dir/link.txt -P check_tool_links.cmake
if(NOT EXISTS "${LINK_TXT}")
  message(FATAL_ERROR "no link line at ${LINK_TXT}: build the aoat target first")
endif()
file(READ "${LINK_TXT}" line)
string(REGEX MATCHALL "[^ \n]*(SDL|freetype|fontconfig|fluidsynth|png|platform_media|platform_sdl|platform_headless)[^ \n]*"
       found "${line}")
if(found)
  string(REPLACE ";" "\n  " found "${found}")
  message(FATAL_ERROR "the tool links more than the platform core:\n  ${found}")
endif()
