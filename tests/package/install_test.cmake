# cmake -DBUILD_DIR=<build> -DPREFIX=<empty folder> -DMIT_CLI=ON|OFF -DVERSION=<x> -P install_test.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE fehler)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install scheiterte (${rc}): ${fehler}")
endif()

set(daten share/kugelblick)
foreach(datei bin/kugelblick ${daten}/GZ.649 ${daten}/Quo.649 ${daten}/Demo-Normalschein.nkb
        ${daten}/Demo-Systemschein.skb ${daten}/QUELLEN.md ${daten}/downloads/GZ.649 ${daten}/Kugelblick.qhc
        ${daten}/Kugelblick.qch share/applications/kugelblick.desktop
        share/icons/hicolor/scalable/apps/kugelblick.svg)
    if(NOT EXISTS ${PREFIX}/${datei})
        message(FATAL_ERROR "nicht installiert: ${datei}")
    endif()
endforeach()

# The menu entry's Exec line, run as a desktop would: the program found through PATH.
file(STRINGS ${PREFIX}/share/applications/kugelblick.desktop exec REGEX "^Exec=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" programm "${exec}")
if(NOT programm STREQUAL "kugelblick")
    message(FATAL_ERROR "unerwartete Exec-Zeile: ${exec}")
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=KUGELBLICK_DATENSATZ "PATH=${PREFIX}/bin:$ENV{PATH}"
            ${programm} --selbsttest
    WORKING_DIRECTORY ${PREFIX}
    RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE fehler TIMEOUT 300)
message(STATUS "${aus}")
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "Selbsttest scheiterte (${rc}):\n${aus}\n${fehler}")
endif()
# Everything from the prefix, nothing from the build tree.
file(SIZE ${PREFIX}/${daten}/downloads/GZ.649 bytes)
math(EXPR ziehungen "${bytes} / 16")
foreach(zeile "Datensatz: ${PREFIX}/${daten}/" "Hilfe: ${PREFIX}/${daten}/Kugelblick.qhc (bereit)"
        "Gewinnreihen: ${ziehungen}" "Hauptfenster: sichtbar" "Selbsttest: bestanden")
    string(FIND "${aus}" "${zeile}\n" stelle)
    if(stelle LESS 0)
        message(FATAL_ERROR "fehlt in der Ausgabe: ${zeile}\n${aus}")
    endif()
endforeach()

if(MIT_CLI)
    execute_process(COMMAND ${PREFIX}/bin/kugelblick-cli --version
                    RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE fehler TIMEOUT 60)
    string(FIND "${aus}" "${VERSION}" stelle)
    if(NOT rc EQUAL 0 OR stelle LESS 0)
        message(FATAL_ERROR "kugelblick-cli --version (${rc}): ${aus}${fehler}")
    endif()
endif()
