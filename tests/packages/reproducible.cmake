# Builds this build's preset twice with Debian's reprotest, from a copy of
# the sources, the second time with the clock a year and more ahead and
# another build path, umask, time zone, locale, HOME and environment, and
# requires the same bytes in every package, in SHA256SUMS and in the
# program as built. reprotest shows what differs with diffoscope.
#
#   cmake -DREPROTEST=<reprotest> -DSOURCE_DIR=<sources> -DPRESET=<configure preset>
#         -DARTIFACTS=<pattern;...> -DSCRATCH=<folder> -P reproducible.cmake
#
# ARTIFACTS are patterns in the build folder. File order is not varied: it
# needs FUSE.
cmake_minimum_required(VERSION 3.25)

# The sources as they are, uncommitted changes too, with git's history (the
# packages' date is the last commit's) and without build folders.
execute_process(COMMAND git ls-files --cached --others --exclude-standard
                WORKING_DIRECTORY ${SOURCE_DIR} OUTPUT_VARIABLE files RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "git ls-files failed in ${SOURCE_DIR}: the sources must be a git checkout")
endif()
string(REGEX MATCHALL "(^|\n)[^/\n]+" tops "${files}")
list(TRANSFORM tops STRIP)
list(REMOVE_DUPLICATES tops)
list(APPEND tops .git)
list(JOIN tops " " source_pattern)

set(build build/reproducible)
list(TRANSFORM ARTIFACTS PREPEND ${build}/)
list(JOIN ARTIFACTS " " artifacts)
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(
    COMMAND ${REPROTEST} --vary=-user_group,-domain_host,-kernel,-num_cpus,-fileordering
            --store-dir=${SCRATCH}/store --source-pattern ${source_pattern} -s ${SOURCE_DIR}
            "cmake --preset ${PRESET} -B ${build} >/dev/null && cmake --build ${build} >/dev/null && cd ${build} && cpack >/dev/null"
            ${artifacts}
    WORKING_DIRECTORY ${SCRATCH} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "reprotest found the two builds of ${PRESET} different, or could not build (${status})")
endif()
