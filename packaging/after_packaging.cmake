# Run by cpack after each kind of package it makes (CPACK_POST_BUILD_SCRIPTS), with
# CPACK_PACKAGE_FILES naming what it made.

# A DEB is an ar archive of three members, whose modes cpack takes from files it wrote itself, and
# so from the umask. Each becomes 100644, as dpkg-deb writes them, in place: the mode is eight
# characters at byte 40 of the member's 60-byte header, and the size ten at byte 48.
function(fizo_fix_deb_member_modes deb)
    file(SIZE ${deb} deb_size)
    set(header_at 8) # after "!<arch>\n"
    while(header_at LESS deb_size)
        file(READ ${deb} header OFFSET ${header_at} LIMIT 60)
        string(SUBSTRING "${header}" 48 10 member_size) # blank-padded, as math takes it
        math(EXPR mode_at "${header_at} + 40")
        set(write_at_mode dd of=${deb} bs=1 seek=${mode_at} conv=notrunc status=none)
        execute_process(COMMAND printf "100644  " COMMAND ${write_at_mode} RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "cannot set the member modes of ${deb}")
        endif()
        # Members start at even offsets.
        math(EXPR header_at "${header_at} + 60 + ${member_size} + ${member_size} % 2")
    endwhile()
endfunction()

# CMake 3.25's cpack writes no Multi-Arch field: where a DEB that should have one lacks it, dpkg-deb
# builds it again with the field, from its own files, whose dates and modes it keeps and sets.
function(fizo_add_deb_multiarch deb multiarch)
    execute_process(COMMAND dpkg-deb -f ${deb} Package Multi-Arch OUTPUT_VARIABLE fields
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR fields MATCHES "Multi-Arch:")
        return()
    endif()
    set(tree ${CPACK_TOPLEVEL_DIRECTORY}/multiarch)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb -R ${deb} ${tree} RESULT_VARIABLE unpack_status)
    file(READ ${tree}/DEBIAN/control control)
    string(REGEX REPLACE "(^|\n)(Architecture: [^\n]*\n)" "\\1\\2Multi-Arch: ${multiarch}\n"
                         control "${control}")
    file(WRITE ${tree}/DEBIAN/control "${control}")
    execute_process(COMMAND find ${tree} -type d -exec chmod 755 {} + -o -type f -exec chmod 644 {}
                            + RESULT_VARIABLE modes_status)
    execute_process(COMMAND touch -d @$ENV{SOURCE_DATE_EPOCH} ${tree}/DEBIAN/control)
    execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${deb} OUTPUT_QUIET
                    RESULT_VARIABLE build_status)
    if(NOT unpack_status EQUAL 0 OR NOT modes_status EQUAL 0 OR NOT build_status EQUAL 0)
        message(FATAL_ERROR "cannot add the field Multi-Arch: ${multiarch} to ${deb}")
    endif()
    file(REMOVE_RECURSE ${tree})
endfunction()

# SHA256SUMS lists what this cpack run made, every kind or one: the run's first kind starts it
# afresh. cpack reads its settings anew for each kind, so the run's own environment is what
# remembers that it began.
set(sums_file ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS)
set(sums "")
if(DEFINED ENV{FIZO_CPACK_RUN_WROTE_SUMS} AND EXISTS ${sums_file})
    file(STRINGS ${sums_file} sums)
endif()
set(ENV{FIZO_CPACK_RUN_WROTE_SUMS} 1)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "/${CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME}_[^/]*\\.deb$")
        fizo_add_deb_multiarch(${package} ${CPACK_DEBIAN_DEVELOPMENT_PACKAGE_MULTIARCH})
    endif()
    if(package MATCHES "\\.deb$")
        fizo_fix_deb_member_modes(${package})
    endif()
    get_filename_component(name ${package} NAME)
    file(SHA256 ${package} sum)
    list(APPEND sums "${sum}  ${name}")
endforeach()
list(JOIN sums "\n" sums)
file(WRITE ${sums_file} "${sums}\n")
