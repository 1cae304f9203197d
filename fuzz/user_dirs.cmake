aoat_fuzzer(user_dirs ${CMAKE_CURRENT_LIST_DIR}/user_dirs.cpp platform_core)
