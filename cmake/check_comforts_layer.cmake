# Fails when the story's side knows of the comforts: nothing in engine/,
# runtime/ (but the program's entry, which installs them, and the comforts
# themselves) or platform/ includes a header of runtime/comforts/.
# Usage: cmake -DROOT=<source dir> -P check_comforts_layer.cmake
file(GLOB_RECURSE checked
     "${ROOT}/engine/*.h" "${ROOT}/engine/*.cpp"
     "${ROOT}/runtime/*.h" "${ROOT}/runtime/*.cpp"
     "${ROOT}/platform/*.h" "${ROOT}/platform/*.cpp")
list(FILTER checked EXCLUDE REGEX "/runtime/comforts/")
list(FILTER checked EXCLUDE REGEX "/runtime/shell/main\\.cpp$")

set(leaks "")
foreach(source ${checked})
  file(STRINGS "${source}" lines REGEX "#include[ \t]*\"runtime/comforts/")
  if(lines)
    string(APPEND leaks "${source}: ${lines}\n")
  endif()
endforeach()
if(leaks)
  message(FATAL_ERROR "the comforts are seen from below them:\n${leaks}")
endif()
