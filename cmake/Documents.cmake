# What a Debian system expects beside a program: its copyright and licence, its changelog and its
# manual page, in share/doc/dunemark and share/man/man6. Included by Desktop.cmake.

# The licence is named once, in the metainfo, as SPDX writes it; the Debian copyright file takes
# Debian's name for it from there. Only the GNU GPL, one version or any later, is known here.
file(STRINGS data/${DUNEMARK_APP_ID}.metainfo.xml.in DUNEMARK_LICENSE_LINE
     REGEX "<project_license>")
if(NOT DUNEMARK_LICENSE_LINE MATCHES "<project_license>GPL-([0-9]+)\\.0-(only|or-later)<")
    message(FATAL_ERROR "No Debian licence name known for: ${DUNEMARK_LICENSE_LINE}")
endif()
set(DUNEMARK_LICENSE_VERSION ${CMAKE_MATCH_1})
if(CMAKE_MATCH_2 STREQUAL "or-later")
    set(DUNEMARK_DEBIAN_LICENSE GPL-${DUNEMARK_LICENSE_VERSION}+)
    string(CONCAT DUNEMARK_LICENSE_GRANT "either version ${DUNEMARK_LICENSE_VERSION} of the "
                  "License, or (at your option) any\n later version")
else()
    set(DUNEMARK_DEBIAN_LICENSE GPL-${DUNEMARK_LICENSE_VERSION})
    set(DUNEMARK_LICENSE_GRANT "version ${DUNEMARK_LICENSE_VERSION} of the License")
endif()
string(SUBSTRING ${DUNEMARK_RELEASE_DATE} 0 4 DUNEMARK_COPYRIGHT_YEAR)
configure_file(data/copyright.in copyright @ONLY)

# The changelog's latest entry is the version being built.
file(STRINGS data/changelog DUNEMARK_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT DUNEMARK_CHANGELOG_TOP MATCHES "^dunemark \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "data/changelog does not begin with version ${PROJECT_VERSION}")
endif()
configure_file(data/dunemark.6.in dunemark.6 @ONLY)

# Debian wants both compressed as hard as gzip can, without a time stamp.
set(DUNEMARK_COMPRESSED)
foreach(page IN ITEMS ${CMAKE_CURRENT_SOURCE_DIR}/data/changelog
                      ${CMAKE_CURRENT_BINARY_DIR}/dunemark.6)
    get_filename_component(name ${page} NAME)
    add_custom_command(OUTPUT ${name}.gz
                       COMMAND gzip -9 --no-name --stdout ${page} > ${name}.gz
                       DEPENDS ${page} VERBATIM)
    list(APPEND DUNEMARK_COMPRESSED ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
endforeach()
add_custom_target(dunemark_documents ALL DEPENDS ${DUNEMARK_COMPRESSED})

set(DUNEMARK_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/dunemark)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${DUNEMARK_DOCDIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/dunemark.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
