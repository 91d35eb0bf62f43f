# Checks a Windows program's headers: the expected PE format, the console
# subsystem, and imports from Windows system DLLs only (no MinGW runtime DLL).
#
#   cmake -DOBJDUMP=<objdump> -DPROGRAM=<exe> -DFORMAT=<pei-i386|pei-x86-64>
#         -DMAGIC=<PE32|PE32+> -P check_pe.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM}
                OUTPUT_VARIABLE headers ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed (${status}): ${errors}")
endif()

set(problems "")
if(NOT headers MATCHES "file format ${FORMAT}\n")
    string(APPEND problems "\n  not in the file format ${FORMAT}")
endif()
string(REPLACE "+" "\\+" magic_pattern "${MAGIC}")
if(NOT headers MATCHES "Magic[ \t]+[0-9a-f]+[ \t]+\\(${magic_pattern}\\)")
    string(APPEND problems "\n  not ${MAGIC}")
endif()
if(NOT headers MATCHES "Subsystem[ \t]+00000003[ \t]+\\(Windows CUI\\)")
    string(APPEND problems "\n  not a console (Windows CUI) program")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
    string(APPEND problems "\n  no imports found")
endif()
foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(TOLOWER "${dll}" dll_lower)
    if(NOT dll_lower MATCHES "^(kernel32|msvcrt|api-ms-win-crt-[a-z0-9-]+)\\.dll$")
        string(APPEND problems "\n  imports ${dll}, which is not a Windows system DLL")
    endif()
endforeach()

if(problems)
    message(FATAL_ERROR "${PROGRAM}:${problems}")
endif()
list(JOIN imports ", " shown)
message(STATUS "${PROGRAM}: ${FORMAT}, ${MAGIC}, console; ${shown}")
