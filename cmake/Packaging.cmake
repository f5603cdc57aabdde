# Installed desktop integration and the Debian package.
#
# `cmake --install` places, under the prefix:
#   bin/lunarys-cli                                     (src/cli)
#   lib/<arch>/lunarys/lunarys-pdf.so, lunarys-atlas.so, lunarys-people.so (src/cli: its modules)
#   share/man/man1/lunarys-cli.1.gz                     (data/man)
#   share/doc/lunarys/copyright                         (data/debian)
#   share/doc/lunarys/changelog.Debian.gz
# and, when the desktop program is built (target `lunarys`):
#   bin/lunarys                                         (src/ui)
#   share/man/man1/lunarys.1.gz
#   share/applications/org.lunarys.Lunarys.desktop
#   share/metainfo/org.lunarys.Lunarys.metainfo.xml
#   share/icons/hicolor/scalable/apps/org.lunarys.Lunarys.svg
#   share/icons/hicolor/<N>x<N>/apps/org.lunarys.Lunarys.png   (N = 16 ... 256)
#
# `cpack -G DEB` in the build folder makes lunarys_<version>-<release>_<arch>.deb,
# whose library dependencies dpkg-shlibdeps computes from the installed programs.
#
# This file is included after the program folders, so `if(TARGET lunarys)` sees
# whether the desktop program is part of this build.

set(LUNARYS_APP_ID org.lunarys.Lunarys)
set(LUNARYS_ICON_SIZES 16 32 48 64 128 256)
set(_lunarys_data ${PROJECT_SOURCE_DIR}/data)

if(TARGET lunarys)
  set(_lunarys_gui ON)
else()
  set(_lunarys_gui OFF)
endif()

# --- Manual pages -----------------------------------------------------------
# Written by hand in roff (data/man/*.1.in); the version is filled in here and
# the pages are compressed as Debian installs them. tests/install checks that
# every option printed by `lunarys-cli --help` is described in the page.
find_program(LUNARYS_GZIP gzip REQUIRED)
set(_lunarys_man_pages lunarys-cli)
if(_lunarys_gui)
  list(APPEND _lunarys_man_pages lunarys)
endif()
set(_lunarys_man_dir ${PROJECT_BINARY_DIR}/man)
set(_lunarys_man_outputs)
foreach(_page IN LISTS _lunarys_man_pages)
  configure_file(${_lunarys_data}/man/${_page}.1.in ${_lunarys_man_dir}/${_page}.1 @ONLY)
  add_custom_command(
    OUTPUT ${_lunarys_man_dir}/${_page}.1.gz
    COMMAND ${LUNARYS_GZIP} -9 -n -k -f ${_page}.1
    DEPENDS ${_lunarys_man_dir}/${_page}.1
    WORKING_DIRECTORY ${_lunarys_man_dir}
    COMMENT "Compressing manual page ${_page}.1"
    VERBATIM)
  list(APPEND _lunarys_man_outputs ${_lunarys_man_dir}/${_page}.1.gz)
endforeach()
add_custom_target(lunarys_man_pages ALL DEPENDS ${_lunarys_man_outputs})
install(FILES ${_lunarys_man_outputs} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# --- Copyright and changelog ------------------------------------------------
# Where Debian keeps them for every package: the machine-readable copyright
# file (GPL-3.0-or-later, with the credit for the GeoNames place data) and the
# package's changelog, compressed without a time stamp. tests/install checks
# that the changelog's newest entry is this version.
set(_lunarys_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/lunarys)
set(_lunarys_debian_dir ${PROJECT_BINARY_DIR}/debian)
configure_file(${_lunarys_data}/debian/changelog ${_lunarys_debian_dir}/changelog.Debian COPYONLY)
add_custom_command(
  OUTPUT ${_lunarys_debian_dir}/changelog.Debian.gz
  COMMAND ${LUNARYS_GZIP} -9 -n -k -f changelog.Debian
  DEPENDS ${_lunarys_debian_dir}/changelog.Debian
  WORKING_DIRECTORY ${_lunarys_debian_dir}
  COMMENT "Compressing the Debian changelog"
  VERBATIM)
add_custom_target(lunarys_changelog ALL DEPENDS ${_lunarys_debian_dir}/changelog.Debian.gz)
install(FILES ${_lunarys_data}/debian/copyright ${_lunarys_debian_dir}/changelog.Debian.gz
        DESTINATION ${_lunarys_doc_dir})

# --- Desktop entry, AppStream metadata, icons --------------------------------
# Only with the desktop program: an entry whose Exec= is missing would be broken.
if(_lunarys_gui)
  install(FILES ${_lunarys_data}/${LUNARYS_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_lunarys_data}/${LUNARYS_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The icon files keep the name lunarys.* in the source tree (the desktop
  # program compiles the PNGs in as its window icon); installed, they carry the
  # application id, which the desktop entry names in Icon=.
  install(FILES ${_lunarys_data}/icons/lunarys.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${LUNARYS_APP_ID}.svg)
  foreach(_size IN LISTS LUNARYS_ICON_SIZES)
    install(FILES ${_lunarys_data}/icons/hicolor/${_size}x${_size}/apps/lunarys.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
            RENAME ${LUNARYS_APP_ID}.png)
  endforeach()
endif()

# --- Debian package (CPack) ---------------------------------------------------
set(LUNARYS_PACKAGE_MAINTAINER "Lunarys developers <lunarys@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lunarys)
set(CPACK_PACKAGE_VENDOR "Lunarys developers")
set(CPACK_PACKAGE_CONTACT "${LUNARYS_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "natal Sun-Moon midpoint astrology reading")
if(_lunarys_gui)
  set(CPACK_PACKAGE_DESCRIPTION
      "Lunarys computes the positions of the Sun, the Moon and the ascendant at the\n"
      "moment of birth from the date, local time, time zone and birthplace, and\n"
      "gives a reading from the midpoint of Sun and Moon: the Sun and Moon signs,\n"
      "the midpoint's sign, element, temperament and house, with their texts.\n"
      "\n"
      "This package contains the desktop program lunarys and the command-line\n"
      "companion lunarys-cli, which prints the same reading as text or JSON.")
else()
  set(CPACK_PACKAGE_DESCRIPTION
      "Lunarys computes the positions of the Sun, the Moon and the ascendant at the\n"
      "moment of birth from the date, local time, time zone and birthplace, and\n"
      "gives a reading from the midpoint of Sun and Moon: the Sun and Moon signs,\n"
      "the midpoint's sign, element, temperament and house, with their texts.\n"
      "\n"
      "This package contains the command-line program lunarys-cli, which prints\n"
      "the reading as text or JSON.")
endif()
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LUNARYS_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Every dependency is computed by dpkg-shlibdeps (package dpkg-dev) from the
# libraries the installed programs link. Qt's X11 (xcb) and offscreen platform
# plugins, which Qt loads at run time, are part of libqt6gui6 in Debian 12, so
# nothing needs to be added by hand; tests/install/package-test.sh installs the
# package without recommended packages and opens the window on an X server.
# The one exception: Qt SQL's SQLite driver, a plugin loaded at run time to
# read and write the kept people, comes in a package of its own.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Data files, not libraries, so no computed dependency names them: the place
# names of every language come with libgeonames (libgeonames-common), the
# ISO 3166 country and state codes with iso-codes, the time-zone table with its
# principal cities with tzdata.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, iso-codes, tzdata")

include(CPack)
