# The varnex-cli program: exit status 0 with CR LF lines on standard output, 2 with a
# message on standard error and nothing on standard output.
set(out_file "${CMAKE_CURRENT_BINARY_DIR}/cli_program_out.txt")
execute_process(COMMAND ${CLI} 2015 --events march RESULT_VARIABLE status OUTPUT_FILE ${out_file} ERROR_VARIABLE err)
file(READ ${out_file} out)
file(READ ${out_file} out_hex HEX)
if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "^Spring \\(March\\) equinox \\.+ 2015-03-20 CE 22:45 GMT"
   OR NOT out_hex MATCHES "0d0a$")
    message(FATAL_ERROR "good request: status ${status}, out '${out}' (${out_hex}), err '${err}'")
endif()
execute_process(COMMAND ${CLI} 3001 RESULT_VARIABLE status OUTPUT_FILE ${out_file} ERROR_VARIABLE err)
file(READ ${out_file} out)
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "between 1 and 3000")
    message(FATAL_ERROR "bad year: status ${status}, out '${out}', err '${err}'")
endif()
file(REMOVE ${out_file})
