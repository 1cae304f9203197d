# The files of platform/ itself (not of a subfolder) that belong to the media
# library rather than to the core: they need libpng or the text renderer
# (FreeType, fontconfig). The build and the layer check
# (cmake/check_layers.cmake) both read this list.
set(platform_media_top png_writer.cpp frame_keeper_png.cpp window_message_box.cpp)
