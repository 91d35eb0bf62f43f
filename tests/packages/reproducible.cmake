# Builds the packages a second time from the same sources, in another build
# folder and with another umask, time zone, locale and HOME, and requires
# the same bytes: the two builds' SHA256SUMS must be equal. Names each
# artifact that differs and, with diffoscope, shows where.
#
#   cmake -DSOURCE_DIR=<sources> -DPRESET=<configure preset> -DFIRST=<its build>
#         -DSECOND=<folder for the second> [-DDIFFOSCOPE=<diffoscope>]
#         -P reproducible.cmake
cmake_minimum_required(VERSION 3.25)

# Each setting the opposite of the first build's.
execute_process(COMMAND sh -c umask OUTPUT_VARIABLE umask OUTPUT_STRIP_TRAILING_WHITESPACE)
if(umask MATCHES "22$")
    set(umask 002)
else()
    set(umask 022)
endif()
set(time_zone Pacific/Kiritimati) # UTC+14
if("$ENV{TZ}" STREQUAL time_zone)
    set(time_zone America/Adak) # UTC-10
endif()
set(locale C.UTF-8)
if("$ENV{LC_ALL}" STREQUAL locale)
    set(locale C)
endif()

set(FIRST_DIR ${FIRST})
set(SECOND_DIR ${SECOND}/build)
file(REMOVE_RECURSE ${SECOND})
file(MAKE_DIRECTORY ${SECOND}/home)
message(STATUS "second build in ${SECOND}: umask ${umask}, TZ=${time_zone}, LC_ALL=${locale}")
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env TZ=${time_zone} LC_ALL=${locale} HOME=${SECOND}/home
            sh -c "umask ${umask} && \"$0\" -S \"$1\" --preset \"$2\" -B \"$3\" && \"$0\" --build \"$3\" && cd \"$3\" && cpack"
            ${CMAKE_COMMAND} ${SOURCE_DIR} ${PRESET} ${SECOND_DIR}
    RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the second build failed (${status}):\n${log}")
endif()

foreach(build FIRST SECOND)
    file(STRINGS ${${build}_DIR}/SHA256SUMS ${build}_SUMS)
    if(NOT ${build}_SUMS)
        message(FATAL_ERROR "${${build}_DIR}/SHA256SUMS lists nothing")
    endif()
endforeach()
if(FIRST_SUMS STREQUAL SECOND_SUMS)
    list(JOIN FIRST_SUMS "\n  " sums)
    message(STATUS "both builds made the same bytes:\n  ${sums}")
    return()
endif()

set(report "")
foreach(line IN LISTS FIRST_SUMS SECOND_SUMS)
    string(REGEX REPLACE "^[0-9a-f]+  " "" artifact "${line}")
    if(line IN_LIST FIRST_SUMS AND line IN_LIST SECOND_SUMS OR report MATCHES "\n${artifact} differs")
        continue()
    endif()
    string(APPEND report "\n${artifact} differs")
    if(DIFFOSCOPE AND EXISTS ${FIRST_DIR}/${artifact} AND EXISTS ${SECOND_DIR}/${artifact})
        execute_process(COMMAND ${DIFFOSCOPE} --text -
                                ${FIRST_DIR}/${artifact} ${SECOND_DIR}/${artifact}
                        OUTPUT_VARIABLE differences ERROR_VARIABLE differences)
        string(APPEND report ":\n${differences}")
    endif()
endforeach()
message(FATAL_ERROR "the two builds differ:${report}")
