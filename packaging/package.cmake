# `make package`: a Debian package of everything `cmake --install` puts in
# place, with its library dependencies worked out by dpkg-shlibdeps. The menu,
# icon, file-type and man-page caches are refreshed by the triggers of the
# packages that own them, so the package needs no scripts of its own.
set(AOAT_PACKAGE_MAINTAINER "aoat player developers <aoat-player@localhost>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME aoat-player)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "aoat player developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "player for text adventures made as a data.aoat game folder")
set(CPACK_PACKAGE_DESCRIPTION
    "A player for finished Japanese text adventures: a data.aoat project file
with folders of BMP pictures, WAV sounds and MIDI songs beside it. Games
copied from a Windows disk play as they are, with file names in any letter
case and in Shift-JIS. Saves go to the user's data folder, screenshots to
the pictures folder; headless runs check a game from a script.
.
The package holds the player, the aoat authoring tool (build, dump, lint and
graph a game's story) and a short demo game.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${AOAT_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The music needs a General MIDI sound font and the story's texts the
# Japanese fonts; without them the player still runs (silent songs, another
# face), so they are recommended rather than required.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "timgm6mb-soundfont, fonts-ipafont-gothic, fonts-ipafont-mincho")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "graphviz")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
