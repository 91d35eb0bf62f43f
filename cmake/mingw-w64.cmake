# Shared part of the MinGW-w64 toolchain files; the including file sets fizo_mingw_triple,
# fizo_wine_loader, fizo_wine_arch and fizo_machine_runs_it. The -posix compilers are named because
# the default -win32 thread model cannot build GoogleTest.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${fizo_mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${fizo_mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${fizo_mingw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${fizo_mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The tests run the programs under wine (FIZO_WINE) where this machine runs their code: in a prefix
# of the build tree, not the user's ~/.wine, of the programs' own architecture whichever wines are
# installed, with no debug output of wine's own, and in a UTF-8 locale, in which wine decodes the
# arguments. fizo_not_run says why they do not.
find_program(FIZO_WINE ${fizo_wine_loader} PATHS /usr/lib/wine NO_DEFAULT_PATH)
set(fizo_wine_environment WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEARCH=${fizo_wine_arch}
                          WINEDEBUG=-all LC_ALL=C.UTF-8)
if(NOT fizo_machine_runs_it)
    set(fizo_not_run "this machine cannot run ${CMAKE_SYSTEM_PROCESSOR} code")
elseif(NOT FIZO_WINE)
    set(fizo_not_run "no ${fizo_wine_loader} in /usr/lib/wine")
else()
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env ${fizo_wine_environment} ${FIZO_WINE})
endif()
