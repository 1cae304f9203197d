# The structural checks of wave files and Standard MIDI Files used by `aoat lint`.
aoat_fuzzer(media_check ${CMAKE_CURRENT_SOURCE_DIR}/media_check.cpp platform_core)
