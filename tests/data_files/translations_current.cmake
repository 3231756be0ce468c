# The translation source knows every text of the program, and no other: lupdate run over the
# sources into a copy of translations/varnex_de.ts must find nothing new, so no text of the
# sources is missing from the committed file (where it would stay English, and be added
# unfinished later), and remove nothing.
# cmake -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... -P translations_current.cmake
file(MAKE_DIRECTORY ${WORK_DIR})
set(copy ${WORK_DIR}/varnex_de.ts)
file(COPY_FILE ${SOURCE_DIR}/translations/varnex_de.ts ${copy})
execute_process(
    COMMAND ${LUPDATE} -locations none -no-obsolete ui platform report text calendar export -ts ${copy}
    WORKING_DIRECTORY ${SOURCE_DIR}
    OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${report}")
endif()
string(REGEX MATCH "\\(([0-9]+) new and" found "${report}")
if(NOT CMAKE_MATCH_1 EQUAL 0)
    message(FATAL_ERROR "varnex_de.ts lacks ${CMAKE_MATCH_1} text(s) of the sources; run the target "
                        "update_translations and translate them:\n${report}")
endif()
# And every text of the file is still found in the sources: a call lupdate no longer reads
# (or a text gone) would leave its translation unused.
string(REGEX MATCH "Removed ([0-9]+) obsolete" removed "${report}")
if(removed)
    message(FATAL_ERROR "lupdate no longer finds ${CMAKE_MATCH_1} text(s) of varnex_de.ts in the sources; a "
                        "translate() call it cannot read, or a text removed (run update_translations):\n${report}")
endif()
file(READ ${copy} text)
string(FIND "${text}" "type=\"unfinished\"" unfinished)
if(NOT unfinished EQUAL -1)
    message(FATAL_ERROR "varnex_de.ts has an unfinished translation")
endif()
message(STATUS "varnex_de.ts: every text of the sources, every one translated")
