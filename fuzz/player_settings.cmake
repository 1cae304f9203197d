aoat_fuzzer(player_settings ${CMAKE_CURRENT_LIST_DIR}/player_settings_fuzz.cpp comforts)
