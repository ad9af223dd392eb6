# The installed layout and the Debian package. The program and the Bible viewer lie in a
# program folder of their own, the sample installation in the shared data folder; the
# program finds the data relative to its own folder, so the tree works under any prefix.
# Every file of data/ is installed, whatever its name, so new data files need no rule here.

set(TAVRA_APP_ID org.example.tavra.Tavra)

install(TARGETS tavra bible RUNTIME DESTINATION ${TAVRA_PROGRAM_DIR})
install(TARGETS htmlview tavra-texts RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${TAVRA_DATA_DIR})

# bin/tavra: a relative link to the program, which then finds its own folder by itself.
file(RELATIVE_PATH program_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${TAVRA_PROGRAM_DIR}/tavra)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/install)
file(CREATE_LINK ${program_from_bin} ${PROJECT_BINARY_DIR}/install/tavra SYMBOLIC)
install(FILES ${PROJECT_BINARY_DIR}/install/tavra DESTINATION ${CMAKE_INSTALL_BINDIR})

# The release: the version is the project's; its date is that of the changelog's newest
# entry, which must be the entry of this version (tests/install/package.sh checks it).
set(TAVRA_CHANGELOG ${PROJECT_SOURCE_DIR}/resources/debian/changelog)
file(STRINGS ${TAVRA_CHANGELOG} release_trailer REGEX "^ -- " LIMIT_COUNT 1)
if(NOT release_trailer MATCHES ", ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "${TAVRA_CHANGELOG}: no date in the newest entry's trailer line")
endif()
set(month_abbreviations Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(month_names January February March April May June July August September October November December)
list(FIND month_abbreviations ${CMAKE_MATCH_2} month_index)
if(month_index LESS 0)
  message(FATAL_ERROR "${TAVRA_CHANGELOG}: no month ${CMAKE_MATCH_2}")
endif()
list(GET month_names ${month_index} month_name)
math(EXPR month_number "${month_index} + 1")
string(LENGTH "${CMAKE_MATCH_1}" day_digits)
set(day ${CMAKE_MATCH_1})
if(day_digits EQUAL 1)
  set(day 0${day})
endif()
if(month_number LESS 10)
  set(month_number 0${month_number})
endif()
set(TAVRA_RELEASE_DATE ${CMAKE_MATCH_3}-${month_number}-${day})
set(TAVRA_RELEASE_MONTH "${month_name} ${CMAKE_MATCH_3}")

# tavra_release_file(<source> <name> [GZIP]): <source> with the release filled in as
# <build>/release/<name>, or gzipped as Debian wants it (maximal, no name or time stamp)
# as <name>.gz. Done when CMake configures, so that installing needs nothing built.
set(TAVRA_RELEASE_DIR ${PROJECT_BINARY_DIR}/release)
function(tavra_release_file source name)
  cmake_parse_arguments(ARG "GZIP" "" "" ${ARGN})
  configure_file(${source} ${TAVRA_RELEASE_DIR}/${name} @ONLY)
  if(ARG_GZIP)
    execute_process(COMMAND gzip -9nc ${TAVRA_RELEASE_DIR}/${name} OUTPUT_FILE ${TAVRA_RELEASE_DIR}/${name}.gz
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endfunction()

set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
install(FILES ${desktop}/${TAVRA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
tavra_release_file(${desktop}/${TAVRA_APP_ID}.metainfo.xml ${TAVRA_APP_ID}.metainfo.xml)
install(FILES ${TAVRA_RELEASE_DIR}/${TAVRA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
file(GLOB icons ${PROJECT_SOURCE_DIR}/resources/icons/tavra_*.png)
foreach(icon ${icons})
  get_filename_component(name ${icon} NAME_WE)
  string(REPLACE "tavra_" "" size ${name})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${TAVRA_APP_ID}.png)
endforeach()
foreach(page tavra htmlview tavra-texts)
  tavra_release_file(${PROJECT_SOURCE_DIR}/resources/man/${page}.1 ${page}.1 GZIP)
  install(FILES ${TAVRA_RELEASE_DIR}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The copyright file and the changelog, where Debian keeps them. The project's own package
# is a native one: its changelog is the project's history, installed as changelog.gz.
set(TAVRA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tavra)
tavra_release_file(${TAVRA_CHANGELOG} changelog GZIP)
install(FILES ${TAVRA_RELEASE_DIR}/changelog.gz ${PROJECT_SOURCE_DIR}/resources/debian/copyright
        DESTINATION ${TAVRA_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME tavra)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "daily Bible texts and readings for a chosen day")
# Lines of at most 80 characters, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION
    "Tavra shows the Bible texts set for a chosen day of the year and hands
the day's readings to a Bible viewer. Its help documents are shown by an
HTML viewer of its own, also available as the tool htmlview. The user
interface is Czech.")
set(CPACK_PACKAGE_CONTACT "Tavra <tavra@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tavra.example.org/)
# The dependencies come from the libraries the programs link, through dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Bible viewer reads what the Bible library finds; a Bible to start with.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS sword-text-kjv)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
