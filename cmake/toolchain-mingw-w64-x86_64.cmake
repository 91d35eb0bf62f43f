# 64-bit Windows: the same sources as the 32-bit build, with its tests run under wine64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(fizo_mingw_triple x86_64-w64-mingw32)
set(fizo_wine_loader wine64)
set(fizo_wine_arch win64)
set(fizo_machine_runs_it TRUE)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
