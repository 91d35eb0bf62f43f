# Checks that a 32-bit x86 library computes fizo::add with SSE2, as one
# double-precision addition, and not on the x87 unit, whose 80-bit registers
# give other sums. The x87 load of the result stays: the 32-bit calling
# convention returns a double in the x87 register, exactly.
#
#   cmake -DOBJDUMP=<objdump> -DLIBRARY=<libfizo.a> -P check_sse2.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${OBJDUMP} -d -C --no-show-raw-insn ${LIBRARY}
                OUTPUT_VARIABLE code ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -d ${LIBRARY} failed (${status}): ${errors}")
endif()
if(NOT code MATCHES "<fizo::add\\(double, double\\)>:\n(([^\n]+\n)+)")
    message(FATAL_ERROR "${LIBRARY}: no fizo::add(double, double) in its code")
endif()
set(add "${CMAKE_MATCH_1}")
if(NOT add MATCHES "\taddsd ")
    message(FATAL_ERROR "${LIBRARY}: fizo::add does not add with SSE2 (addsd):\n${add}")
endif()
if(add MATCHES "\tfi?(add|sub|mul|div)r?p?l? ")
    message(FATAL_ERROR "${LIBRARY}: fizo::add computes on the x87 unit:\n${add}")
endif()
message(STATUS "${LIBRARY}: fizo::add is one SSE2 addition")
