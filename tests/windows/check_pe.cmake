# Checks a Windows program's headers: the expected PE format, the console
# subsystem, imports from Windows system DLLs only (no MinGW runtime DLL), and
# the resources that feed_fizo.exe carries: version information and the
# manifest that makes its argv UTF-8. Where nothing can run the 32-bit
# program, these are its checks.
#
#   cmake -DOBJDUMP=<objdump> -DPROGRAM=<exe> -DFORMAT=<pei-i386|pei-x86-64>
#         -DMAGIC=<PE32|PE32+> -DVERSION=<version> -P check_pe.cmake
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

# Resource types 16 and 24, at the top level of the resource directory.
if(NOT headers MATCHES "\n[0-9a-f]+   Entry: ID: 0x000010,")
    string(APPEND problems "\n  no version information")
endif()
file(STRINGS ${PROGRAM} version_texts ENCODING UTF-16LE REGEX "^${VERSION}$")
if(NOT version_texts)
    string(APPEND problems "\n  no version text ${VERSION} in its version information")
endif()
if(NOT headers MATCHES "\n[0-9a-f]+   Entry: ID: 0x000018,")
    string(APPEND problems "\n  no manifest")
endif()
file(STRINGS ${PROGRAM} code_page REGEX "<activeCodePage [^>]*>UTF-8</activeCodePage>")
if(NOT code_page)
    string(APPEND problems "\n  no UTF-8 activeCodePage in its manifest")
endif()

if(problems)
    message(FATAL_ERROR "${PROGRAM}:${problems}")
endif()
list(JOIN imports ", " shown)
message(STATUS "${PROGRAM}: ${FORMAT}, ${MAGIC}, console, version ${VERSION}, UTF-8 manifest; ${shown}")
