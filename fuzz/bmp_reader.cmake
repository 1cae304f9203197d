# The BMP reader of the sprite loaders (files and bitmap resources).
aoat_fuzzer(bmp_reader ${CMAKE_CURRENT_SOURCE_DIR}/bmp_reader.cpp platform_core)
