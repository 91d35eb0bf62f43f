# 32-bit Windows: the feed_fizo.exe that ships. Its tests run it under the 32-bit wine (Debian:
# wine32:i386) on machines that run 32-bit x86 code.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(fizo_mingw_triple i686-w64-mingw32)
set(fizo_wine_loader wine)
set(fizo_wine_arch win32)
execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/runs_32bit_x86 RESULT_VARIABLE fizo_probe_status)
if(fizo_probe_status EQUAL 0)
    set(fizo_machine_runs_it TRUE)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
