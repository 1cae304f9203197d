# Hostile Shift-JIS bytes through the text cutting, the rectangle layout and
# the drawing of one line, and through the text class's positioned layouts.
# Only the layout sources of the text class are linked, so the harness does
# not depend on the rest of the engine.
add_library(text_layout_engine STATIC ${PROJECT_SOURCE_DIR}/engine/font/layout.cpp
                                      ${PROJECT_SOURCE_DIR}/engine/font/font_state.cpp)
target_include_directories(text_layout_engine PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(text_layout_engine PUBLIC platform_media)
aoat_shift_jis(text_layout_engine)
aoat_fuzzer(text_layout ${CMAKE_CURRENT_LIST_DIR}/text_layout.cpp text_layout_engine platform_media)
