# Linux on x86-64 (amd64), with Debian's g++ on x86-64 and g++-x86-64-linux-gnu elsewhere.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(fizo_triplet x86_64-linux-gnu)
set(fizo_qemu x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu.cmake)
