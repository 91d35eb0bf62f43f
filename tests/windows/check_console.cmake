# Runs feed_fizo.exe on a console, as at a Windows prompt: under wine a
# pseudo-terminal stands in for the console. The console's code page is
# shown before and after, so a program that leaves it changed is caught too.
#
#   cmake -DWINE=<wine command> -DPROGRAM=<exe> -DCODE_PAGE_PROGRAM=<exe>
#         -P check_console.cmake
cmake_minimum_required(VERSION 3.25)

set(food "寿司")
# Z: is the root of the unix file system in a wine prefix.
string(REPLACE "/" "\\" program "Z:${PROGRAM}")
string(REPLACE "/" "\\" code_page "Z:${CODE_PAGE_PROGRAM}")
set(wine "")
foreach(word IN LISTS WINE)
    string(APPEND wine "'${word}' ")
endforeach()
string(ASCII 27 esc)
string(ASCII 7 bel)

# Once on the console as it starts, and once on a console already in the
# UTF-8 code page, which feed_fizo then leaves alone.
foreach(before "" "chcp 65001 >nul & ")
    set(session "${before}${code_page} & ${program} ${food} & ${code_page}")
    execute_process(COMMAND script -qec "${wine}cmd /c '${session}'" /dev/null
                    INPUT_FILE /dev/null OUTPUT_FILE console.out RESULT_VARIABLE status)
    file(READ console.out screen)

    # What the terminal shows: wine draws a blank as "erase, then step right".
    string(REGEX REPLACE "${esc}\\[K${esc}\\[1C" " " screen "${screen}")
    string(REGEX REPLACE "${esc}\\[[0-9;?]*[A-Za-z]" "" screen "${screen}")
    string(REGEX REPLACE "${esc}\\][^${bel}]*${bel}" "" screen "${screen}")
    string(REPLACE "\r" "" screen "${screen}")

    if(NOT status EQUAL 0
       OR NOT screen MATCHES "^(console output code page [0-9]+\n)fizo refuses to eat ${food}!\n(.*)$"
       OR NOT CMAKE_MATCH_2 STREQUAL CMAKE_MATCH_1)
        message(FATAL_ERROR "on the console (${session}), status ${status}, the screen shows:\n${screen}")
    endif()
endforeach()
