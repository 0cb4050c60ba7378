# SPDX-License-Identifier: GPL-3.0-or-later
# The world's cities for the configuration window's Place box, made at build time from the
# GeoNames data of Debian's libgeonames-dev (CC BY 4.0, credited in the README and the
# package's copyright file) into a table that the windows library embeds as the resource
# :/places/places.tsv. Without the library the Place box offers the zone table's cities.
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_check_modules(GEONAMES QUIET IMPORTED_TARGET geonames)
endif()
if(NOT GEONAMES_FOUND)
  message(STATUS "libgeonames-dev not found: the Place box offers only the zone table's cities")
  return()
endif()
enable_language(C)
add_executable(make_places tools/places/make_places.c)
target_link_libraries(make_places PRIVATE PkgConfig::GEONAMES)
set(PLACES_TABLE ${CMAKE_BINARY_DIR}/places/places.tsv)
add_custom_command(OUTPUT ${PLACES_TABLE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/places
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C LANGUAGE= $<TARGET_FILE:make_places> ${PLACES_TABLE}
  DEPENDS make_places
  COMMENT "Making the place table from the GeoNames data")
set_source_files_properties(${PLACES_TABLE} PROPERTIES GENERATED TRUE)
qt_add_resources(cresselle_ui places PREFIX /places BASE ${CMAKE_BINARY_DIR}/places
  FILES ${PLACES_TABLE})
