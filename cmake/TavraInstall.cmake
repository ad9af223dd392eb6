# The installed layout and the Debian package. The program and the Bible viewer lie in a
# program folder of their own, the sample installation in the shared data folder; the
# program finds the data relative to its own folder, so the tree works under any prefix.
# Every file of data/ is installed, whatever its name, so new data files need no rule here.

set(TAVRA_APP_ID org.example.tavra.Tavra)

install(TARGETS tavra RUNTIME DESTINATION ${TAVRA_PROGRAM_DIR})
install(PROGRAMS $<TARGET_FILE:bible> DESTINATION ${TAVRA_PROGRAM_DIR} RENAME Bible.exe)
install(TARGETS htmlview tavra-texts RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${TAVRA_DATA_DIR})

# bin/tavra: a relative link to the program, which then finds its own folder by itself.
file(RELATIVE_PATH program_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${TAVRA_PROGRAM_DIR}/tavra)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/install)
file(CREATE_LINK ${program_from_bin} ${PROJECT_BINARY_DIR}/install/tavra SYMBOLIC)
install(FILES ${PROJECT_BINARY_DIR}/install/tavra DESTINATION ${CMAKE_INSTALL_BINDIR})

set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
install(FILES ${desktop}/${TAVRA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/${TAVRA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
file(GLOB icons ${PROJECT_SOURCE_DIR}/resources/icons/tavra_*.png)
foreach(icon ${icons})
  get_filename_component(name ${icon} NAME_WE)
  string(REPLACE "tavra_" "" size ${name})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${TAVRA_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/man/tavra.1 ${PROJECT_SOURCE_DIR}/resources/man/htmlview.1
              ${PROJECT_SOURCE_DIR}/resources/man/tavra-texts.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "daily Bible texts and readings for a chosen day")
set(CPACK_PACKAGE_DESCRIPTION
    "Tavra shows the Bible texts set for a chosen day of the year and hands the day's
readings to a Bible viewer. Its help documents are shown by an HTML viewer of its
own, also available as the tool htmlview. The user interface is Czech.")
set(CPACK_PACKAGE_CONTACT "Tavra <tavra@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tavra.example.org/)
# The dependencies come from the libraries the programs link, through dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Bible viewer reads what the Bible library finds; a Bible to start with.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS sword-text-kjv)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
