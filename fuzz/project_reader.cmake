# The reader of data.aoat and the bounded reads of the story model.
aoat_fuzzer(project_reader ${CMAKE_CURRENT_LIST_DIR}/project_reader.cpp runtime)
