aoat_fuzzer(message_rows ${CMAKE_CURRENT_LIST_DIR}/message_rows_fuzz.cpp el)
