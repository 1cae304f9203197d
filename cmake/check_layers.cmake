# Fails when a file outside platform/ includes a third-party header: the
# engine, the runtime and the tools reach SDL, FreeType, fontconfig,
# FluidSynth, libpng and iconv only through the platform layer.
# Usage: cmake -DROOT=<source dir> -P check_layers.cmake
set(forbidden "#include[ \t]*<(SDL|SDL2/|ft2build|freetype/|fontconfig/|fluidsynth|png\\.h|iconv\\.h)")
set(leaks "")
foreach(layer engine runtime tools)
  file(GLOB_RECURSE sources "${ROOT}/${layer}/*.h" "${ROOT}/${layer}/*.cpp")
  foreach(source ${sources})
    file(STRINGS "${source}" lines REGEX "${forbidden}")
    if(lines)
      string(APPEND leaks "${source}: ${lines}\n")
    endif()
  endforeach()
endforeach()
# Platform headers are included from above, so they must not leak either.
file(GLOB_RECURSE platform_headers "${ROOT}/platform/*.h")
foreach(header ${platform_headers})
  if(NOT header MATCHES "/platform/sdl/")
    file(STRINGS "${header}" lines REGEX "${forbidden}")
    if(lines)
      string(APPEND leaks "${header}: ${lines}\n")
    endif()
  endif()
endforeach()
if(leaks)
  message(FATAL_ERROR "third-party headers outside the platform layer:\n${leaks}")
endif()
