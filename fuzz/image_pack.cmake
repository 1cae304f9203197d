aoat_fuzzer(image_pack ${CMAKE_CURRENT_SOURCE_DIR}/image_pack.cpp el)
