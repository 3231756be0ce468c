# Makes varnex-cli.1 with help2man from the program's --help and --version (in UTF-8: "±",
# "清明"), then gives the
# page's .TH line the release date as YYYY-MM-DD (help2man writes "Month YYYY", which mandoc's
# lint does not take as a date).
# cmake -DHELP2MAN=... -DPROGRAM=... -DINCLUDE=... -DOUTPUT=... -DDATE=... -P help2man.cmake
execute_process(
    COMMAND ${HELP2MAN} --locale=C.UTF-8 --no-info --no-discard-stderr
            --name "dates and times of equinoxes, solstices and cross-quarter days"
            --include ${INCLUDE} --output ${OUTPUT} ${PROGRAM}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "help2man failed: ${result}")
endif()
file(READ ${OUTPUT} page)
string(REGEX REPLACE "\n\\.TH ([^ ]+) ([^ ]+) \"[^\"]*\"" "\n.TH \\1 \\2 \"${DATE}\"" page "${page}")
file(WRITE ${OUTPUT} "${page}")
