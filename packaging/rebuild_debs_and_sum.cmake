# Run by cpack after each kind of package it makes (CPACK_POST_BUILD_SCRIPTS), with
# CPACK_PACKAGE_FILES naming what it made.

# cpack takes the modes of a DEB's ar members from the umask, and the CPack of CMake 3.25 writes
# neither a Multi-Arch nor a Built-Using field. So dpkg-deb builds each DEB again, as Debian's tools
# build one: from the DEB's own files, unpacked under umask 022 so that they keep their modes and
# dates, with members of mode 100644, and with the fields where the package has them.
function(fizo_rebuild_deb deb multiarch built_using)
    set(tree ${CPACK_TOPLEVEL_DIRECTORY}/deb_rebuilt)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND sh -c "umask 022 && exec dpkg-deb -R \"$0\" \"$1\"" ${deb} ${tree}
                    RESULT_VARIABLE unpack_status)
    set(control ${tree}/DEBIAN/control)
    file(READ ${control} fields)
    set(added "")
    if(multiarch AND NOT fields MATCHES "(^|\n)Multi-Arch:")
        string(APPEND added "Multi-Arch: ${multiarch}\n")
    endif()
    if(built_using AND NOT fields MATCHES "(^|\n)Built-Using:")
        string(APPEND added "Built-Using: ${built_using}\n")
    endif()
    if(added)
        string(REGEX REPLACE "(^|\n)(Architecture: [^\n]*\n)" "\\1\\2${added}" fields "${fields}")
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
# afresh, keeping only the source archive's line, with the build's SBOM. cpack reads its settings
# anew for each kind, so the run's own environment is what remembers that it began.
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
        fizo_rebuild_deb(${package} "${CPACK_DEBIAN_DEVELOPMENT_PACKAGE_MULTIARCH}" "")
    elseif(package MATCHES "\\.deb$")
        fizo_rebuild_deb(${package} "" "${CPACK_FIZO_BUILT_USING}")
    endif()
    get_filename_component(name ${package} NAME)
    file(SHA256 ${package} sum)
    list(APPEND sums "${sum}  ${name}")
endforeach()
# The SBOM lies beside the packages, in whatever folder cpack made them.
get_filename_component(name ${CPACK_FIZO_SBOM} NAME)
if(NOT EXISTS ${CPACK_PACKAGE_DIRECTORY}/${name})
    file(COPY_FILE ${CPACK_FIZO_SBOM} ${CPACK_PACKAGE_DIRECTORY}/${name})
endif()
file(SHA256 ${CPACK_PACKAGE_DIRECTORY}/${name} sum)
list(FILTER sums EXCLUDE REGEX "  ${name}$")
list(APPEND sums "${sum}  ${name}")
list(JOIN sums "\n" sums)
file(WRITE ${sums_file} "${sums}\n")
