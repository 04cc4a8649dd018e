# `./make.sh package`: a Debian package of the installed copy, build/skarveth_<version>_<arch>.deb.
# Its dependencies come from the libraries the programs link (dpkg-shlibdeps), so no list has
# to be kept by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skarveth)
# The version the menu shows and --version prints, kept in common/Version.h alone; the
# metadata's release and the manual pages must name the same (the packaging tests check).
set(SK_VERSION_HEADER ${PROJECT_SOURCE_DIR}/common/Version.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${SK_VERSION_HEADER})
file(STRINGS ${SK_VERSION_HEADER} SK_PACKAGE_VERSION REGEX "kGameVersion = \"[^\"]+\"")
string(REGEX REPLACE ".*kGameVersion = \"([^\"]+)\".*" "\\1" SK_PACKAGE_VERSION
       "${SK_PACKAGE_VERSION}")
if(NOT SK_PACKAGE_VERSION MATCHES "^[0-9][0-9.]*$")
  message(FATAL_ERROR "No kGameVersion found in ${SK_VERSION_HEADER}")
endif()
set(CPACK_PACKAGE_VERSION ${SK_PACKAGE_VERSION})
set(CPACK_PACKAGE_VENDOR "Vosk Game Works")
set(CPACK_PACKAGE_CONTACT "Vosk Game Works <packages@vosk.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shooting-gallery game: stop the walkers before the exit")
set(CPACK_PACKAGE_DESCRIPTION
  "Codename: Skarveth is a 2D shooting gallery for one player. Characters
walk fixed paths over a painted map towards an exit; you aim with the
mouse and fire a railgun, while scenery hides them on the way. Every one
that gets through costs health, and your frags go into a high-score table
for each map.
.
The package also holds SKMAP, which turns a map description (a JPEG
background, a mask and paths of waypoints) into a map the game lists and
plays, SKVIEW to check a map, SKDEMO to play recorded sessions headless
and SKPACK for the data archive.
.
SKEDIT, the map editor, makes maps by pointing at the picture: speeds
instead of ticks, the models walking the paths as in a match, and how
hard the map is, measured after every edit.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vosk.example/skarveth)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A cross build packs for its target (the toolchain file names the Debian architecture); its
# dependencies need dpkg-shlibdeps run with DEB_HOST_ARCH set to the same, as make.sh does.
if(CMAKE_CROSSCOMPILING AND SK_CROSS_DEB_ARCH)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${SK_CROSS_DEB_ARCH})
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/CompressPackageDocs.cmake
                            ${CMAKE_CURRENT_LIST_DIR}/PackageModes.cmake)
include(CPack)
