# Checks an install tree against the files that the build lists in
# installed_files.txt, one "component path" a line: a tree that it installs
# with cmake --install, one that it unpacks from a package (DEB, RPM, TGZ or
# ZIP), or the system itself.
#
#   cmake -DFILES=<installed_files.txt> -DROOT=<dir>
#         [-DINSTALL_FROM=<build dir> | -DPACKAGE=<file or pattern>]
#         [-DPREFIX=<path under ROOT, such as usr/>] [-DCOMPONENTS=<component;...>]
#         [-DALSO=<path;...>] [-DABSENT=ON] [-DNM=<nm> -DSTRIPPED=<path>]
#         -P installed_files.cmake
#
# Every listed file of COMPONENTS (all when not given) must be under
# ROOT/PREFIX, and every ALSO path under ROOT; with ABSENT, none of them may
# be. A STRIPPED program must have no symbols left for NM to list.
cmake_minimum_required(VERSION 3.25)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "${command} failed (${status}):\n${out}${err}")
    endif()
endfunction()

if(DEFINED PACKAGE)
    # A pattern, such as feed-fizo_0.1.0_*.deb: the one package it names.
    file(GLOB packages ${PACKAGE})
    list(LENGTH packages count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "${PACKAGE} names ${count} packages, not one: ${packages}")
    endif()
    set(PACKAGE ${packages})
endif()
if(DEFINED INSTALL_FROM OR DEFINED PACKAGE)
    # The tree is made afresh, so it must be a scratch folder.
    if(NOT ROOT OR ROOT STREQUAL "/")
        message(FATAL_ERROR "installed_files.cmake: ROOT must be a scratch folder, not '${ROOT}'")
    endif()
    file(REMOVE_RECURSE ${ROOT})
    file(MAKE_DIRECTORY ${ROOT})
endif()
if(DEFINED INSTALL_FROM)
    run(${CMAKE_COMMAND} --install ${INSTALL_FROM} --prefix ${ROOT})
elseif(PACKAGE MATCHES "\\.deb$")
    # An ar archive of the control and data archives.
    run(${CMAKE_COMMAND} -E tar xf ${PACKAGE} WORKING_DIRECTORY ${ROOT})
    file(GLOB data ${ROOT}/data.tar.*)
    run(${CMAKE_COMMAND} -E tar xf ${data} WORKING_DIRECTORY ${ROOT})
elseif(DEFINED PACKAGE)
    run(${CMAKE_COMMAND} -E tar xf ${PACKAGE} WORKING_DIRECTORY ${ROOT})
endif()

set(paths ${ALSO})
file(STRINGS ${FILES} lines)
foreach(line IN LISTS lines)
    string(REGEX MATCH "^([^ ]+) (.+)$" _ "${line}")
    if(NOT DEFINED COMPONENTS OR CMAKE_MATCH_1 IN_LIST COMPONENTS)
        list(APPEND paths ${PREFIX}${CMAKE_MATCH_2})
    endif()
endforeach()
if(NOT paths)
    message(FATAL_ERROR "${FILES} lists no file of ${COMPONENTS}")
endif()

set(wrong "")
foreach(path IN LISTS paths)
    if(ABSENT AND EXISTS ${ROOT}/${path})
        string(APPEND wrong "\n  left: ${path}")
    elseif(NOT ABSENT AND NOT EXISTS ${ROOT}/${path})
        string(APPEND wrong "\n  missing: ${path}")
    endif()
endforeach()
if(DEFINED STRIPPED)
    # nm lists nothing for a stripped program, and says so on stderr.
    execute_process(COMMAND ${NM} ${ROOT}/${STRIPPED} RESULT_VARIABLE status
                    OUTPUT_VARIABLE symbols ERROR_QUIET)
    if(NOT status EQUAL 0 OR NOT symbols STREQUAL "")
        string(APPEND wrong "\n  not stripped: ${STRIPPED}")
    endif()
endif()
set(tree ${ROOT})
if(DEFINED PACKAGE OR DEFINED INSTALL_FROM)
    set(tree "${PACKAGE}${INSTALL_FROM}, installed in ${ROOT}")
endif()
if(wrong)
    message(FATAL_ERROR "${tree}:${wrong}")
endif()
list(LENGTH paths count)
message(STATUS "${tree}: ${count} paths checked")
