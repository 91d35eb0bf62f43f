# Fails unless the README's table of processors names each Linux target of cmake/targets.cmake as
# the table does, Debian's, RPM's and uname -m's names in a row, and names no other.
#   cmake -D README=<README.md> -P tests/docs/readme_targets.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/targets.cmake)
set(expected "")
foreach(row IN LISTS fizo_targets)
    string(REGEX MATCH "^ *linux-([^ ]+)" _ "${row}")
    if(CMAKE_MATCH_1)
        set(debian ${CMAKE_MATCH_1})
        fizo_target_row(linux-${debian})
        list(APPEND expected "${debian} ${fizo_target_rpm} ${fizo_target_processor}")
    endif()
endforeach()
# The README's rows: | <processor> | `<Debian>` | `<RPM>` | `<uname -m>` | ...
file(STRINGS ${README} rows REGEX "^\\| [^|]+ \\| `[^`]+` \\| `[^`]+` \\| `[^`]+` \\|")
set(found "")
foreach(row IN LISTS rows)
    string(REGEX MATCH "^\\| [^|]+ \\| `([^`]+)` \\| `([^`]+)` \\| `([^`]+)` \\|" _ "${row}")
    list(APPEND found "${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ${CMAKE_MATCH_3}")
endforeach()
list(SORT expected)
list(SORT found)
if(NOT found STREQUAL expected)
    list(JOIN expected "\n  " expected)
    list(JOIN found "\n  " found)
    message(FATAL_ERROR "The README's processors (Debian, RPM, uname -m):\n  ${found}\n"
                        "cmake/targets.cmake's:\n  ${expected}")
endif()
message("The README names every Linux target as cmake/targets.cmake does")
