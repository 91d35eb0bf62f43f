# Checks that the build asks for every protection of a hardened program,
# whatever the compiler would do by default: each of the program's compile
# commands carries COMPILE, and its link command LINK.
#
#   cmake -DNINJA=<ninja> -DBUILD_DIR=<build> -DPROGRAM=<target>
#         -DCOMPILE=<flag;...> -DLINK=<flag;...> -P hardening_asked_for.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${NINJA} -C ${BUILD_DIR} -t commands ${PROGRAM}
                OUTPUT_VARIABLE commands RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${NINJA} -t commands ${PROGRAM} failed (${status})")
endif()
string(REGEX MATCHALL "[^\n]* -c [^\n]*" compiles "${commands}")
string(REGEX MATCH "[^\n]*\n$" links "${commands}") # the last one
set(missing "")
foreach(kind compile link)
    string(TOUPPER ${kind} flags)
    foreach(flag IN LISTS ${flags})
        foreach(command IN LISTS ${kind}s)
            string(FIND "${command} " " ${flag} " at)
            if(at EQUAL -1)
                string(APPEND missing "\n  ${flag} not in: ${command}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(NOT compiles OR missing)
    message(FATAL_ERROR "${PROGRAM} is not built as hardened as asked:${missing}")
endif()
message(STATUS "${PROGRAM}: every compile asks for ${COMPILE}; the link for ${LINK}")
