# Run by cpack after each kind of package it makes (CPACK_POST_BUILD_SCRIPTS), with
# CPACK_PACKAGE_FILES naming what it made.

# cpack takes the modes of a DEB's ar members from the umask, and the CPack of CMake 3.25 writes no
# Multi-Arch field. So dpkg-deb builds each DEB again, as Debian's tools build one: from the DEB's
# own files, unpacked under umask 022 so that they keep their modes and dates, with members of mode
# 100644, and with the field where the package has one.
function(fizo_rebuild_deb deb multiarch)
    set(tree ${CPACK_TOPLEVEL_DIRECTORY}/deb_rebuilt)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND sh -c "umask 022 && exec dpkg-deb -R \"$0\" \"$1\"" ${deb} ${tree}
                    RESULT_VARIABLE unpack_status)
    set(control ${tree}/DEBIAN/control)
    file(READ ${control} fields)
    if(multiarch AND NOT fields MATCHES "(^|\n)Multi-Arch:")
        string(REGEX REPLACE "(^|\n)(Architecture: [^\n]*\n)" "\\1\\2Multi-Arch: ${multiarch}\n"
                             fields "${fields}")
        file(WRITE ${control} "${fields}")
        file(CHMOD ${control} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
        execute_process(COMMAND touch -d @$ENV{SOURCE_DATE_EPOCH} ${control})
    endif()
    execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${deb} OUTPUT_QUIET
                    RESULT_VARIABLE build_status)
    if(NOT unpack_status EQUAL 0 OR NOT build_status EQUAL 0)
        message(FATAL_ERROR "dpkg-deb cannot build ${deb} again")
    endif()
    file(REMOVE_RECURSE ${tree})
endfunction()

# SHA256SUMS lists what this cpack run made, every kind or one: the run's first kind starts it
# afresh, keeping only the source archive's line. cpack reads its settings anew for each kind, so
# the run's own environment is what remembers that it began.
set(sums_file ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS)
set(sums "")
if(DEFINED ENV{FIZO_CPACK_RUN_WROTE_SUMS} AND EXISTS ${sums_file})
    file(STRINGS ${sums_file} sums)
elseif(EXISTS ${sums_file})
    # The source archive (the target source_archive) stays listed.
    set(source_archive "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}.tar.gz")
    file(STRINGS ${sums_file} sums REGEX "  ${source_archive}$")
endif()
set(ENV{FIZO_CPACK_RUN_WROTE_SUMS} 1)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "/${CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME}_[^/]*\\.deb$")
        fizo_rebuild_deb(${package} "${CPACK_DEBIAN_DEVELOPMENT_PACKAGE_MULTIARCH}")
    elseif(package MATCHES "\\.deb$")
        fizo_rebuild_deb(${package} "")
    endif()
    get_filename_component(name ${package} NAME)
    file(SHA256 ${package} sum)
    list(APPEND sums "${sum}  ${name}")
endforeach()
list(JOIN sums "\n" sums)
file(WRITE ${sums_file} "${sums}\n")
