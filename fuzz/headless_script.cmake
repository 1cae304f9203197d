# The headless script parser: any bytes must parse into steps or errors.
aoat_fuzzer(headless_script ${CMAKE_CURRENT_LIST_DIR}/headless_script.cpp platform_headless)
