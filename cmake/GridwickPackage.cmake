# The Debian package: `cpack -G DEB` in the build folder (or
# `cmake --build build --target package`) writes gridwick_<version>_<arch>.deb.
# Its dependencies come from the shared libraries the programs actually link
# (dpkg-shlibdeps), plus what they load at run time without linking it.
set(CPACK_PACKAGE_NAME gridwick)
set(CPACK_PACKAGE_VENDOR "The Gridwick developers")
set(CPACK_PACKAGE_CONTACT "The Gridwick developers <gridwick@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://gridwick.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "nonogram maker and player")
set(CPACK_PACKAGE_DESCRIPTION
    "Two desktop programs for nonograms (paint-by-number puzzles) of up to
50 x 50 cells, in black and white or in eight colours, and a command-line
tool:
 - gridwick, the maker: draw a puzzle, make one from a picture, save it as
   PBM or PPM, print it and test whether logic alone solves it;
 - puzzler, the player: open a puzzle and solve it;
 - gridwick-cli: clues, conversion and solver checks for scripts.
Both programs speak English, Dutch and Italian. Sample puzzles included.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# "misc", not "games": Debian keeps games in /usr/games, the programs are in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in Dutch and Italian are files Qt loads, not libraries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# Arial's metrics for the clue layout; the desktop's file opener for the help guides.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
