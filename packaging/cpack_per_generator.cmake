# Read by cpack once for every kind of package it makes: which components
# that kind holds, and the date of all it packs. Debian packages carry their
# copyright file and changelog, RPMs their license, and an archive the
# license and README at its top.
if(CPACK_GENERATOR STREQUAL "DEB")
    # Without it, cpack would quietly make a feed-fizo that depends on no C
    # library.
    find_program(FIZO_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(NOT FIZO_DPKG_SHLIBDEPS)
        message(FATAL_ERROR "The DEBs need dpkg-shlibdeps, which finds feed_fizo's "
                            "C library dependency: apt-get install dpkg-dev")
    endif()
    set(CPACK_COMPONENTS_ALL program program_deb development development_deb)
    # Each package's synopsis is the first line of its own description, not
    # the project's summary.
    unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)
elseif(CPACK_GENERATOR STREQUAL "RPM")
    set(CPACK_COMPONENTS_ALL program program_rpm development development_rpm)
else()
    # One archive with everything.
    set(CPACK_COMPONENTS_ALL program development archive)
    set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
endif()

# cpack's archives and rpmbuild date what they pack with this, never the
# clock; a ZIP holds local times, so they are UTC's.
set(ENV{SOURCE_DATE_EPOCH} ${CPACK_FIZO_SOURCE_DATE_EPOCH})
set(ENV{TZ} UTC)
