# Builds the consumer project against fizo in one of four ways and checks
# the bytes that the consumer program prints.
#
#   cmake -DMODE=find_package|build_tree|add_subdirectory|pkg-config
#         -DWORK_DIR=<dir> [-DPREFIX=<installed fizo, or its build tree>]
#         [-DPC_DIR=<.pc folder in PREFIX>]
#         [-DFIZO_SOURCE_DIR=<fizo>] -DGENERATOR=<generator>
#         -DCXX=<compiler> [-DCXX_FLAGS=<flags>] [-DLINK_FLAGS=<flags>]
#         -P check_consumer.cmake
cmake_minimum_required(VERSION 3.25)

set(consumer_source ${CMAKE_CURRENT_LIST_DIR}/consumer)
set(build ${WORK_DIR}/${MODE})
file(REMOVE_RECURSE ${build})
file(MAKE_DIRECTORY ${build})

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed (${status}): ${ARGN}\n${out}${err}")
    endif()
endfunction()

if(MODE STREQUAL "pkg-config")
    set(ENV{PKG_CONFIG_PATH} ${PREFIX}/${PC_DIR})
    execute_process(COMMAND pkg-config --cflags --libs fizo
                    RESULT_VARIABLE status OUTPUT_VARIABLE flags ERROR_VARIABLE err
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "pkg-config --cflags --libs fizo failed: ${err}")
    endif()
    separate_arguments(flags UNIX_COMMAND "${CXX_FLAGS} ${flags} ${LINK_FLAGS}")
    run(${CXX} -std=c++17 ${consumer_source}/main.cpp ${flags} -o ${build}/consumer)
else()
    if(MODE STREQUAL "find_package")
        set(how -DCMAKE_PREFIX_PATH=${PREFIX})
    elseif(MODE STREQUAL "build_tree")
        set(how -Dfizo_DIR=${PREFIX})
    else()
        set(how -DFIZO_SOURCE_DIR=${FIZO_SOURCE_DIR})
    endif()
    run(${CMAKE_COMMAND} -S ${consumer_source} -B ${build} -G ${GENERATOR}
        -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
        "-DCMAKE_EXE_LINKER_FLAGS=${LINK_FLAGS}" ${how})
    run(${CMAKE_COMMAND} --build ${build})
endif()

execute_process(COMMAND ${build}/consumer RESULT_VARIABLE status
                OUTPUT_FILE ${build}/stdout ERROR_FILE ${build}/stderr)
file(READ ${build}/stdout out)
file(READ ${build}/stderr err)
set(expected "fizo refuses to eat broccoli!\nFiZo Version: 00.01.00\n1.5 + 2.25 = 3.75\n")
if(NOT status EQUAL 0 OR NOT out STREQUAL expected OR NOT err STREQUAL "")
    message(FATAL_ERROR "consumer (${MODE}) gave status ${status}, output [${out}], errors [${err}]")
endif()
