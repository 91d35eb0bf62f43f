# Runs one end-to-end case of cases.cmake and compares standard output,
# standard error and exit status with the row, each on its own.
#
#   cmake -DFIZO_CASE=<name> -DFIZO_PROGRAM=<path> [-DFIZO_EMULATOR=<command>]
#         [-DFIZO_SYSTEM=Windows] -P run_case.cmake
#
# On Windows the runtime writes text mode "\r\n" line ends, and a row's
# WINDOWS_STDERR, where it has one, replaces its STDERR.
cmake_minimum_required(VERSION 3.25)

foreach(required FIZO_CASE FIZO_PROGRAM)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "run_case.cmake: ${required} is not set")
    endif()
endforeach()

# Shows every byte that matters in a failure message: line ends and blanks.
function(fizo_visible out text)
    string(REPLACE "\r" "\\r" text "${text}")
    string(REPLACE "\n" "\\n" text "${text}")
    set(${out} "[${text}]" PARENT_SCOPE)
endfunction()

function(fizo_case name program)
    if(NOT name STREQUAL FIZO_CASE)
        return()
    endif()
    set_property(GLOBAL PROPERTY fizo_case_found TRUE)
    cmake_parse_arguments(PARSE_ARGV 2 case "POSIX_ONLY" "STATUS;STDOUT_TO" "ARGS;STDOUT;STDERR;WINDOWS_STDERR")

    string(CONCAT expected_stdout ${case_STDOUT})
    string(CONCAT expected_stderr ${case_STDERR})
    set(expected_status 0)
    if(DEFINED case_STATUS)
        set(expected_status ${case_STATUS})
    endif()
    if(FIZO_SYSTEM STREQUAL "Windows")
        if(DEFINED case_WINDOWS_STDERR)
            string(CONCAT expected_stderr ${case_WINDOWS_STDERR})
        endif()
        string(REPLACE "\n" "\r\n" expected_stdout "${expected_stdout}")
        string(REPLACE "\n" "\r\n" expected_stderr "${expected_stderr}")
    endif()

    set(command "")
    if(case_STDOUT_TO STREQUAL "closed")
        list(APPEND command /bin/sh -c "exec \"$@\" >&-" sh)
    endif()
    list(APPEND command ${FIZO_EMULATOR} "${FIZO_PROGRAM}")
    # Quoted, so that empty arguments stay arguments.
    if(DEFINED case_ARGS)
        list(APPEND command "${case_ARGS}")
    endif()

    # Bracket arguments pass every word through unchanged, the empty ones too.
    set(call "execute_process(COMMAND")
    foreach(word IN LISTS command)
        string(APPEND call " [==[${word}]==]")
    endforeach()
    # Through files: execute_process would turn "\r\n" into "\n" in a variable.
    set(captured "${CMAKE_CURRENT_BINARY_DIR}/${FIZO_CASE}")
    file(WRITE "${captured}.stdout" "")
    set(stdout_target "${captured}.stdout")
    if(case_STDOUT_TO STREQUAL "full")
        set(stdout_target /dev/full)
    endif()
    string(APPEND call " RESULT_VARIABLE actual_status INPUT_FILE /dev/null"
                       " OUTPUT_FILE [==[${stdout_target}]==] ERROR_FILE [==[${captured}.stderr]==])")
    cmake_language(EVAL CODE "${call}")

    # Compared in hex, so that no byte escapes the comparison.
    foreach(stream stdout stderr)
        file(READ "${captured}.${stream}" actual_${stream})
        file(READ "${captured}.${stream}" actual_${stream}_bytes HEX)
        string(HEX "${expected_${stream}}" expected_${stream}_bytes)
    endforeach()
    set(actual_status_bytes "${actual_status}")
    set(expected_status_bytes "${expected_status}")

    set(failures "")
    foreach(stream stdout stderr status)
        if(NOT actual_${stream}_bytes STREQUAL expected_${stream}_bytes)
            fizo_visible(want "${expected_${stream}}")
            fizo_visible(got "${actual_${stream}}")
            string(APPEND failures "\n${stream} differs\n  expected: ${want}\n  actual:   ${got}")
        endif()
    endforeach()
    if(failures)
        set(shown "")
        foreach(word IN LISTS command)
            string(APPEND shown " [${word}]")
        endforeach()
        message(FATAL_ERROR "case ${FIZO_CASE}:${shown}${failures}")
    endif()
endfunction()

include("${CMAKE_CURRENT_LIST_DIR}/cases.cmake")

get_property(found GLOBAL PROPERTY fizo_case_found)
if(NOT found)
    message(FATAL_ERROR "run_case.cmake: no case named ${FIZO_CASE}")
endif()
