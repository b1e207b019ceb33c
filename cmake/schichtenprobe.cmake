# Proves the layer check on small trees: every case is one file with one include line in an
# otherwise empty src/ layout, and the check must pass or fail as the table says.
#
#   cmake -DORDNER=<scratch folder> -P schichtenprobe.cmake

cmake_minimum_required(VERSION 3.25)
if(NOT ORDNER)
  message(FATAL_ERROR "usage: cmake -DORDNER=<scratch folder> -P schichtenprobe.cmake")
endif()
set(pruefer "${CMAKE_CURRENT_LIST_DIR}/schichten.cmake")

# file | include | ok or verboten
set(faelle
  "core/model/a.h|\"model/b.h\"|ok"
  "core/model/a.cpp|<vector>|ok"
  "core/model/a.cpp|\"engine/b.h\"|verboten"
  "core/model/a.cpp|\"storage/b.h\"|verboten"
  "core/model/a.h|\"substitution/b.h\"|verboten"
  "core/engine/a.cpp|\"storage/b.h\"|ok"
  "core/storage/a.cpp|\"substitution/b.h\"|ok"
  "core/engine/a.cpp|<QString>|verboten"
  "core/storage/a.h|<QtCore/QList>|verboten"
  "core/substitution/a.cpp|<qglobal.h>|verboten"
  "core/engine/a.cpp|\"platform/b.h\"|verboten"
  "core/engine/a.cpp|<app/b.h>|verboten"
  "core/engine/a.cpp|\"../../gui/app/b.h\"|verboten"
  "core/ansicht/a.cpp|\"engine/b.h\"|ok"
  "core/druck/a.cpp|\"ansicht/b.h\"|ok"
  "core/druck/a.h|\"engine/b.h\"|ok"
  "core/engine/a.cpp|\"ansicht/b.h\"|verboten"
  "core/engine/a.h|\"druck/b.h\"|verboten"
  "core/engine/stundenklick.cpp|\"ansicht/planzellen.h\"|verboten"
  "core/engine/sperrauswahl.h|\"ansicht/zellteile.h\"|verboten"
  "core/ansicht/planzuege.cpp|\"engine/stundenklick.h\"|ok"
  "core/druck/a.cpp|\"engine/vorgaberegeln.h\"|ok"
  "core/storage/a.cpp|\"druck/b.h\"|verboten"
  "core/substitution/a.cpp|\"ansicht/b.h\"|verboten"
  "core/ansicht/a.cpp|\"druck/b.h\"|verboten"
  "core/model/a.cpp|\"ansicht/b.h\"|verboten"
  "gui/platform/a.cpp|\"platform/b.h\"|ok"
  "gui/platform/a.cpp|<QWidget>|ok"
  "gui/platform/a.h|\"model/schule.h\"|ok"
  "gui/platform/a.cpp|\"storage/b.h\"|ok"
  "gui/platform/a.cpp|\"app/b.h\"|verboten"
  "gui/platform/a.h|\"views/b.h\"|verboten"
  "gui/platform/a.cpp|\"print/b.h\"|verboten"
  "gui/platform/a.cpp|\"substitution/fenster.h\"|verboten"
  "gui/platform/a.cpp|\"../app/b.h\"|verboten"
  "gui/views/a.cpp|\"app/b.h\"|ok"
  "gui/views/a.cpp|\"platform/b.h\"|ok"
  "gui/views/a.cpp|\"views/b.h\"|ok"
  "gui/views/a.cpp|\"substitution/b.h\"|ok"
  "gui/print/a.cpp|\"model/b.h\"|ok"
  "gui/installation.cpp|\"views/b.h\"|ok"
  "gui/installation.cpp|\"substitution/fenster.h\"|ok"
  "gui/app/a.cpp|\"substitution/b.h\"|ok"
  "gui/app/a.cpp|\"platform/b.h\"|ok"
  "gui/app/a.cpp|\"views/b.h\"|verboten"
  "gui/app/a.h|\"print/b.h\"|verboten"
  "gui/app/a.cpp|\"substitution/fenster.h\"|verboten"
  "gui/app/a.cpp|\"../print/b.h\"|verboten"
  "gui/views/a.cpp|\"print/b.h\"|verboten"
  "gui/print/a.cpp|\"views/b.h\"|verboten"
  "gui/print/a.h|\"substitution/fenster.h\"|verboten"
  "gui/substitution/a.cpp|\"print/b.h\"|verboten"
  "gui/substitution/a.cpp|\"../views/b.h\"|verboten"
  "gui/print/a.cpp|<views/b.h>|verboten"
  "gui/app/a.cpp|\"pruefung/b.h\"|verboten"
  "gui/app/a.cpp|\"zwischenablage/b.h\"|verboten"
  "gui/app/a.h|\"export/b.h\"|verboten"
  "gui/app/a.cpp|\"einstellungen/b.h\"|verboten"
  "gui/print/a.cpp|\"pruefung/b.h\"|verboten"
  "gui/einstellungen/a.cpp|\"views/b.h\"|verboten"
  "gui/pruefung/a.cpp|\"app/b.h\"|ok"
  "gui/installation.cpp|\"zwischenablage/b.h\"|ok")

set(fehler 0)
foreach(fall IN LISTS faelle)
  string(REPLACE "|" ";" teile "${fall}")
  list(GET teile 0 datei)
  list(GET teile 1 include)
  list(GET teile 2 erwartet)
  set(wurzel "${ORDNER}/src")
  file(REMOVE_RECURSE "${ORDNER}")
  foreach(o core/model core/engine core/ansicht core/druck core/storage core/substitution gui/platform gui/app gui/views gui/print gui/substitution
         gui/export gui/pruefung gui/zwischenablage gui/einstellungen)
    file(MAKE_DIRECTORY "${wurzel}/${o}")
  endforeach()
  # A gui folder named like a core folder: its headers are gui's.
  file(WRITE "${wurzel}/gui/substitution/fenster.h" "")
  file(WRITE "${wurzel}/${datei}" "// probe\n#include ${include}\n")
  execute_process(COMMAND "${CMAKE_COMMAND}" -DWURZEL=${wurzel} -P "${pruefer}" RESULT_VARIABLE rc
                  OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
  if(erwartet STREQUAL "ok" AND NOT rc EQUAL 0)
    message("${datei} with ${include}: refused, should pass\n${ausgabe}")
    math(EXPR fehler "${fehler} + 1")
  elseif(erwartet STREQUAL "verboten")
    string(FIND "${ausgabe}" "src/${datei}: #include ${include}" stelle)
    if(rc EQUAL 0 OR stelle EQUAL -1)
      message("${datei} with ${include}: not named as forbidden\n${ausgabe}")
      math(EXPR fehler "${fehler} + 1")
    endif()
  endif()
endforeach()
file(REMOVE_RECURSE "${ORDNER}")

if(fehler GREATER 0)
  message(FATAL_ERROR "${fehler} case(s) of the layer check went wrong")
endif()
