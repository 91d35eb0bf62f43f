# Run by cpack once the files of a kind of package are staged, before it
# packs them (CPACK_PRE_BUILD_SCRIPTS). Every staged file and folder is
# dated SOURCE_DATE_EPOCH: rpmbuild only clamps newer times to it, and a
# file's time in the sources or the build is that of its checkout or build.
execute_process(COMMAND find ${CPACK_TEMPORARY_DIRECTORY} -exec touch -h -d @$ENV{SOURCE_DATE_EPOCH} {} +
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot date the files staged in ${CPACK_TEMPORARY_DIRECTORY}")
endif()
