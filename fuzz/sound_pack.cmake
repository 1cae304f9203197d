aoat_fuzzer(sound_pack ${CMAKE_CURRENT_SOURCE_DIR}/sound_pack.cpp el)
