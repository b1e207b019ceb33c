# The layers of src/, checked on every #include line:
#   core/          no Qt header; only its own folders (model/, engine/, ansicht/, druck/, storage/,
#                  substitution/)
#   core/model/    only model/: the lowest layer knows neither engine/, storage/ nor substitution/
#   core/engine/, core/storage/, core/substitution/
#                  nothing of ansicht/ or druck/: planning never depends on what windows or pages show
#   core/ansicht/  nothing of druck/: a page may use a window's rows, never the other way round
#   gui/platform/  only platform/ and the core; no other gui folder (app/, views/, ...)
#   gui/app/       platform/, app/ and the core; no feature folder (every gui folder but platform/
#                  and app/: views/, masterdata/, print/, substitution/ ...)
#   a feature      platform/, app/, itself and the core; no other feature folder
#   gui/*.cpp      (the program's installation) everything
# The compiler cannot tell: the program's include paths let every gui file reach every gui folder.
#
#   cmake -DWURZEL=<the src folder> -P schichten.cmake
#
# Lists every forbidden include and fails; prints nothing when the layers hold.

cmake_minimum_required(VERSION 3.25)
if(WURZEL)
  get_filename_component(WURZEL "${WURZEL}" ABSOLUTE)
endif()
if(NOT WURZEL OR NOT IS_DIRECTORY "${WURZEL}/core")
  message(FATAL_ERROR "usage: cmake -DWURZEL=<src folder> -P schichten.cmake")
endif()

function(ordner_von basis ergebnis)
  set(liste)
  if(IS_DIRECTORY "${basis}")
    file(GLOB eintraege LIST_DIRECTORIES true RELATIVE "${basis}" "${basis}/*")
    foreach(e IN LISTS eintraege)
      if(IS_DIRECTORY "${basis}/${e}")
        list(APPEND liste "${e}")
      endif()
    endforeach()
  endif()
  set(${ergebnis} "${liste}" PARENT_SCOPE)
endfunction()

ordner_von("${WURZEL}/core" kern)
ordner_von("${WURZEL}/gui" gui)
set(merkmale ${gui})
list(REMOVE_ITEM merkmale platform app)
list(TRANSFORM kern APPEND "/" OUTPUT_VARIABLE kern_text)
string(REPLACE ";" ", " kern_text "${kern_text}")

set(verstoesse 0)
file(GLOB_RECURSE dateien RELATIVE "${WURZEL}" "${WURZEL}/core/*" "${WURZEL}/gui/*")
list(FILTER dateien INCLUDE REGEX "\\.(h|hpp|cpp|cc)$")
list(SORT dateien)
foreach(datei IN LISTS dateien)
  file(STRINGS "${WURZEL}/${datei}" zeilen REGEX "^[ \t]*#[ \t]*include")
  foreach(zeile IN LISTS zeilen)
    if(NOT zeile MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"]")
      continue()
    endif()
    set(klammer "${CMAKE_MATCH_1}")
    set(pfad "${CMAKE_MATCH_2}")
    string(REGEX MATCH "^[^/]*" erster "${pfad}")
    # Project headers are quoted; an angle include counts as one when it names a project folder.
    set(eigen FALSE)
    if(klammer STREQUAL "\"" OR (pfad MATCHES "/" AND (erster IN_LIST kern OR erster IN_LIST gui)))
      set(eigen TRUE)
    endif()

    set(grund "")
    if(datei MATCHES "^core/")
      if(NOT eigen AND pfad MATCHES "^(Q[A-Za-z]|q[a-z0-9_]*\\.h$)")
        set(grund "src/core includes no Qt header")
      elseif(eigen AND NOT erster IN_LIST kern)
        set(grund "src/core includes only its own folders (${kern_text}), nothing of src/gui")
      elseif(eigen AND datei MATCHES "^core/model/" AND NOT erster STREQUAL "model")
        set(grund "src/core/model includes nothing of engine/, storage/ or substitution/")
      elseif(eigen AND datei MATCHES "^core/(engine|storage|substitution)/"
             AND erster MATCHES "^(ansicht|druck)$")
        set(grund "planning, storage and substitution include nothing of ansicht/ or druck/")
      elseif(eigen AND datei MATCHES "^core/ansicht/" AND erster STREQUAL "druck")
        set(grund "src/core/ansicht includes nothing of druck/")
      endif()
    elseif(datei MATCHES "^gui/platform/")
      if(eigen AND NOT erster STREQUAL "platform")
        # A core folder may share its name with a gui folder: what exists in gui/ is gui's.
        if(NOT erster IN_LIST kern OR EXISTS "${WURZEL}/gui/${pfad}")
          set(grund "src/gui/platform includes only platform/ and the core, no other gui folder")
        endif()
      endif()
    elseif(eigen AND datei MATCHES "^gui/([^/]+)/")
      set(ordner "${CMAKE_MATCH_1}")
      # The gui folder the include reaches, a relative path resolved from the including file.
      set(ziel "${pfad}")
      if(pfad MATCHES "^\\.")
        get_filename_component(hier "${WURZEL}/${datei}" DIRECTORY)
        cmake_path(ABSOLUTE_PATH ziel BASE_DIRECTORY "${hier}" NORMALIZE)
        cmake_path(RELATIVE_PATH ziel BASE_DIRECTORY "${WURZEL}/gui")
      endif()
      string(REGEX MATCH "^[^/]*" zielordner "${ziel}")
      set(merkmal FALSE)
      if(zielordner IN_LIST merkmale AND (NOT zielordner IN_LIST kern OR EXISTS "${WURZEL}/gui/${ziel}"))
        set(merkmal TRUE)
      endif()
      if(merkmal AND ordner STREQUAL "app")
        set(grund "src/gui/app includes no feature folder (${zielordner}/): features register with it")
      elseif(merkmal AND ordner IN_LIST merkmale AND NOT zielordner STREQUAL ordner)
        set(grund "feature folders include no other feature folder: they meet in platform/ and app/")
      endif()
    endif()

    if(grund)
      string(STRIP "${zeile}" zeile)
      message("src/${datei}: ${zeile}\n    forbidden: ${grund}")
      math(EXPR verstoesse "${verstoesse} + 1")
    endif()
  endforeach()
endforeach()

if(verstoesse GREATER 0)
  message(FATAL_ERROR "${verstoesse} include(s) break the layers (cmake/schichten.cmake)")
endif()
