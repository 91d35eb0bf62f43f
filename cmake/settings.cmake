# The build's settings, read by the root CMakeLists.txt before its targets: the FIZO_ options, the
# target's row of cmake/targets.cmake and its emulator, the static link that the toolchain can make,
# the hardening flags, and fizo_apply_build_settings, which gives every target its share of them.

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

# The target's row of cmake/targets.cmake: the one that the toolchain file builds, or, without one,
# the Linux row of this machine's processor. A build for any other target has no packages to test.
include(${CMAKE_CURRENT_LIST_DIR}/targets.cmake)
set(FIZO_TARGET "" CACHE STRING
                         "The target of cmake/targets.cmake that cmake/toolchain.cmake builds")
if(FIZO_TARGET OR CMAKE_SYSTEM_NAME STREQUAL "Linux")
    fizo_target_row("${FIZO_TARGET}")
else()
    set(fizo_target "")
endif()
if(NOT fizo_target AND (FIZO_PACKAGE_TESTS OR FIZO_OLDEST_PROCESSOR))
    message(
        FATAL_ERROR
            "FIZO_PACKAGE_TESTS and FIZO_OLDEST_PROCESSOR are for the targets of "
            "cmake/targets.cmake; ${CMAKE_SYSTEM_NAME} on ${CMAKE_SYSTEM_PROCESSOR} "
            "is none of them: configure with both OFF")
endif()

# The emulator that runs the target's programs in the tests and bench/run, chosen here alone, as
# CMAKE_CROSSCOMPILING_EMULATOR: qemu's user-mode emulator for another Linux processor, and on the
# oldest model with FIZO_OLDEST_PROCESSOR; wine for Windows, where this machine runs the target's
# code. fizo_not_run says why no program runs.
set(fizo_not_run "")
if(fizo_target_emulator MATCHES "^qemu-" AND (CMAKE_CROSSCOMPILING OR FIZO_OLDEST_PROCESSOR))
    find_program(qemu ${fizo_target_emulator}-static NO_CACHE)
    if(NOT qemu AND FIZO_OLDEST_PROCESSOR)
        message(FATAL_ERROR "FIZO_OLDEST_PROCESSOR needs ${fizo_target_emulator}-static "
                            "(apt-get install qemu-user-static)")
    elseif(NOT qemu)
        set(fizo_not_run "no ${fizo_target_emulator}-static (apt-get install qemu-user-static)")
    endif()
    # A dynamic program (the package tests' consumer) finds its loader and libraries in the cross
    # compiler's folder.
    set(emulator ${qemu} -L /usr/${fizo_target_triplet})
    if(qemu AND FIZO_OLDEST_PROCESSOR)
        set(probe ${CMAKE_BINARY_DIR}/CMakeFiles/fizo_oldest_processor)
        file(WRITE ${probe}.c "int main(void) { return 0; }\n")
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -x c ${probe}.c -o ${probe}
                        RESULT_VARIABLE compiled)
        string(REPLACE "|" ";" models "${fizo_target_oldest}")
        set(fizo_model "")
        foreach(model IN LISTS models)
            execute_process(COMMAND ${qemu} -cpu ${model} -L /usr/${fizo_target_triplet} ${probe}
                            RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
            if(compiled EQUAL 0 AND status EQUAL 0)
                set(fizo_model ${model})
                break()
            endif()
        endforeach()
        if(NOT fizo_model)
            message(FATAL_ERROR "FIZO_OLDEST_PROCESSOR: ${qemu} runs no program of this "
                                "compiler on the model ${fizo_target_oldest}")
        endif()
        message(STATUS "The tests run the programs under qemu -cpu ${fizo_model}")
        list(INSERT emulator 1 -cpu ${fizo_model})
    endif()
    if(qemu)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${emulator})
    endif()
elseif(fizo_target_emulator MATCHES "^wine")
    # In a prefix of the build tree, not the user's ~/.wine, of the programs' own architecture
    # whichever wines are installed, with no debug output of wine's own, and in a UTF-8 locale, in
    # which wine decodes the arguments.
    find_program(wine ${fizo_target_emulator} PATHS /usr/lib/wine NO_DEFAULT_PATH NO_CACHE)
    math(EXPR bits "${CMAKE_SIZEOF_VOID_P} * 8")
    set(fizo_wine_environment WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEARCH=win${bits}
                              WINEDEBUG=-all LC_ALL=C.UTF-8)
    set(runs_it 0)
    if(bits EQUAL 32)
        execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/runs_32bit_x86 RESULT_VARIABLE runs_it)
    endif()
    if(NOT runs_it EQUAL 0)
        set(fizo_not_run "this machine cannot run ${CMAKE_SYSTEM_PROCESSOR} code")
    elseif(NOT wine)
        set(fizo_not_run "no ${fizo_target_emulator} in /usr/lib/wine")
    else()
        set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env ${fizo_wine_environment} ${wine})
    endif()
endif()

# The best static program that the toolchain links: a static PIE with packed relative relocations,
# else a static PIE, else a plain static program: some of Debian's cross toolchains lack rcrt1.o,
# and some of its linkers ignore -z pack-relative-relocs, with a warning. The static libraries are
# required: where they are missing the configure stops and names them, rather than link dynamic
# programs in silence. Only a success is kept in the cache, so that a configure after an install
# checks again. Sets fizo_static_pie and fizo_relr.
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
# Link-time optimisation for the static programs of a release build, where the compiler has it.
set(fizo_link_time_optimisation OFF)
if(FIZO_STATIC AND CMAKE_BUILD_TYPE STREQUAL "Release")
    include(CheckIPOSupported)
    check_ipo_supported(RESULT fizo_link_time_optimisation LANGUAGES CXX)
endif()

# tests/packages/CMakeLists.txt restates these flags on purpose: a flag dropped here must fail it.
set(fizo_hardening_flags -D_FORTIFY_SOURCE=2 -fstack-protector-strong -fstack-clash-protection)
if(fizo_target_branch AND NOT fizo_target_branch STREQUAL "-")
    list(APPEND fizo_hardening_flags ${fizo_target_branch})
endif()

# What bench/run needs of this build, one "<name> <value>" a line: the target, the compiler and the
# program's flags, the emulator (empty where the programs run here), and the static link, with which
# it builds its reference programs; the speed targets, and the known misses of this target on this
# Debian release, each "known_miss <measure> <bound>".
set(fizo_static_link -static)
if(fizo_static_pie)
    set(fizo_static_link ${CMAKE_CXX_COMPILE_OPTIONS_PIE} -static-pie)
endif()
list(APPEND fizo_static_link -Wl,--gc-sections)
if(fizo_relr)
    list(APPEND fizo_static_link -Wl,-z,pack-relative-relocs)
endif()
string(TOUPPER "${CMAKE_BUILD_TYPE}" build_type)
separate_arguments(cxx_flags UNIX_COMMAND "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${build_type}}")
list(APPEND cxx_flags -std=c++17)
if(FIZO_HARDENED)
    list(APPEND cxx_flags ${fizo_hardening_flags})
endif()
set(debian_release "")
if(EXISTS /etc/os-release)
    file(STRINGS /etc/os-release debian_release REGEX "^VERSION_ID=")
    string(REGEX REPLACE "^VERSION_ID=\"?([^\"]*)\"?$" "\\1" debian_release "${debian_release}")
endif()
set(known_misses "")
foreach(miss IN LISTS fizo_known_misses)
    separate_arguments(miss UNIX_COMMAND "${miss}")
    list(GET miss 0 miss_target)
    list(GET miss 1 miss_release)
    list(GET miss 2 measure)
    list(GET miss 3 bound)
    if(miss_target STREQUAL fizo_target AND miss_release STREQUAL debian_release)
        string(APPEND known_misses "known_miss ${measure} ${bound}\n")
    endif()
endforeach()
list(JOIN CMAKE_CROSSCOMPILING_EMULATOR " " emulator)
list(JOIN fizo_static_link " " static_link)
list(JOIN cxx_flags " " cxx_flags)
file(
    WRITE ${PROJECT_BINARY_DIR}/benchmark_settings
    "target ${fizo_target}\ncompiler ${CMAKE_CXX_COMPILER}\ncxx_flags ${cxx_flags}\n"
    "emulator ${emulator}\nstatic_link ${static_link}\n"
    "start_up_over_empty ${fizo_start_up_over_empty}\n"
    "per_food_over_floor ${fizo_per_food_over_floor}\n"
    "per_food_percent_of_loop ${fizo_per_food_percent_of_loop}\n${known_misses}")

# x86, 32- or 64-bit, by any of the names that systems and toolchain files give it.
set(fizo_x86 OFF)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|x86|i[3-6]86)$")
    set(fizo_x86 ON)
endif()

# What every target gets, in one place: C++17 without extensions whatever the compiler's default,
# the warnings (errors where a preset sets CMAKE_COMPILE_WARNING_AS_ERROR), and what the FIZO_
# options ask for.
function(fizo_apply_build_settings target)
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
        set(prefix_maps -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                        -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
        # A link-time optimised program is compiled again as it is linked.
        target_compile_options(${target} PRIVATE ${prefix_maps})
        target_link_options(${target} PRIVATE ${prefix_maps})
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
