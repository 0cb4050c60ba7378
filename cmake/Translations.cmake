# SPDX-License-Identifier: GPL-3.0-or-later
# translations/cresselle_<lang>.ts -> <build>/translations/cresselle_<lang>.qm with lrelease
# (Debian's qt6-l10n-tools), embedded into cresselle_ui as the resources ":/translations/...".
# Without lrelease the program is built in English only, and says so here.
find_program(CRESSELLE_LRELEASE NAMES lrelease lrelease-qt6
  HINTS /usr/lib/qt6/bin /usr/lib/qt6/libexec)
file(GLOB CRESSELLE_TS_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/translations/cresselle_*.ts)
if(CRESSELLE_LRELEASE AND CRESSELLE_TS_FILES)
  set(qm_dir ${CMAKE_BINARY_DIR}/translations)
  file(MAKE_DIRECTORY ${qm_dir})
  set(qm_files)
  set(qrc_entries)
  foreach(ts ${CRESSELLE_TS_FILES})
    get_filename_component(stem ${ts} NAME_WE)
    set(qm ${qm_dir}/${stem}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CRESSELLE_LRELEASE} -silent ${ts} -qm ${qm}
      DEPENDS ${ts} COMMENT "Translation ${stem}.qm")
    list(APPEND qm_files ${qm})
    string(APPEND qrc_entries "    <file>${stem}.qm</file>\n")
  endforeach()
  set(qrc ${qm_dir}/translations.qrc)
  file(CONFIGURE OUTPUT ${qrc} CONTENT
    "<RCC>\n  <qresource prefix=\"/translations\">\n${qrc_entries}  </qresource>\n</RCC>\n")
  set(qrc_cpp ${qm_dir}/qrc_translations.cpp)
  add_custom_command(OUTPUT ${qrc_cpp}
    COMMAND Qt6::rcc --name translations --output ${qrc_cpp} ${qrc}
    DEPENDS ${qm_files} ${qrc} Qt6::rcc
    WORKING_DIRECTORY ${qm_dir}
    COMMENT "Embedding the translations")
  set_source_files_properties(${qrc_cpp} PROPERTIES SKIP_AUTOGEN ON GENERATED ON)
  target_sources(cresselle_ui PRIVATE ${qrc_cpp})
  target_compile_definitions(cresselle_ui PUBLIC CRESSELLE_TRANSLATIONS=1)
else()
  message(WARNING "lrelease (qt6-l10n-tools) not found: the program is built in English only")
endif()
