# The varnex-cli program as a whole: the lines of the window's Calculate command with CR LF
# and exit status 0; the summary and CSV; for bad input exit status 2, the window's message
# (or what is accepted) on standard error and nothing on standard output.
#   cmake -DCLI=<varnex-cli> -P cli_program.cmake
cmake_policy(SET CMP0007 NEW)
set(failures "")
set(empty "")  # compared by name: an empty argument would not reach if() through a macro
set(out_file "${CMAKE_CURRENT_BINARY_DIR}/cli_program_out.txt")

# run(<args...>): status, out and err of one command line. CMake drops the CR of CR LF when it
# reads text, so the output is compared in hexadecimal, byte for byte (hex), by the helpers below.
function(run)
    execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE s OUTPUT_FILE ${out_file} ERROR_VARIABLE e)
    file(READ ${out_file} o)
    file(READ ${out_file} h HEX)
    set(status "${s}" PARENT_SCOPE)
    set(out "${o}" PARENT_SCOPE)
    set(hex "${h}" PARENT_SCOPE)
    set(err "${e}" PARENT_SCOPE)
endfunction()
# where(<text> <result>): the byte position of text in the output, or -1.
function(where text result)
    string(HEX "${text}" wanted)
    string(FIND "${hex}" "${wanted}" at)
    if(at GREATER -1)
        math(EXPR at "${at} / 2")
    endif()
    set(${result} ${at} PARENT_SCOPE)
endfunction()
function(same_as text result)
    string(HEX "${text}" wanted)
    if(hex STREQUAL wanted)
        set(${result} 1 PARENT_SCOPE)
    else()
        set(${result} 0 PARENT_SCOPE)
    endif()
endfunction()
function(fail what)
    set(failures "${failures}\n${what}" PARENT_SCOPE)
endfunction()
# expect(<what> <condition...>): the condition as if() takes it, failing with what was seen.
macro(expect what)
    if(NOT (${ARGN}))
        fail("${what}: status ${status}, out '${out}', err '${err}'")
    endif()
endmacro()
function(count_lines result)
    string(REGEX MATCHALL "0d0a" ends "${hex}")
    list(LENGTH ends n)
    set(${result} ${n} PARENT_SCOPE)
endfunction()

run(2015)
count_lines(n)
where("Imbolc (true sun) ............. 2015-02-04 CE " imbolc)
where("\r\nSpring (March) equinox ........ 2015-03-20 CE 22:45 GMT\r\n" march)  # USNO: 22:45 UT
expect("a year" status EQUAL 0 AND err STREQUAL empty AND n EQUAL 12 AND imbolc EQUAL 0 AND march GREATER 0)

run(+2015 --zone +05:30 --weekday --events march)
set(line "Spring (March) equinox ........ 2015-03-21 CE 04:15 GMT+05:30, Saturday\r\n")
same_as("${line}" same)
expect("zone, weekday, events" same)
run(2015 --zone=GMT+05:30 --weekday --events=march)
same_as("${line}" same)
expect("--option=value" same)

run(800 --calendar julian --events samhain,december --method true)
count_lines(n)
where("Samhain (true sun) ............ 800-" samhain)
where("\r\nWinter (December) solstice .... 800-12-" december)
where(" CE " gregorian)
expect("Julian, true sun" n EQUAL 2 AND samhain EQUAL 0 AND december GREATER 0 AND gregorian EQUAL -1)

run(1999 --events june)
string(HEX "--------------------\r\n" separator)
set(years "${hex}${separator}")
run(2000 --events june)
string(APPEND years "${hex}")
run(--from 1999 --to 2000 --events june)
expect("a range of years, separated as requests in the output box" hex STREQUAL years)

run(2015 --all --hemisphere south)
count_lines(n)
where("Lughnassad\r\nTrue sun: 2015-02-04 CE " first)
expect("the summary: eight cells, an empty line between" n EQUAL 27 AND first EQUAL 0)

run(2015 --csv --events march)
where("year,event,method,jd_ut,deltat_seconds,local_date,local_time,weekday\r\n2015,march,,2457102.44" head)
where(",2015-03-20,22:45,Friday\r\n" row)
expect("CSV (22:45 UT is JD 2457102.44792)" head EQUAL 0 AND row GREATER 0)

run(--version)
expect("--version" out STREQUAL "varnex-cli 5.22\n")
run(--help)
where("Usage: varnex-cli" usage)
expect("--help" usage EQUAL 0)

foreach(case
        "3001|Year out of range: The year must lie between 1 and 3000."
        "--from;0;--to;5|The year must lie between 1 and 3000."
        "--events=|Calculate dates and times of selected events: At least one event must be selected."
        "--from;5;--to;3|--from must not come after --to."
        "2015;2016|Only one YEAR"
        "--zone;+13|Accepted: GMT-12:00 to GMT+12:00"
        "--zone|Option --zone needs a value."
        "--events;yule|Accepted: imbolc, march, beltane, june, lughnassad, september, samhain, december."
        "--csv;--all|cannot be combined"
        "--weekday=yes|takes no value"
        "--bogus|Unknown option '--bogus'. Accepted: --calendar")
    string(REPLACE "|" ";" parts "${case}")
    list(POP_BACK parts message)
    run(${parts})
    string(FIND "${err}" "${message}" found)
    expect("bad input ${parts}" status EQUAL 2 AND out STREQUAL empty AND found GREATER -1)
endforeach()

file(REMOVE ${out_file})
if(failures)
    message(FATAL_ERROR "${failures}")
endif()
