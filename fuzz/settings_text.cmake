aoat_fuzzer(settings_text ${CMAKE_CURRENT_LIST_DIR}/settings_text_fuzz.cpp el)
