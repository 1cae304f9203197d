aoat_fuzzer(wav_reader ${CMAKE_CURRENT_SOURCE_DIR}/wav_reader.cpp el)
