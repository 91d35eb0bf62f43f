# Run by cpack once the files of a kind of package are staged, before it packs them
# (CPACK_PRE_BUILD_SCRIPTS). Every staged folder gets mode 755, whatever the umask it was made
# under, and every staged file and folder is dated SOURCE_DATE_EPOCH: rpmbuild only clamps newer
# times to it, and a file's time in the sources or the build is that of its checkout or build.
set(staged ${CPACK_TEMPORARY_DIRECTORY})
set(date_it touch -h -d @$ENV{SOURCE_DATE_EPOCH})
execute_process(COMMAND find ${staged} -type d -exec chmod 755 {} + RESULT_VARIABLE modes_status)
execute_process(COMMAND find ${staged} -exec ${date_it} {} + RESULT_VARIABLE dates_status)
if(NOT modes_status EQUAL 0 OR NOT dates_status EQUAL 0)
    message(FATAL_ERROR "cannot set the modes and dates of the files staged in ${staged}")
endif()
