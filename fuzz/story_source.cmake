# The story source reader of `aoat build`: any bytes are reported, never crash;
# a story that builds comes back byte for byte through dump and build.
aoat_fuzzer(story_source ${CMAKE_CURRENT_LIST_DIR}/story_source.cpp aoat_story_source)
