# 32-bit Windows: the feed_fizo.exe that ships. Its tests run it under the
# 32-bit wine (Debian: wine32:i386) on machines that run 32-bit x86 code.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(fizo_mingw_triple i686-w64-mingw32)
set(fizo_wine_loader wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
