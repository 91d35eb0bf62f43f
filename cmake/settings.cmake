# The build's settings, read by the root CMakeLists.txt before its targets: the FIZO_ options, the
# processors that fizo packages, the static link that the toolchain can make, the hardening flags,
# and fizo_use_project_settings, which gives every target its share of them.

option(FIZO_BUILD_PROGRAMS "Build the feed_fizo program" ${PROJECT_IS_TOP_LEVEL})
option(FIZO_BUILD_EXAMPLES "Build the example programs" ${PROJECT_IS_TOP_LEVEL})
option(FIZO_BUILD_TESTS "Build the tests" ${PROJECT_IS_TOP_LEVEL})
option(FIZO_INSTALL "Generate the install rules and packages" ${PROJECT_IS_TOP_LEVEL})
include(CMakeDependentOption)
cmake_dependent_option(FIZO_PACKAGE_TESTS "Test the packages that cpack makes in this build" OFF
                       FIZO_INSTALL OFF)
# The system tests change this system: root only.
cmake_dependent_option(
    FIZO_SYSTEM_TESTS
    "Install the DEBs here and in Debian roots; mounts binfmt_misc, enables qemu there (root only)"
    OFF FIZO_PACKAGE_TESTS OFF)
# Static programs start faster and, on Windows, need no MinGW runtime DLL.
option(FIZO_STATIC "Link the programs statically" ${MINGW})
# For the same bytes wherever built; off by default, so that a debugger finds the sources.
option(FIZO_REPRODUCIBLE "Keep the source and build folders' paths out of the binaries" OFF)
# Each protection asked for, never left to the compiler's defaults (Debian's GCC makes PIE by
# itself, others do not).
option(FIZO_HARDENED "Build with PIE, stack protection, fortify, RELRO and immediate binding" OFF)
# A program built for a newer processor than its users' dies there with SIGILL; qemu models the old
# one on any machine.
option(FIZO_OLDEST_PROCESSOR
       "Run the tests' programs under qemu's model of the oldest processor of the target's line"
       OFF)

# The Linux processors that fizo packages, each by uname -m's name, which CMAKE_SYSTEM_PROCESSOR
# holds: Debian's and RPM's names for it; qemu's emulator and its model of the oldest processor that
# the Debian port supports; GCC's protection of indirect branches, where GCC has one for it. The
# x86-64 baseline is qemu64 less what it has beyond. armhf's is ARMv7 with VFPv3-D16 and no NEON: a
# Cortex-A9 without NEON, whose VFP qemu 7.2 cannot cut to 16 registers; qemu 8.1 and later refuse
# it with 32. Of the models that | parts, the first that qemu starts a program on is taken.
set(x86_64_baseline qemu64,-sse3,-cx16,-lahf-lm,-abm,-sse4a,-svm)
set(armv7_vfpv3_d16 cortex-a9,neon=off,vfp-d32=off|cortex-a9,neon=off)
set(fizo_processors
    # uname -m Debian  RPM     qemu    oldest processor    branch protection
    "x86_64    amd64   x86_64  x86_64  ${x86_64_baseline}  -fcf-protection"
    "aarch64   arm64   aarch64 aarch64 cortex-a53          -mbranch-protection=standard"
    "armv7l    armhf   armv7hl arm     ${armv7_vfpv3_d16}  -"
    "riscv64   riscv64 riscv64 riscv64 sifive-u54          -")
set(fizo_packaged OFF)
foreach(row IN LISTS fizo_processors)
    separate_arguments(row UNIX_COMMAND "${row}")
    list(GET row 0 processor)
    if(processor STREQUAL CMAKE_SYSTEM_PROCESSOR AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
        set(fizo_packaged ON)
        list(GET row 1 fizo_deb_architecture)
        list(GET row 2 fizo_rpm_architecture)
        list(GET row 3 fizo_qemu)
        list(GET row 4 fizo_oldest_processor)
        list(GET row 5 fizo_branch_protection)
    endif()
endforeach()
if(NOT fizo_packaged AND FIZO_PACKAGE_TESTS AND NOT WIN32)
    message(
        FATAL_ERROR
            "fizo packages Linux programs for x86_64, aarch64, armv7l and riscv64, and Windows"
            " ZIPs; not ${CMAKE_SYSTEM_NAME} on ${CMAKE_SYSTEM_PROCESSOR}: configure with"
            " -DFIZO_PACKAGE_TESTS=OFF")
endif()
if(FIZO_OLDEST_PROCESSOR)
    if(NOT fizo_packaged)
        message(FATAL_ERROR "FIZO_OLDEST_PROCESSOR: no oldest processor is known for "
                            "${CMAKE_SYSTEM_NAME} on ${CMAKE_SYSTEM_PROCESSOR}")
    endif()
    find_program(FIZO_QEMU qemu-${fizo_qemu}-static)
    if(NOT FIZO_QEMU)
        message(FATAL_ERROR "FIZO_OLDEST_PROCESSOR needs qemu-${fizo_qemu}-static "
                            "(apt-get install qemu-user-static)")
    endif()
    # A toolchain file's fizo_qemu_options say where the target's loader and libraries lie.
    set(probe ${CMAKE_BINARY_DIR}/CMakeFiles/fizo_oldest_processor)
    file(WRITE ${probe}.c "int main(void) { return 0; }\n")
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -x c ${probe}.c -o ${probe}
                    RESULT_VARIABLE compiled)
    string(REPLACE "|" ";" models "${fizo_oldest_processor}")
    set(fizo_model "")
    foreach(model IN LISTS models)
        execute_process(COMMAND ${FIZO_QEMU} -cpu ${model} ${fizo_qemu_options} ${probe}
                        RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
        if(compiled EQUAL 0 AND status EQUAL 0)
            set(fizo_model ${model})
            break()
        endif()
    endforeach()
    if(NOT fizo_model)
        message(FATAL_ERROR "FIZO_OLDEST_PROCESSOR: ${FIZO_QEMU} runs no program of this "
                            "compiler on the model ${fizo_oldest_processor}")
    endif()
    message(STATUS "The tests run the programs under qemu -cpu ${fizo_model}")
    set(CMAKE_CROSSCOMPILING_EMULATOR ${FIZO_QEMU} -cpu ${fizo_model} ${fizo_qemu_options})
    # The whole command, for bench/run, which counts instructions on that model.
    set(FIZO_EMULATOR "${CMAKE_CROSSCOMPILING_EMULATOR}" CACHE INTERNAL "")
endif()

# The best static program that the toolchain links: a static PIE with packed relative relocations,
# else a static PIE, else a plain static program: Debian's armhf toolchains, and Debian 12's riscv64
# one, lack rcrt1.o, and some of its linkers ignore -z pack-relative-relocs, with a warning. The
# static libraries are required: where they are missing the configure stops and names them, rather
# than link dynamic programs in silence. Only a success is kept in the cache, so that a configure
# after an install checks again. Sets fizo_static_pie and fizo_relr.
function(fizo_choose_static_link)
    include(CheckCXXSourceCompiles)
    set(CMAKE_REQUIRED_FLAGS ${CMAKE_CXX_COMPILE_OPTIONS_PIE})
    set(CMAKE_REQUIRED_QUIET ON)
    string(CONCAT program "#include <cstdio>\n#include <string>\nint main(int argc, char** argv) {"
                  " return std::printf(\"%s\", std::string(argv[argc - 1]).c_str()) < 0; }")
    set(link_STATIC -static)
    set(link_STATIC_PIE -static-pie)
    set(link_RELR -static-pie -Wl,-z,pack-relative-relocs)
    # The linker's warning is read in English, whatever the user's language.
    set(user_locale "$ENV{LC_ALL}")
    set(ENV{LC_ALL} C)
    foreach(check STATIC STATIC_PIE RELR)
        set(CMAKE_REQUIRED_LINK_OPTIONS ${link_${check}})
        if(NOT FIZO_LINKS_${check})
            unset(FIZO_LINKS_${check} CACHE)
        endif()
        check_cxx_source_compiles("${program}" FIZO_LINKS_${check} FAIL_REGEX "ignored")
        if(NOT FIZO_LINKS_${check})
            break()
        endif()
    endforeach()
    set(ENV{LC_ALL} "${user_locale}")
    if(NOT FIZO_LINKS_STATIC)
        message(
            FATAL_ERROR
                "FIZO_STATIC, on in the release and package presets, links static programs, and "
                "this toolchain lacks the static C and C++ libraries (libc.a and libstdc++.a). "
                "Debian's g++ brings them; Fedora packages them apart, as glibc-static and "
                "libstdc++-static, and openSUSE the C library's as glibc-devel-static. "
                "For dynamic programs, configure with -DFIZO_STATIC=OFF.")
    elseif(NOT FIZO_LINKS_STATIC_PIE)
        set(kind "static programs that are not PIE: the toolchain links no static PIE (rcrt1.o)")
    elseif(NOT FIZO_LINKS_RELR)
        set(kind "static PIEs: the linker ignores -z pack-relative-relocs, or lacks it")
    else()
        set(kind "static PIEs with packed relative relocations")
    endif()
    message(STATUS "FIZO_STATIC links ${kind}")
    set(fizo_static_pie ${FIZO_LINKS_STATIC_PIE} PARENT_SCOPE)
    if(FIZO_LINKS_STATIC_PIE AND FIZO_LINKS_RELR)
        set(fizo_relr ON PARENT_SCOPE)
    endif()
endfunction()

# Position-independent programs, hardened or static, where the link allows. A static one is a static
# PIE: GCC 13's unwinder reads every frame description as a static program that is not a PIE starts,
# which multiplied its start-up cost. CMake links a PIE with the options that check_pie_supported
# tries.
set(fizo_static_pie OFF)
set(fizo_relr OFF)
if(FIZO_STATIC AND NOT MINGW)
    fizo_choose_static_link()
endif()
if((FIZO_HARDENED AND NOT FIZO_STATIC AND NOT MINGW) OR fizo_static_pie)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    if(fizo_static_pie)
        set(CMAKE_CXX_LINK_OPTIONS_PIE ${CMAKE_CXX_COMPILE_OPTIONS_PIE} -static-pie)
    endif()
    include(CheckPIESupported)
    check_pie_supported(LANGUAGES CXX)
endif()
# tests/packages/CMakeLists.txt restates these flags on purpose: a flag dropped here must fail it.
set(fizo_hardening_flags -D_FORTIFY_SOURCE=2 -fstack-protector-strong -fstack-clash-protection)
if(fizo_branch_protection AND NOT fizo_branch_protection STREQUAL "-")
    list(APPEND fizo_hardening_flags ${fizo_branch_protection})
endif()

# x86, 32- or 64-bit, by any of the names that systems and toolchain files give it.
set(fizo_x86 OFF)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|x86|i[3-6]86)$")
    set(fizo_x86 ON)
endif()

# What every target gets, in one place: C++17 without extensions whatever the compiler's default,
# the warnings (errors where a preset sets CMAKE_COMPILE_WARNING_AS_ERROR), and what the FIZO_
# options ask for.
function(fizo_use_project_settings target)
    target_compile_features(${target} PRIVATE cxx_std_17)
    set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /permissive-)
        return()
    endif()
    target_compile_options(
        ${target}
        PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
                -Wcast-qual -Wcast-align -Wformat=2 -Wundef -Wnon-virtual-dtor -Woverloaded-virtual
                -Wnull-dereference -Wdouble-promotion -Wimplicit-fallthrough -Wmissing-declarations)
    # Doubles in SSE2 registers, as on every other target: the x87 unit's 80-bit registers give
    # other sums (DBL_MAX + DBL_MAX stays finite).
    if(fizo_x86 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
        target_compile_options(${target} PRIVATE -msse2 -mfpmath=sse)
    endif()
    if(FIZO_HARDENED)
        target_compile_options(${target} PRIVATE ${fizo_hardening_flags})
        target_link_options(${target} PRIVATE LINKER:-z,relro,-z,now)
    endif()
    if(MINGW)
        # The PE header's time stamp would be the time of the link.
        target_link_options(${target} PRIVATE LINKER:--no-insert-timestamp)
    endif()
    # Ignored where a static library is made. A static PIE's link options are CMake's PIE options.
    # Of the static libraries, only the sections that the program uses are kept: fewer to relocate
    # at start-up.
    if(FIZO_STATIC AND NOT fizo_static_pie)
        target_link_options(${target} PRIVATE -static)
    endif()
    if(FIZO_STATIC AND NOT MINGW)
        target_link_options(${target} PRIVATE LINKER:--gc-sections)
    endif()
    if(fizo_relr)
        target_link_options(${target} PRIVATE LINKER:-z,pack-relative-relocs)
    endif()
    if(FIZO_REPRODUCIBLE)
        # The last match wins: the build folder may lie in the sources.
        target_compile_options(${target} PRIVATE -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                                                 -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
    endif()
endfunction()

# Gzips a file of the sources into `output` of the build tree, as man pages and Debian changelogs
# are installed: with no name or time in the header.
function(fizo_gzip source output)
    get_filename_component(source ${source} ABSOLUTE BASE_DIR ${PROJECT_SOURCE_DIR})
    string(MAKE_C_IDENTIFIER ${output} target)
    set(output ${PROJECT_BINARY_DIR}/${output})
    string(REGEX REPLACE "\\.gz$" "" uncompressed ${output})
    add_custom_command(OUTPUT ${output} COMMAND ${CMAKE_COMMAND} -E copy ${source} ${uncompressed}
                       COMMAND gzip -9nf ${uncompressed} DEPENDS ${source} VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${output})
endfunction()

# cppcheck (the tidy preset): any finding fails the build. --library tells it what GoogleTest's
# macros and POSIX calls mean.
if(CMAKE_CXX_CPPCHECK)
    list(APPEND CMAKE_CXX_CPPCHECK --enable=warning,style,performance,portability --std=c++17
         --inline-suppr --suppress=missingIncludeSystem --library=googletest --library=posix
         --error-exitcode=1 --quiet)
endif()
# clang-tidy parses a MinGW-w64 build for its target, with the cross compiler's headers less GCC's
# own, in whose place clang brings its own.
if(CMAKE_CXX_CLANG_TIDY AND MINGW)
    list(APPEND CMAKE_CXX_CLANG_TIDY --extra-arg=--target=${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
    foreach(dir IN LISTS CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES)
        if(NOT dir MATCHES "/lib/gcc/[^/]+/[^/]+/include(-fixed)?$")
            list(APPEND CMAKE_CXX_CLANG_TIDY --extra-arg=-isystem${dir})
        endif()
    endforeach()
endif()
