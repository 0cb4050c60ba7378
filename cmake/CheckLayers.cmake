# SPDX-License-Identifier: GPL-3.0-or-later
# Refuses an include of the project's own headers across the layers of the README's "Code
# layout": each rule names a group of sources and the header paths (prefixes) they may include.
#   cmake -DSOURCE_DIR=<tree> [-DSTAMP=<file>] -P cmake/CheckLayers.cmake
set(CORE_HEADERS "settings/ObserverSettings.h,zone/")
# <sources, relative to src/ (a folder ends in /)>|<allowed prefixes>, both comma-separated
set(RULES
  "astro/|astro/"
  "export/|astro/,export/"
  "data/|astro/,data/"
  "zone/|astro/,zone/"
  "settings/ObserverSettings,settings/SettingsStore|astro/,${CORE_HEADERS}"
  "platform/|platform/"
  "print/|astro/,print/,platform/,${CORE_HEADERS}"
  "cli/|astro/,data/,export/,cli/,${CORE_HEADERS}"
  "ui/reports/|astro/,data/,export/,platform/,print/,settings/,zone/,ui/LocalDateTime.h,ui/Windows.h,ui/frame/,ui/reports/,ui/state/,ui/style/"
)

# Sets `result` TRUE when `text` begins with one of `prefixes`.
function(starts_with_any result text prefixes)
  set(found FALSE)
  foreach(prefix ${prefixes})
    string(FIND "${text}" "${prefix}" at)
    if(at EQUAL 0)
      set(found TRUE)
    endif()
  endforeach()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h)
set(faults "")
foreach(rule ${RULES})
  string(REPLACE "|" ";" parts "${rule}")
  list(GET parts 0 groups)
  list(GET parts 1 allowed)
  string(REPLACE "," ";" groups "${groups}")
  string(REPLACE "," ";" allowed "${allowed}")
  foreach(source ${sources})
    starts_with_any(member "${source}" "${groups}")
    if(NOT member)
      continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/src/${source} includes REGEX "^#include \"[^\"]+\"")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
      starts_with_any(ok "${header}" "${allowed}")
      if(NOT ok)
        string(APPEND faults "\n  src/${source} includes \"${header}\" from another layer")
      endif()
    endforeach()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes across the layers:${faults}")
endif()
if(STAMP)
  file(TOUCH ${STAMP})
endif()
