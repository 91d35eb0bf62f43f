# 32-bit Windows (the feed_fizo.exe that ships). This machine cannot run
# 32-bit x86 code, so no emulator is set and only static checks run.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(fizo_mingw_triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
