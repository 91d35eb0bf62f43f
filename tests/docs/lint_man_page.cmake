# Lints a man page with mandoc and groff; any warning fails.
#
#   cmake -DPAGE=<page> -DMANDOC=<mandoc> -DGROFF=<groff> -P lint_man_page.cmake
cmake_minimum_required(VERSION 3.25)

foreach(linter MANDOC GROFF)
    if(linter STREQUAL "MANDOC")
        set(command ${MANDOC} -Tlint -W warning ${PAGE})
    else()
        set(command ${GROFF} -man -ww -z ${PAGE})
    endif()
    execute_process(COMMAND ${command} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    # groff reports warnings on standard error and still exits 0.
    if(NOT status EQUAL 0 OR NOT out STREQUAL "" OR NOT err STREQUAL "")
        message(FATAL_ERROR "${command} (${status}):\n${out}${err}")
    endif()
endforeach()
