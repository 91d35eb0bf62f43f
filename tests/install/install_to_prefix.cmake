# Installs the build into a fresh prefix and checks that every file users
# rely on is there.
#
#   cmake -DBUILD_DIR=<build> -DPREFIX=<dir> -DFILES=<installed_files.txt>
#         -P install_to_prefix.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${status}):\n${out}${err}")
endif()

# One "component path" a line.
file(STRINGS ${FILES} lines)
set(missing "")
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[^ ]+ " "" file "${line}")
    if(NOT EXISTS ${PREFIX}/${file})
        string(APPEND missing "\n  ${file}")
    endif()
endforeach()
if(missing OR NOT lines)
    message(FATAL_ERROR "not installed:${missing}")
endif()
