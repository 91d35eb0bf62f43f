# Shared part of the MinGW-w64 toolchain files; the including file sets
# fizo_mingw_triple and fizo_wine_loader. The -posix compilers are named
# because the default -win32 thread model cannot build GoogleTest.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${fizo_mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${fizo_mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${fizo_mingw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${fizo_mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The tests run the programs under wine's loader for this architecture; an
# emulator given on the command line wins. The loader is itself code of that
# architecture, so where it cannot start, this machine cannot run the
# programs either. fizo_not_run says why the tests do not run them.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(FIZO_WINE ${fizo_wine_loader} PATHS /usr/lib/wine NO_DEFAULT_PATH)
    if(NOT FIZO_WINE)
        set(fizo_not_run "no ${fizo_wine_loader} in /usr/lib/wine")
    else()
        execute_process(COMMAND ${FIZO_WINE} --version RESULT_VARIABLE fizo_wine_status
                        OUTPUT_QUIET ERROR_QUIET)
        if(fizo_wine_status EQUAL 0)
            set(CMAKE_CROSSCOMPILING_EMULATOR ${FIZO_WINE})
        else()
            set(fizo_not_run "this machine cannot run ${CMAKE_SYSTEM_PROCESSOR} code")
            string(APPEND fizo_not_run " (${FIZO_WINE} --version: ${fizo_wine_status})")
        endif()
    endif()
endif()
