# Fails when a file outside platform/ includes a third-party header: the
# engine, the runtime and the tools reach SDL, FreeType, fontconfig,
# FluidSynth, libpng and iconv only through the platform layer. Platform
# headers are included from above, so they must not leak either (the SDL
# backend's own headers stay inside platform/sdl/).
# Usage: cmake -DROOT=<source dir> -P check_layers.cmake
set(forbidden "#include[ \t]*<(SDL|SDL2/|ft2build|freetype/|fontconfig/|fluidsynth|png\\.h|iconv\\.h)")

file(GLOB_RECURSE checked
     "${ROOT}/engine/*.h" "${ROOT}/engine/*.cpp"
     "${ROOT}/runtime/*.h" "${ROOT}/runtime/*.cpp"
     "${ROOT}/tools/*.h" "${ROOT}/tools/*.cpp"
     "${ROOT}/platform/*.h")
list(FILTER checked EXCLUDE REGEX "/platform/sdl/")

set(leaks "")
foreach(source ${checked})
  file(STRINGS "${source}" lines REGEX "${forbidden}")
  if(lines)
    string(APPEND leaks "${source}: ${lines}\n")
  endif()
endforeach()
if(leaks)
  message(FATAL_ERROR "third-party headers outside the platform layer:\n${leaks}")
endif()
