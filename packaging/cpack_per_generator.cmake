# Read by cpack for every kind of package it makes: the components that kind holds, and the date of
# all it packs.
if(CPACK_GENERATOR STREQUAL "DEB")
    # Without it, cpack would quietly make a dynamic feed_fizo's package depend on no C library.
    find_program(FIZO_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(CPACK_DEBIAN_PACKAGE_SHLIBDEPS AND NOT FIZO_DPKG_SHLIBDEPS)
        message(FATAL_ERROR "The DEBs need dpkg-shlibdeps, which finds feed_fizo's "
                            "C library dependency: apt-get install dpkg-dev")
    endif()
    set(CPACK_COMPONENTS_ALL program program_deb development_deb)
    # Each package's synopsis is the first line of its own description, not the project's summary.
    unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)
elseif(CPACK_GENERATOR STREQUAL "RPM")
    set(CPACK_COMPONENTS_ALL program program_rpm development_rpm)
else()
    # One archive with everything, in one folder named after it, as release archives unpack: a
    # component archive leaves that folder out unless told.
    set(CPACK_COMPONENTS_ALL program development_archive archive_documents)
    set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
    set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()

# cpack's archives and rpmbuild date what they pack with SOURCE_DATE_EPOCH, never the clock: as
# given, else the last commit's time, else a fixed date. A ZIP holds local times, so they are UTC's.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    list(GET CPACK_BUILD_SOURCE_DIRS 0 source_dir)
    execute_process(
        COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${source_dir} OUTPUT_VARIABLE date
        OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0 OR NOT date MATCHES "^[0-9]+$")
        set(date 1796731200) # 2026-12-08 12:00 UTC, the first release
        message(STATUS "No commit time from git: the packages are dated 2026-12-08 12:00 UTC")
    endif()
    set(ENV{SOURCE_DATE_EPOCH} ${date})
endif()
set(ENV{TZ} UTC)
