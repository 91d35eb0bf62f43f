# 64-bit Windows: the same sources as the 32-bit build, run under wine64 so
# that the tests can execute them.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(fizo_mingw_triple x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# An emulator given on the command line wins.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(FIZO_WINE64 wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
    if(FIZO_WINE64)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${FIZO_WINE64})
    endif()
endif()
