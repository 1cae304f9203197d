# Shared build settings for the project's own targets.

# Warnings for our own code only; errors with AOAT_WERROR (CI and the
# developer targets of the Makefile).
#
# At -O3 (Release) GCC 12 inlines deep into libstdc++'s string and vector
# code and then warns of overlapping or overflowing copies that cannot
# happen (-Wrestrict, -Wstringop-overflow; false alarms of that release,
# gone in GCC 13): those two stay off there.
function(aoat_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
    -Wno-missing-field-initializers)
  target_compile_options(${target} PRIVATE
    "$<$<AND:$<CONFIG:Release>,$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict;-Wno-stringop-overflow>")
  if(AOAT_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# The engine and the runtime work on Shift-JIS bytes: their narrow literals are
# compiled to CP932. clang only knows UTF-8, so its builds keep UTF-8: right
# for the fuzz builds (the harnesses exercise parsers, not messages) and for
# checking that the code compiles, not for playing (the top-level
# CMakeLists.txt warns).
function(aoat_shift_jis target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP932)
  endif()
endfunction()

# Collects the sources of a folder tree; new files are picked up without
# editing the build files.
function(aoat_sources out)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${ARGN})
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Embeds FILE into the program as the resource NAME of TYPE ("BITMAP", "ICON",
# "WAVE", ...), found at run time through platform::FindResource.
function(aoat_embed_resource target type name file)
  string(MAKE_C_IDENTIFIER "${type}_${name}" id)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded_${id}.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${out} -DTYPE=${type} -DNAME=${name} -DID=${id}
            -P "${PROJECT_SOURCE_DIR}/cmake/embed.cmake"
    DEPENDS "${file}" "${PROJECT_SOURCE_DIR}/cmake/embed.cmake"
    VERBATIM)
  target_sources(${target} PRIVATE "${out}")
endfunction()
