# The reader of the save file s.dat.
aoat_fuzzer(save_file ${CMAKE_CURRENT_LIST_DIR}/save_file.cpp runtime)
