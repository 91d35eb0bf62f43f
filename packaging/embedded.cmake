# What a static feed_fizo holds besides fizo's own code: the libraries that the link takes from the
# toolchain. Each is named here by its file and its licence; which Debian package holds the file
# that this compiler links, and that package's version and source, dpkg says. A dynamic program
# holds none of them.
#
#   library           component                 licence (SPDX)
set(fizo_embeddable_libraries
    "libc.a           GNU_C_Library             LGPL-2.1-or-later"
    "libstdc++.a      GNU_C++_Library           GPL-3.0-or-later_WITH_GCC-exception-3.1"
    "libgcc.a         GCC_runtime_library       GPL-3.0-or-later_WITH_GCC-exception-3.1"
    "libmingw32.a     MinGW-w64_runtime         ZPL-2.1"
    "libwinpthread.a  winpthreads               MIT")

# Sets, in the caller: fizo_embedded, one "<component>|<licence>|<package>|<version>|<architecture>
# |<source>|<source version>|<copyright file>" a library that the link takes; fizo_built_using,
# Debian's Built-Using field of those sources; and fizo_program_license, the SPDX expression of all
# that feed_fizo holds.
function(fizo_find_embedded)
    set(embedded "")
    set(sources "")
    set(licenses MIT)
    if(FIZO_STATIC)
        find_program(dpkg_query dpkg-query NO_CACHE)
        foreach(row IN LISTS fizo_embeddable_libraries)
            separate_arguments(row UNIX_COMMAND "${row}")
            list(GET row 0 library)
            list(GET row 1 component)
            list(GET row 2 license)
            string(REPLACE "_" " " component "${component}")
            string(REPLACE "_" " " license "${license}")
            execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
                            OUTPUT_VARIABLE file OUTPUT_STRIP_TRAILING_WHITESPACE)
            # The compiler names a library that it does not find as given, without a folder.
            if(NOT IS_ABSOLUTE "${file}" OR NOT EXISTS "${file}")
                continue()
            endif()
            file(REAL_PATH "${file}" file)
            if(NOT dpkg_query)
                message(FATAL_ERROR "FIZO_STATIC embeds ${file}: naming its version needs dpkg")
            endif()
            execute_process(COMMAND dpkg -S ${file} OUTPUT_VARIABLE owner RESULT_VARIABLE status)
            string(REGEX REPLACE "[:,].*" "" package "${owner}")
            execute_process(
                COMMAND ${dpkg_query} -W
                        "-f=\${Version}|\${Architecture}|\${source:Package}|\${source:Version}"
                        ${package} OUTPUT_VARIABLE record RESULT_VARIABLE query_status)
            if(NOT status EQUAL 0 OR NOT query_status EQUAL 0 OR NOT record MATCHES "^[^|]+\\|")
                message(FATAL_ERROR "FIZO_STATIC embeds ${file}, which no Debian package holds")
            endif()
            file(REAL_PATH /usr/share/doc/${package}/copyright copyright)
            list(APPEND embedded "${component}|${license}|${package}|${record}|${copyright}")
            string(REPLACE "|" ";" record "${record}")
            list(GET record 2 source)
            list(GET record 3 source_version)
            list(APPEND sources "${source} (= ${source_version})")
            list(APPEND licenses "${license}")
        endforeach()
    endif()
    list(REMOVE_DUPLICATES sources)
    list(REMOVE_DUPLICATES licenses)
    list(JOIN sources ", " built_using)
    list(JOIN licenses " AND " program_license)
    set(fizo_embedded "${embedded}" PARENT_SCOPE)
    set(fizo_built_using "${built_using}" PARENT_SCOPE)
    set(fizo_program_license "${program_license}" PARENT_SCOPE)
endfunction()

# Writes a CycloneDX 1.5 SBOM to <file>: fizo, and each component that feed_fizo holds, with its
# version, licence and Debian package and source. No time and no serial number: the same build
# writes the same bytes.
function(fizo_write_sbom file)
    set(components "")
    set(refs "")
    foreach(entry IN LISTS fizo_embedded)
        string(REPLACE "|" ";" entry "${entry}")
        list(GET entry 0 component)
        list(GET entry 1 license)
        list(GET entry 2 package)
        list(GET entry 3 version)
        list(GET entry 4 architecture)
        list(GET entry 5 source)
        list(GET entry 6 source_version)
        string(REPLACE "+" "%2B" purl_version "${version}")
        string(REPLACE ":" "%3A" purl_version "${purl_version}")
        string(
            CONCAT json
                   "    {\n      \"type\": \"library\",\n"
                   "      \"bom-ref\": \"${package}: ${component}\",\n"
                   "      \"name\": \"${component}\",\n      \"version\": \"${version}\",\n"
                   "      \"licenses\": [{\"expression\": \"${license}\"}],\n"
                   "      \"purl\": \"pkg:deb/debian/${package}@${purl_version}"
                   "?arch=${architecture}\",\n"
                   "      \"properties\": [\n"
                   "        {\"name\": \"debian:package\", \"value\": \"${package}\"},\n"
                   "        {\"name\": \"debian:source\", \"value\": \"${source}\"},\n"
                   "        {\"name\": \"debian:source-version\", \"value\": \"${source_version}\"}"
                   "\n      ]\n    }")
        list(APPEND components "${json}")
        list(APPEND refs "\"${package}: ${component}\"")
    endforeach()
    list(JOIN components ",\n" components)
    list(JOIN refs ", " refs)
    if(components)
        set(components "\n${components}\n  ")
    endif()
    string(
        CONCAT
            sbom
            "{\n  \"bomFormat\": \"CycloneDX\",\n  \"specVersion\": \"1.5\",\n  \"version\": 1,\n"
            "  \"metadata\": {\n    \"component\": {\n      \"type\": \"application\",\n"
            "      \"bom-ref\": \"fizo\",\n      \"name\": \"fizo\",\n"
            "      \"version\": \"${PROJECT_VERSION}\",\n"
            "      \"licenses\": [{\"expression\": \"MIT\"}],\n"
            "      \"copyright\": \"Copyright (c) 2026 the fizo developers\"\n    }\n  },\n"
            "  \"components\": [${components}],\n"
            "  \"dependencies\": [{\"ref\": \"fizo\", \"dependsOn\": [${refs}]}]\n}\n")
    file(WRITE ${file} "${sbom}")
endfunction()
