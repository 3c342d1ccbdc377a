# `cpack -G DEB` in a build tree: the Debian package kragmoor, installing under /usr. Its
# dependencies are what dpkg-shlibdeps finds the programs linked with: Debian's Qt 6 Core, Gui
# (which also holds the X11 platform plugin the window opens on) and Widgets, and the C and C++
# runtimes.
set(KRAGMOOR_PACKAGE_MAINTAINER "Kragmoor maintainers <maintainers@kragmoor.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kragmoor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${KRAGMOOR_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulator for the mathematics of a five-reel video slot game")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kragmoor plays a 5-reel, 3-row, 20-line video slot game defined by a text\n"
    "file (reel strips, paytable, seed and the game's own rules) and shows what\n"
    "it really pays: return to player, hit rate, a hit table of every winning\n"
    "combination on every line, jackpots, free-spin features, losing streaks\n"
    "and the running RTP on a chart.\n"
    "\n"
    "It holds a window application for single games and automatic runs\n"
    "(kragmoor, in the desktop's menu), a headless runner for runs of up to\n"
    "10^12 games on every core and for the game's exact analysis and par sheet\n"
    "(kragmoor-sim), and two bundled games.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
