# SPDX-License-Identifier: GPL-3.0-or-later
# Installation layout and the Debian package.
# The program finds its shipped files at <prefix>/share/cresselle/runtime, beside its bin/.
include(GNUInstallDirs)
set(CRESSELLE_RUNTIME_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/cresselle/runtime)
set(CRESSELLE_DOC_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/doc/cresselle)
install(TARGETS cresselle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET cresselle-cli)
  install(TARGETS cresselle-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES runtime/data.dat runtime/Cresselle.ico DESTINATION ${CRESSELLE_RUNTIME_INSTALL_DIR})
install(DIRECTORY runtime/docs DESTINATION ${CRESSELLE_RUNTIME_INSTALL_DIR})
install(FILES README.md DESTINATION ${CRESSELLE_DOC_INSTALL_DIR} OPTIONAL)
install(FILES packaging/copyright DESTINATION ${CRESSELLE_DOC_INSTALL_DIR})

# Manual pages and the changelog are installed compressed, as Debian lays them out
# (gzip -9n: no name or time stamp, so the package builds reproducibly).
find_program(GZIP_PROGRAM gzip)
set(CRESSELLE_GZIPPED)
foreach(item man/cresselle.1 man/cresselle-cli.1 changelog)
  get_filename_component(name ${item} NAME)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
    COMMAND ${GZIP_PROGRAM} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${item} > ${out}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${item} VERBATIM)
  list(APPEND CRESSELLE_GZIPPED ${out})
endforeach()
add_custom_target(packaging_files ALL DEPENDS ${CRESSELLE_GZIPPED})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/cresselle.1.gz
  ${CMAKE_CURRENT_BINARY_DIR}/packaging/cresselle-cli.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CRESSELLE_DOC_INSTALL_DIR})

if(UNIX AND NOT APPLE)
  install(FILES packaging/cresselle.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/io.github.cresselle.Cresselle.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 48 128 256)
    install(FILES resources/icons/cresselle-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME cresselle.png)
  endforeach()
endif()

set(CPACK_PACKAGE_NAME cresselle)
set(CPACK_PACKAGE_VENDOR "Cresselle")
set(CPACK_PACKAGE_CONTACT "Cresselle maintainers <maintainers@users.noreply.c-seed-0eef8d0d.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lunar almanac: Moon phases, ephemeris, eclipses, lunar features")
# Debian's extended description: lines of at most 80 characters, each starting with a space
# (CPack adds the space).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Cresselle shows the phase of the Moon in a month calendar beside a panel of
lunar and solar data for one observer: age, illumination, distance, position,
librations, rise, transit and set, twilight and sidereal time. Report windows
give rise and set tables, an observing aid, lunar eclipses, equinoxes and
solstices, Easter, a page of phase drawings and the times the Sun rises and
sets over named lunar features. A command-line companion prints the same
figures as text, CSV, JSON or an iCalendar file.")
set(CPACK_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# dpkg-shlibdeps finds the libraries the programs link: Debian 12's Qt 6 runtime (libqt6core6,
# libqt6gui6 with its JPEG, ICO and X11 plugins, libqt6widgets6, libqt6printsupport6) and the
# C++ runtime. The fonts are asked for by name, so their package is listed by hand.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
