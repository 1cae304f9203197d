# Hostile Shift-JIS bytes through the text cutting, the rectangle layout and
# the drawing of one line.
aoat_fuzzer(text_layout ${CMAKE_CURRENT_LIST_DIR}/text_layout.cpp platform)
