# Run by cpack once the files of a kind of package are staged, before it packs them
# (CPACK_PRE_BUILD_SCRIPTS). Every staged folder gets mode 755, whatever the umask it was made
# under, and every staged file and folder is dated SOURCE_DATE_EPOCH: rpmbuild only clamps newer
# times to it, and a file's time in the sources or the build is that of its checkout or build.
execute_process(COMMAND find ${CPACK_TEMPORARY_DIRECTORY} -type d -exec chmod 755 {} +
                RESULT_VARIABLE modes_status)
execute_process(COMMAND find ${CPACK_TEMPORARY_DIRECTORY} -exec touch -h -d @$ENV{SOURCE_DATE_EPOCH}
                        {} + RESULT_VARIABLE dates_status)
if(NOT modes_status EQUAL 0 OR NOT dates_status EQUAL 0)
    message(
        FATAL_ERROR
            "cannot set the modes and dates of the files staged in ${CPACK_TEMPORARY_DIRECTORY}")
endif()
