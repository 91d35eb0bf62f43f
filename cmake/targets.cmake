# The targets that fizo builds, tests and packages, one row each. Nothing else in the build names a
# processor: the toolchain file, cmake/settings.cmake, the packages and the tests take what they
# need from the row, and scripts read the rows with `cmake -P cmake/targets.cmake`, which prints
# them.
#
# target          the preset that builds it: <system>-<processor>, with Debian's name of a Linux
#                 processor and Microsoft's of a Windows one
# processor       CMAKE_SYSTEM_PROCESSOR: as `uname -m` names it on the oldest model below, which
#                 names the TGZ; the MinGW-w64 toolchain's for Windows
# triplet         the GNU triplet that names the compiler, <triplet>-g++ (-posix for MinGW-w64,
#                 whose default threads cannot build GoogleTest)
# compiler        the Debian package that brings that compiler to an x86-64 machine (there, g++
#                 itself brings x86_64-linux-gnu-g++)
# rpm             RPM's name of the processor; - for Windows
# emulator        what runs the programs in the tests: qemu's user-mode emulator, or wine's loader
# oldest          qemu's model of the oldest processor of the line that the Debian port supports;
#                 of models that | parts, the first on which qemu starts a program is taken
# branch          GCC's protection of indirect branches, where GCC has one for the processor
#
# The models: the x86-64 baseline is qemu64 less what it has beyond. armhf's is ARMv7 with VFPv3-D16
# and no NEON, a Cortex-A9 without NEON, whose VFP qemu 7.2 cannot cut to 16 registers; qemu 8.1
# and later refuse it with 32. armel's is ARMv5TE. s390x's is a z196 less the facilities that qemu
# does not emulate: none of them is an instruction that GCC generates for C++.
set(x86_64_baseline qemu64,-sse3,-cx16,-lahf-lm,-abm,-sse4a,-svm)
set(armv7_vfpv3_d16 cortex-a9,neon=off,vfp-d32=off|cortex-a9,neon=off)
string(
    CONCAT z196_emulated
           "z196-base,klmd-sha-1=off,kimd-sha-1=off,km-tdea-192=off,km-tdea-128=off,km-dea=off,"
           "kmc-tdea-192=off,kmc-tdea-128=off,kmc-dea=off,kmac-tdea-192=off,kmac-tdea-128=off,"
           "kmac-dea=off,dateh2=off,cmpsceh=off,pfpo=off,dfphp=off,dfp=off,emon=off,parseh=off,"
           "hfpue=off,hfpm=off,nonqks=off,csske=off,asnlxr=off,tods=off")
set(fizo_target_columns processor triplet compiler rpm emulator oldest branch)
set(fizo_targets
    # target      processor triplet               compiler                   rpm      emulator
    #             oldest                branch
    "linux-amd64   x86_64   x86_64-linux-gnu      g++-x86-64-linux-gnu       x86_64   qemu-x86_64
                  ${x86_64_baseline}    -fcf-protection"
    "linux-arm64   aarch64  aarch64-linux-gnu     g++-aarch64-linux-gnu      aarch64  qemu-aarch64
                  cortex-a53            -mbranch-protection=standard"
    "linux-armhf   armv7l   arm-linux-gnueabihf   g++-arm-linux-gnueabihf    armv7hl  qemu-arm
                  ${armv7_vfpv3_d16}    -"
    "linux-armel   armv5tel arm-linux-gnueabi     g++-arm-linux-gnueabi      armv5tel qemu-arm
                  arm926                -"
    "linux-riscv64 riscv64  riscv64-linux-gnu     g++-riscv64-linux-gnu      riscv64  qemu-riscv64
                  sifive-u54            -"
    "linux-ppc64el ppc64le  powerpc64le-linux-gnu g++-powerpc64le-linux-gnu  ppc64le  qemu-ppc64le
                  power8                -"
    "linux-s390x   s390x    s390x-linux-gnu       g++-s390x-linux-gnu        s390x    qemu-s390x
                  ${z196_emulated}      -"
    "windows-x86   i686     i686-w64-mingw32      g++-mingw-w64-i686-posix   -        wine
                  -                     -"
    "windows-x64   x86_64   x86_64-w64-mingw32    g++-mingw-w64-x86-64-posix -        wine64
                  -                     -")

# What bench/run holds each Linux target's packaged feed_fizo to, in the instructions that qemu
# counts on its oldest model: start-up at most the empty program's + 7,000; per food at most the
# interface floor's + 25, and at most 125% of the bare printf loop's. The floor does per food what
# the library's interface asks, a string made and moved; the 25 are fizo's own code.
set(fizo_start_up_over_empty 7000)
set(fizo_per_food_over_floor 25)
set(fizo_per_food_percent_of_loop 125)
# The misses that no Debian toolchain removes, each bounded by its count today and a small margin,
# so that a regression still fails: the target, the Debian release, the measure (start-up or
# per-food) and the count that it may reach.
#   riscv64, Debian 13: a static PIE relocates itself as it starts, and GNU ld 2.44 ignores -z
#   pack-relative-relocs on riscv64, so each relocation costs some 23 instructions; feed_fizo has
#   far more of them than the empty program. LLVM's lld packs them, and still misses the target.
#   ppc64el, Debian 13: the toolchain links no static PIE (no rcrt1.o), and the unwinder of GCC 14
#   reads every frame description as a static program that is not a PIE starts.
# cmake-format: off
set(fizo_known_misses
    # target      Debian  measure   at most
    "linux-riscv64 13     start-up  49500"
    "linux-ppc64el 13     start-up  148500")
# cmake-format: on

# Sets fizo_target_<column> from the row of <target>, and fizo_target to it; fails where no row has
# it. With an empty <target>, takes the Linux row of this machine's processor, if any, and sets
# fizo_target to "" where there is none.
macro(fizo_target_row target)
    set(fizo_target "")
    foreach(fizo_row IN LISTS fizo_targets)
        separate_arguments(fizo_row UNIX_COMMAND "${fizo_row}")
        list(GET fizo_row 0 fizo_row_target)
        list(GET fizo_row 1 fizo_row_processor)
        if("${target}" STREQUAL fizo_row_target
           OR ("${target}" STREQUAL "" AND fizo_row_target MATCHES "^linux-"
               AND fizo_row_processor STREQUAL CMAKE_SYSTEM_PROCESSOR))
            set(fizo_target ${fizo_row_target})
            foreach(fizo_column IN LISTS fizo_target_columns)
                list(POP_FRONT fizo_row fizo_row_target)
                list(GET fizo_row 0 fizo_target_${fizo_column})
            endforeach()
        endif()
    endforeach()
    if(NOT "${target}" STREQUAL "" AND NOT fizo_target)
        message(FATAL_ERROR "FIZO_TARGET: no target ${target} in cmake/targets.cmake")
    endif()
endmacro()

# Run as a script: one line a target, its name and columns, as the table holds them.
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    foreach(row IN LISTS fizo_targets)
        separate_arguments(row UNIX_COMMAND "${row}")
        list(JOIN row " " row)
        execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${row}")
    endforeach()
endif()
